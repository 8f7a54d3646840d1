#include "config/FileLines.h"

namespace tivra {

bool LineReader::next(std::string_view& line) {
    if (pos_ >= bytes_.size()) {
        return false;
    }
    std::size_t end = bytes_.find('\n', pos_);
    std::size_t after = end == std::string_view::npos ? bytes_.size() : end + 1;
    if (end == std::string_view::npos) {
        end = bytes_.size();
    }
    line = bytes_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    pos_ = after;
    return true;
}

} // namespace tivra
