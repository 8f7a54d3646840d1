#include "support/RecordingSurface.h"

#include <string_view>

namespace tivra::test {

void RecordingSurface::moveTo(double x, double y) {
    x_ = x;
    y_ = y;
}

Drawn& RecordingSurface::record(Drawn::Kind kind) {
    if (pending_ && kind != Drawn::Kind::EndDoc) {
        pending_ = false;
        ++sheets_;
    }
    Drawn d;
    d.kind = kind;
    d.page = sheets_;
    d.lineWidth = lineWidth_;
    drawn.push_back(d);
    return drawn.back();
}

void RecordingSurface::write(const std::string& text, bool endLine) {
    if (!text.empty()) {
        Drawn& d = record(Drawn::Kind::Text);
        d.x1 = x_;
        d.y1 = y_;
        d.text = text;
        d.size = size_;
        d.font = font_;
        d.endLine = endLine;
    }
    if (endLine) {
        x_ = 0;
        y_ += textHeight(text);
    } else {
        x_ += textWidth(text);
    }
}

namespace {

double characterWidth(char c) {
    // Å Ä Ö and å ä ö as their base letters.
    const std::string_view swedish = "\xC5\xC4\xD6\xE5\xE4\xF6";
    if (const std::size_t at = swedish.find(c); at != std::string_view::npos) {
        c = "AAOaao"[at];
    }
    if (c == 'W' || c == 'M') {
        return 16;
    }
    if (c >= 'A' && c <= 'Z') {
        return 13;
    }
    return std::string_view("ilj.,' ").find(c) != std::string_view::npos ? 4 : 10;
}

double measure(const std::string& text, double size) {
    double width = 0;
    for (char c : text) {
        width += characterWidth(c);
    }
    return width * size;
}

} // namespace

double RecordingSurface::textWidth(const std::string& text) {
    return measure(text, size_);
}

double RecordingSurface::rightOf(const Drawn& text) const {
    return text.x1 + measure(text.text, text.size);
}

double RecordingSurface::textHeight(const std::string& /*text*/) {
    return size_ * 24;
}

void RecordingSurface::line(double x1, double y1, double x2, double y2) {
    shape(Drawn::Kind::Line, x1, y1, x2, y2);
}

void RecordingSurface::box(double x1, double y1, double x2, double y2) {
    shape(Drawn::Kind::Box, x1, y1, x2, y2);
}

void RecordingSurface::filledBox(double x1, double y1, double x2, double y2, int grey) {
    shape(Drawn::Kind::Fill, x1, y1, x2, y2).grey = grey;
}

Drawn& RecordingSurface::shape(Drawn::Kind kind, double x1, double y1, double x2, double y2) {
    Drawn& d = record(kind);
    d.x1 = x1, d.y1 = y1, d.x2 = x2, d.y2 = y2;
    return d;
}

void RecordingSurface::newPage() {
    pending_ = true;
    x_ = y_ = 0;
}

void RecordingSurface::endDoc() {
    record(Drawn::Kind::EndDoc);
}

int RecordingSurface::endDocs() const {
    return static_cast<int>(all(Drawn::Kind::EndDoc).size());
}

std::vector<std::string> RecordingSurface::texts(int page) const {
    std::vector<std::string> out;
    for (const Drawn& d : all(Drawn::Kind::Text, page)) {
        out.push_back(d.text);
    }
    return out;
}

const Drawn* RecordingSurface::find(const std::string& text, int page) const {
    for (const Drawn& d : drawn) {
        if (d.kind == Drawn::Kind::Text && d.text == text && (page == 0 || d.page == page)) {
            return &d;
        }
    }
    return nullptr;
}

std::vector<Drawn> RecordingSurface::all(Drawn::Kind kind, int page) const {
    std::vector<Drawn> out;
    for (const Drawn& d : drawn) {
        if (d.kind == kind && (page == 0 || d.page == page)) {
            out.push_back(d);
        }
    }
    return out;
}

} // namespace tivra::test
