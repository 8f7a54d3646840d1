#pragma once
// The lines of a text file read whole: CR LF line ends, a lone LF accepted as well.
#include <string_view>

namespace tivra {

// Walks the lines of a file's bytes without copying them. A last line without a line
// end is a line; the line end after the last line opens no further empty line.
class LineReader {
  public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}
    // The next line without its line end; false at the end of the bytes.
    bool next(std::string_view& line);

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

} // namespace tivra
