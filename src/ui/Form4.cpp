#include "ui/Form4.h"

#include "config/SchoolFiles.h"
#include "core/Calendar.h"
#include "gui/Convert.h"
#include "gui/QtPrintSurface.h"
#include "gui/Twips.h"
#include "ui/HelpTexts.h"
#include "ui/PrintProgress.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace tivra {
namespace {

// The designed client area; the row of "Förhandsgranska" and "Spara som PDF..." stands
// under the row of "OK", "Avbryt" and "Hjälp".
constexpr double kClientWidth = 4440;
constexpr double kClientHeight = 5475;

constexpr const char* kNoPrinter = "Ingen skrivare \xE4r installerad. Anv\xE4nd Spara som PDF.";
constexpr const char* kNotStarted = "Utskriften kunde inte startas.";
constexpr const char* kNothing = "Inget att skriva ut.";
constexpr const char* kPdfTitle = "Spara som PDF";

template <typename W>
W* placed(W* widget, const char* name, double left, double top, double width, double height) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(pxRect(left, top, width, height));
    return widget;
}

} // namespace

Form4::Form4(const Form4Context& context, bool roomsEnabled, QWidget* parent)
    : QWidget(parent, Qt::Dialog), context_(context) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Skriv ut"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    setFixedSize(px(kClientWidth), px(kClientHeight));
    Text1->setText(toQString(shownWeek(context_.program.selection.valdvecka)));
    if (!roomsEnabled) {
        Label1->setEnabled(false);
        Text2->setEnabled(false);
        Check1->setEnabled(false);
        Label2->setText(QStringLiteral("Objekt"));
    }
}

void Form4::buildControls() {
    QFont bold = font();
    bold.setPointSizeF(8.25);
    bold.setBold(true);
    auto label = [&](const char* name, const char* text, double l, double t, double w, double h) {
        QLabel* made = placed(new QLabel(toQString(text), this), name, l, t, w, h);
        made->setFont(bold);
        return made;
    };
    auto check = [&](const char* name, const char* text, double l, double t, double w, double h) {
        QCheckBox* made = placed(new QCheckBox(toQString(text), this), name, l, t, w, h);
        made->setFont(bold);
        return made;
    };
    auto text = [&](const char* name, double l, double t, double w, double h) {
        QLineEdit* made = placed(new QLineEdit(this), name, l, t, w, h);
        made->setValidator(new Cp1252Validator(made));
        return made;
    };
    auto button = [&](const char* name, const char* caption, double l, double t, double w, double h) {
        return placed(new QPushButton(toQString(caption), this), name, l, t, w, h);
    };
    Label1 = label("Label1", "Salar", 1365, 285, 750, 225);
    Check1 = check("Check1", "Alla", 240, 465, 705, 405);
    Text2 = text("Text2", 1200, 540, 2985, 300);
    Label2 = label("Label2", "Annat", 1365, 1005, 645, 225);
    Check2 = check("Check2", "Alla", 240, 1200, 750, 375);
    Text3 = text("Text3", 1215, 1260, 2985, 300);
    Check4 = check("Check4", "Skriv ut listor", 240, 1860, 2550, 420);
    Check5 = check("Check5", "Skriv ut veckoscheman", 240, 2280, 2610, 420);
    Check6 = check("Check6", "Skriv ut vecko\xF6versikt", 240, 2625, 2610, 345);
    // Beside the week sheet it belongs to: a room full of lessons then shows them.
    Check7 = check("Check7", "\xC4ven lektioner", 2900, 2625, 1500, 345);
    // Wider than designed: a check box caption here does not wrap onto a second line.
    Check3 = check("Check3", "Skriv ut \xE4ven om inga bokningar", 240, 2970, 4000, 420);
    Label3 = label("Label3", "Veckor", 255, 3765, 750, 225);
    Text1 = text("Text1", 1215, 3735, 780, 300);
    Command1 = button("Command1", "OK", 548, 4425, 945, 360);
    Command2 = button("Command2", "Avbryt", 1741, 4425, 960, 360);
    Command4 = button("Command4", "Hj\xE4lp", 2933, 4425, 960, 360);
    Command5 = button("Command5", "F\xF6rhandsgranska", 548, 4905, 1785, 360);
    Command6 = button("Command6", "Spara som PDF...", 2453, 4905, 1785, 360);
    Check4->setChecked(true);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &Form4::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form4::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form4::Command6_Click);
}

