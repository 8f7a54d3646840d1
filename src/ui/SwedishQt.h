#pragma once
// Swedish for the texts of Qt's own dialogs: the file dialogs, the input box, the message
// boxes' buttons, the printer choice, the page set-up and the print preview. The
// translations that come with the system leave these in English, so a dialog would show
// "Look in:" and "Cancel" beside Swedish words. Installed on the application, it answers
// for Qt's texts by their English wording, whatever the context.
#include <QTranslator>

namespace tivra {

class SwedishQt : public QTranslator {
    Q_OBJECT

  public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace tivra
