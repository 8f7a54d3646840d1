#pragma once
// A print surface that records what is drawn. Characters differ in width as a real font's
// do (W and M 16, other capitals 13, i l j . , ' and the blank 4, the rest 10 twips per
// point; Å Ä Ö as their base letters), so that a cut reckoned by character count alone
// overshoots; a line is 24 twips high per point. The page is A4 portrait in twips unless a
// test says otherwise.
#include "print/PrintSurface.h"

#include <string>
#include <vector>

namespace tivra::test {

struct Drawn {
    enum class Kind { Text, Line, Box, Fill, EndDoc };
    Kind kind = Kind::Text;
    int page = 1; // the sheet it lands on; a requested page counts once drawn on
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text; // Text: the text, at (x1, y1)
    double size = 0;  // Text: the font size
    std::string font; // Text: the font name
    int grey = 0;     // Fill
    int lineWidth = 0;
    bool endLine = false;
};

class RecordingSurface : public PrintSurface {
  public:
    double W = 11906;
    double H = 16838;
    bool landscape = false;
    std::vector<Drawn> drawn;

    double pageWidth() override { return landscape ? H : W; }
    double pageHeight() override { return landscape ? W : H; }
    void setLandscape(bool on) override { landscape = on; }
    double currentX() override { return x_; }
    double currentY() override { return y_; }
    void moveTo(double x, double y) override;
    void setFontName(const std::string& name) override { font_ = name; }
    void setFontSize(double points) override { size_ = points; }
    void setLineWidth(int dots) override { lineWidth_ = dots; }
    void write(const std::string& text, bool endLine) override;
    double textWidth(const std::string& text) override;
    double textHeight(const std::string& text) override;
    void line(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2) override;
    void filledBox(double x1, double y1, double x2, double y2, int grey) override;
    void newPage() override;
    void endDoc() override;

    // Sheets with something on them.
    int pages() const { return sheets_; }
    int endDocs() const;
    // The texts of a sheet in drawing order, empty lines left out.
    std::vector<std::string> texts(int page) const;
    // The first drawn text equal to `text`, or nothing.
    const Drawn* find(const std::string& text, int page = 0) const;
    // Where a drawn text ends, by this surface's measure at the text's own size.
    double rightOf(const Drawn& text) const;
    std::vector<Drawn> all(Drawn::Kind kind, int page = 0) const;

  private:
    Drawn& record(Drawn::Kind kind);
    Drawn& shape(Drawn::Kind kind, double x1, double y1, double x2, double y2);
    double x_ = 0, y_ = 0;
    std::string font_;
    double size_ = 10;
    int lineWidth_ = 1;
    int sheets_ = 0;
    bool pending_ = true; // the first sheet too is made by the first drawing
};

} // namespace tivra::test
