// The PDF file of a printout, as the print dialog and `tivra print --pdf` make it.
#include "gui/Convert.h"
#include "gui/PrintOutput.h"
#include "gui/QtPrintSurface.h"
#include "support/Fakes.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tivra::test {
namespace {

// What a poppler tool prints.
std::string poppler(QStringList command) {
    QProcess process;
    process.start(command.takeFirst(), command);
    process.waitForFinished();
    return fromQString(QString::fromUtf8(process.readAllStandardOutput())).value_or("?");
}

// A printout's PDF: A4, its text searchable, no empty last page. The
// file is replaced only when the document ends: one that stops or draws nothing leaves
// the old file as it was and no part of the new.
TEST(PdfOutput, APrintoutsPdfIsSearchableA4AndReplacesTheFileOnlyWhenFinished) {
    TempDir dir;
    const std::string path = dir.file("veckan.pdf");
    PdfOutput pdf(QString::fromStdString(path), pdfPageLayout());
    pdf.print([](PrintSurface& surface) {
        surface.endDoc();
        return true;
    });
    EXPECT_FALSE(std::filesystem::exists(path));
    writeBytes(path, "gammal");
    EXPECT_EQ(pdf.print([](PrintSurface& surface) {
        surface.writeLine("Sida 1");
        return false;
    }),
              PrintResult::Cancelled);
    EXPECT_EQ(readBytes(path), "gammal");
    EXPECT_EQ(pdf.print([](PrintSurface& surface) {
        surface.setFontName("Arial");
        surface.setFontSize(10);
        surface.writeOn("Bokningar av "); // the next text goes on the same line
        surface.writeLine("SAL \xC5");
        surface.newPage();
        surface.writeLine("\xD6vning");
        surface.newPage(); // the last page stays empty: no page
        surface.endDoc();
        return true;
    }),
              PrintResult::Done);
    const QString file = QString::fromStdString(path);
    const std::string info = poppler({QStringLiteral("pdfinfo"), file});
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;
    EXPECT_EQ(poppler({QStringLiteral("pdftotext"), file, QStringLiteral("-")}),
              "Bokningar av SAL \xC5\n\n\f\xD6vning\n\n\f"); // a page break after each page
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

} // namespace
} // namespace tivra::test
