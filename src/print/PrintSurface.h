#pragma once
// The printer's drawing surface, as the printouts see it. Positions and sizes are twips
// (1/1440 inch) from the top-left corner of the printable area, font sizes points, line
// widths the device's own dots, colours grey levels 0 (black) to 255 (white). Every text
// is Windows-1252 bytes.
//
// The same render draws on paper, into a PDF file, in the print preview and, in tests, on
// a recording surface; so a surface never shows a dialog, and drawing on it has no other
// effect than the drawing.
#include <string>

namespace tivra {

class PrintSurface {
  public:
    virtual ~PrintSurface() = default;

    // The printable area of the current page, read each time it is used.
    virtual double pageWidth() = 0;
    virtual double pageHeight() = 0;

    // Where the next text goes: its top-left corner.
    virtual double currentX() = 0;
    virtual double currentY() = 0;
    virtual void moveTo(double x, double y) = 0;
    void setCurrentX(double x) { moveTo(x, currentY()); }

    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setLineWidth(int dots) = 0;

    // Writes the text at the current position, without background. Continuing the line
    // moves the position right by the text's width; ending it returns to the left edge and
    // moves down one line of the current font, so an empty text makes an empty line.
    virtual void write(const std::string& text, bool endLine) = 0;
    void writeLine(const std::string& text) { write(text, true); }
    void writeOn(const std::string& text) { write(text, false); }

    // The printed size of one line of text in the current font, measured on the device.
    virtual double textWidth(const std::string& text) = 0;
    virtual double textHeight(const std::string& text) = 0;

    // Black lines of the current width; the current position stays where it was.
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void box(double x1, double y1, double x2, double y2) = 0;
    // A box filled with grey level `grey`, without outline.
    virtual void filledBox(double x1, double y1, double x2, double y2, int grey) = 0;

    // The pages from the next one drawn on are landscape, or again as the user chose them;
    // the page size functions answer for them at once.
    virtual void setLandscape(bool landscape) = 0;

    // Asks for a new page and puts the position at the top-left. The page is only made
    // when something is drawn on it, so a document never ends with an empty sheet.
    virtual void newPage() = 0;
    // Ends the document: it goes to the printer or the file.
    virtual void endDoc() = 0;
};

} // namespace tivra
