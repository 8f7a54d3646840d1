#include "ui/QtPrintSurface.h"

#include "support/Fakes.h"
#include "ui/Convert.h"
#include "ui/PrintOutput.h"

#include <QPdfWriter>
#include <QProcess>
#include <gtest/gtest.h>

#include <filesystem>

namespace tivra {
namespace {

// What a poppler tool prints to its standard output.
QString poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(QtPrintSurface, APdfKeepsItsTextSearchableAndEndsWithoutAnEmptyPage) {
    test::TempDir dir;
    const std::string pdf = dir.file("Bokningar.pdf");
    {
        auto writer = makePdfWriter(QString::fromStdString(pdf));
        QtPrintSurface surface(*writer);
        surface.setFontName("Times New Roman");
        surface.setFontSize(14);
        surface.filledBox(0, 0, surface.pageWidth(), 400, 200);
        surface.writeLine("Bokningar av SAL \xC5");
        surface.setFontName("Arial");
        surface.setLineWidth(3);
        surface.line(0, 1000, 5000, 1000);
        surface.newPage();
        surface.box(5000, 5000, 1000, 1000);
        surface.writeOn("\xC4ndrad ");
        surface.writeLine("\xD6vning");
        surface.newPage();
        surface.endDoc();
        EXPECT_TRUE(surface.ok());
    }
    const QString info = poppler(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           2"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("595 x 842 pts (A4)"))) << info.toStdString();
    const QString text =
        poppler(QStringLiteral("pdftotext"), {QString::fromStdString(pdf), QStringLiteral("-")});
    EXPECT_TRUE(text.contains(toQString("Bokningar av SAL \xC5"))) << text.toStdString();
    EXPECT_TRUE(text.contains(toQString("\xC4ndrad \xD6vning"))) << text.toStdString();

    // A printout that draws nothing leaves no file.
    const std::string untouched = dir.file("Tom.pdf");
    {
        auto writer = makePdfWriter(QString::fromStdString(untouched));
        QtPrintSurface surface(*writer);
        surface.newPage();
        surface.write("", true);
        surface.endDoc();
    }
    EXPECT_FALSE(std::filesystem::exists(untouched));
}

TEST(QtPrintSurface, MeasuresThePrintableAreaAndTextInTwips) {
    test::TempDir dir;
    auto writer = makePdfWriter(QString::fromStdString(dir.file("Sida.pdf")));
    QtPrintSurface surface(*writer);
    // A4 less 10 mm on either side: 190 mm by 277 mm, within the point (20 twips) that
    // Qt's PDF pages are rounded to.
    EXPECT_NEAR(surface.pageWidth(), 190 / 25.4 * 1440, 20);
    EXPECT_NEAR(surface.pageHeight(), 277 / 25.4 * 1440, 20);

    surface.setFontName("Arial");
    surface.setFontSize(10);
    EXPECT_GT(surface.textWidth("Sal 12 bokad"), surface.textWidth("Sal 12"));
    // 10 points are 200 twips; a line is a little taller than the letters.
    EXPECT_GT(surface.textHeight("Sal"), 200);
    EXPECT_LT(surface.textHeight("Sal"), 280);

    surface.writeOn("Sal 12");
    EXPECT_DOUBLE_EQ(surface.currentX(), surface.textWidth("Sal 12"));
    surface.writeLine(" bokad");
    EXPECT_EQ(surface.currentX(), 0);
    EXPECT_DOUBLE_EQ(surface.currentY(), surface.textHeight(""));
}

} // namespace
} // namespace tivra

namespace tivra {
namespace {

TEST(PdfOutput, AStoppedDocumentLeavesTheOldFileAndNoPartOfTheNew) {
    test::TempDir dir;
    const std::string path = dir.file("veckan.pdf");
    test::writeBytes(path, "gammal");
    PdfOutput pdf(QString::fromStdString(path), pdfPageLayout());
    auto draw = [](bool finish) {
        return [finish](PrintSurface& surface) {
            surface.writeLine("Sida 1");
            surface.newPage();
            surface.writeLine("Sida 2");
            if (finish) {
                surface.endDoc();
            }
            return finish;
        };
    };
    EXPECT_EQ(pdf.print(draw(false)), PrintResult::Cancelled);
    EXPECT_EQ(test::readBytes(path), "gammal");
    EXPECT_EQ(pdf.print(draw(true)), PrintResult::Done);
    EXPECT_TRUE(test::readBytes(path).starts_with("%PDF"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

} // namespace
} // namespace tivra