void Form4::presetShown(bool room, const std::string& objekt, const std::string& week) {
    Check1->setChecked(false);
    Check2->setChecked(false);
    Check3->setChecked(true);
    Check4->setChecked(false);
    Check5->setChecked(true);
    Check6->setChecked(false);
    Text2->setText(room ? toQString(objekt) : QString());
    Text3->setText(room ? QString() : toQString(objekt));
    Text1->setText(toQString(week));
}

PrintChoice Form4::choice() const {
    PrintChoice c;
    c.veckor = textBytes(Text1->text());
    c.salar = textBytes(Text2->text());
    c.objekt = textBytes(Text3->text());
    c.everyRoom = Check1->isChecked();
    c.everyObject = Check2->isChecked();
    c.withUnbooked = Check3->isChecked();
    c.lists = Check4->isChecked();
    c.weekSchedules = Check5->isChecked();
    c.overview = Check6->isChecked();
    c.withLessons = Check7->isChecked();
    return c;
}

std::optional<PrintPlan> Form4::plan(bool quietWhenEmpty) {
    Messages& messages = context_.platform.messages;
    std::optional<PrintPlan> made = planPrintout(context_.program, choice(), messages);
    if (made && made->empty() && !quietWhenEmpty) {
        messages.show(kNothing, kPrintTitle, Icon::Information);
        return std::nullopt;
    }
    return made;
}

bool Form4::send(const PrintPlan& plan, PrintOutput& output, const std::function<std::string()>& failure,
                 const std::string& done) {
    PrintNotes notes;
    PrintResult result =
        printWithProgress(plan, context_.program, context_.platform.clock.today(), output, this, notes);
    if (result == PrintResult::Refused) {
        context_.platform.messages.show(failure(), kPrintTitle, Icon::Exclamation);
    }
    if (result == PrintResult::Done) {
        const int pages = output.pages();
        context_.tell(done + output.name() + ", " + std::to_string(pages) +
                      (pages == 1 ? " sida" : " sidor"));
        reportPrintNotes(notes, context_.platform.messages);
    }
    return result == PrintResult::Done;
}

void Form4::Command1_Click() {
    std::optional<PrintPlan> made = plan(true);
    if (!made) {
        return;
    }
    // Nothing chosen closes the dialog without a document.
    if (made->empty()) {
        hide();
        return;
    }
    if (!context_.output.available()) {
        context_.platform.messages.show(kNoPrinter, kPrintTitle, Icon::Exclamation);
        return;
    }
    if (send(
            *made, context_.output, [] { return std::string(kNotStarted); }, "Utskrivet p\xE5 ")) {
        hide();
    }
}

void Form4::Command2_Click() {
    hide();
}

void Form4::Command4_Click() {
    context_.help(kPrintTitle, printHelpText());
}

void Form4::Command5_Click() {
    std::optional<PrintPlan> made = plan(false);
    if (!made) {
        return;
    }
    const Date today = context_.platform.clock.today();
    PrintNotes notes;
    QPrintPreviewDialog preview(&context_.printer, this);
    preview.setWindowTitle(toQString("F\xF6rhandsgranska"));
    // A week sheet leaves the printer landscape, and the preview shows every page in the
    // orientation its document ends with: each repaint starts from the user's own.
    const QPageLayout::Orientation chosen = context_.printer.pageLayout().orientation();
    // The same render as "OK", repainted as often as the preview asks; it shows nothing.
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* printer) {
        if (!made->overview.objects.empty()) {
            printer->setPageOrientation(chosen);
        }
        QtPrintSurface surface(*printer);
        notes = renderPlan(*made, context_.program, today, surface);
    });
    preview.exec();
    context_.printer.setPageOrientation(chosen);
    reportPrintNotes(notes, context_.platform.messages);
}

void Form4::Command6_Click() {
    std::optional<PrintPlan> made = plan(false);
    if (!made) {
        return;
    }
    Messages& messages = context_.platform.messages;
    std::string chosen = messages.saveFileName("", "PDF|*.pdf");
    if (chosen.empty()) {
        return;
    }
    QString path = toQString(chosen);
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    const std::string name = fromQString(path).value_or(chosen);
    if (isSchoolFile(context_.program, name, context_.platform.disk)) {
        messages.show(schoolFileRefusal(name), kPdfTitle, Icon::Exclamation);
        return;
    }
    if (QFileInfo::exists(path) &&
        !messages.ask(name + " finns redan. Vill du ers\xE4tta filen?", kPdfTitle)) {
        return;
    }
    const QPageLayout paper = context_.printer.pageLayout();
    PdfOutput pdf(path, pdfPageLayout(paper.pageSize().id(), paper.orientation()));
    send(
        *made, pdf, [&] { return "Filen " + name + " kunde inte skrivas. " + pdf.reason(); }, "Sparat ");
}

} // namespace tivra
