#include "ui/Form3.h"

#include "gui/Convert.h"
#include "gui/Twips.h"
#include "ui/HelpTexts.h"

#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tivra {
namespace {

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// One tab: a heading, then the text, which scrolls when the window is small.
QWidget* tab(QLabel*& heading, const char* headingName, const char* headingText, QLabel*& body,
             const char* bodyName, const std::string& text, QWidget* parent) {
    auto* scroll = new QScrollArea(parent);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget(scroll);
    auto* column = new QVBoxLayout(page);
    heading = label(headingName, toQString(headingText), page);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);
    body = label(bodyName, toDisplay(text), page);
    column->addWidget(heading);
    column->addWidget(body);
    column->addStretch(1);
    scroll->setWidget(page);
    return scroll;
}

} // namespace

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(toQString("Hj\xE4lpavsnitt"));
    auto* column = new QVBoxLayout(this);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(tab(Label4, "Label4", "Tivra", Label1, "Label1", overviewText(), SSTab1),
                   toQString("\xD6versikt"));
    SSTab1->addTab(
        tab(Label3, "Label3", "Inst\xE4llningar och filer", Label2, "Label2", administratorText(), SSTab1),
        toQString("Till administrat\xF6ren"));
    SSTab1->addTab(tab(Label5, "Label5", "Att boka och skriva ut", Label6, "Label6", bookingText(), SSTab1),
                   QStringLiteral("Boka"));
    column->addWidget(SSTab1);
    resize(px(9600), px(7800));
}

} // namespace tivra
