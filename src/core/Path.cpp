#include "core/Path.h"

namespace tivra {
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// The position after the last separator of either kind; 0 when there is none.
std::size_t nameStart(std::string_view path) {
    std::size_t last = path.find_last_of("\\/");
    return last == std::string_view::npos ? 0 : last + 1;
}

} // namespace

std::string utantillagg(std::string_view path) {
    // Only a "." in the file name counts: a dotted folder (D:\a.b\nya) keeps its name.
    std::size_t dot = path.find('.', nameStart(path));
    return std::string(dot == std::string_view::npos ? path : path.substr(0, dot));
}

std::string fileNamePart(std::string_view path) {
    return std::string(path.substr(nameStart(path)));
}

char folderSeparator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

bool endsWithSeparator(std::string_view path) {
    return !path.empty() && isSeparator(path.back());
}

} // namespace tivra
