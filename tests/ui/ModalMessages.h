#pragma once
// Message boxes as the user meets them: each one really shown, modal, on its own nested
// event loop, which takes the focus from the window behind it and gives it back. A box is
// answered through its buttons from the scripted answers, or by Enter when none is left,
// so the default button of the real box decides. Input boxes and file dialogs stay
// scripted.
#include "support/Fakes.h"
#include "ui/QtMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tivra::test {

class ModalMessages : public ScriptedMessages {
  public:
    // Off, the boxes are only recorded, as by ScriptedMessages.
    bool modal = false;

    void show(const std::string& text, const std::string& title, Icon icon) override {
        ScriptedMessages::show(text, title, icon);
        if (modal) {
            answerBox(std::nullopt);
            QWidget* behind = QApplication::activeWindow();
            real_.show(text, title, icon);
            giveFocusBack(behind);
        }
    }
    bool ask(const std::string& text, const std::string& title) override {
        return question([&] { return ScriptedMessages::ask(text, title); },
                        [&] { return real_.ask(text, title); });
    }
    bool askNo(const std::string& text, const std::string& title) override {
        return question([&] { return ScriptedMessages::askNo(text, title); },
                        [&] { return real_.askNo(text, title); });
    }

  private:
    QtMessages real_;

    template <typename Scripted, typename Real> bool question(Scripted scripted, Real real) {
        const std::optional<bool> choice = answers.empty() ? std::nullopt : std::optional(answers.front());
        const bool recorded = scripted();
        if (!modal) {
            return recorded;
        }
        answerBox(choice);
        QWidget* behind = QApplication::activeWindow();
        const bool answer = real();
        giveFocusBack(behind);
        return answer;
    }
    // What the window manager does when a box closes; the offscreen platform does not.
    static void giveFocusBack(QWidget* window) {
        if (window != nullptr) {
            QApplication::setActiveWindow(window);
        }
    }
    // Once the box is up: clicks "Ja" or "Nej", or presses Enter.
    static void answerBox(std::optional<bool> choice) {
        QTimer::singleShot(0, [choice] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no modal message box is up";
            if (!choice) {
                QTest::keyClick(box, Qt::Key_Return);
                return;
            }
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == (*choice ? QStringLiteral("Ja") : QStringLiteral("Nej"))) {
                    button->click();
                }
            }
        });
    }
};

} // namespace tivra::test
