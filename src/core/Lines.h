#pragma once
// The lines of a text file read whole, one rule for every file the program reads: a line
// ends at CR LF, at a lone LF or at a lone CR, so no line end ever reaches a field. A last
// line without a line end is a line; the line end after the last line opens no further
// empty line. The cursor also notes whether the file mixes kinds of line end, which in a
// booking file means a stray byte inside a field.
#include <string_view>
#include <vector>

namespace tivra {

// The first CR or LF from p on, or end.
const char* lineEnd(const char* p, const char* end);

// Walks the lines of a file's bytes without copying them.
class LineCursor {
  public:
    explicit LineCursor(std::string_view bytes) : p_(bytes.data()), end_(bytes.data() + bytes.size()) {}

    // The next line without its line end; false when the bytes are used up.
    bool next(std::string_view& line) {
        if (p_ == end_) {
            return false;
        }
        const char* q = lineEnd(p_, end_);
        line = std::string_view(p_, static_cast<std::size_t>(q - p_));
        if (q != end_) {
            const bool pair = *q == '\r' && q + 1 != end_ && q[1] == '\n';
            noteEnd(pair ? End::CrLf : (*q == '\r' ? End::Cr : End::Lf));
            q += pair ? 2 : 1;
        }
        p_ = q;
        return true;
    }

    // Whether the lines passed so far end in more than one way (CR LF, lone LF, lone CR).
    bool mixedEnds() const { return mixed_; }

  private:
    enum class End { None, CrLf, Lf, Cr };

    void noteEnd(End end) {
        if (first_ == End::None) {
            first_ = end;
        } else if (end != first_) {
            mixed_ = true;
        }
    }

    const char* p_;
    const char* end_;
    End first_ = End::None;
    bool mixed_ = false;
};

} // namespace tivra
