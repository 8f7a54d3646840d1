#pragma once
// Taking paths apart: "\" and "/" are both separators wherever a path is read.
#include <string>
#include <string_view>

namespace tivra {

// The path without its extension: cut before the first "." after the last separator.
std::string utantillagg(std::string_view path);
// The part after the last separator (the whole path when it has none).
std::string fileNamePart(std::string_view path);
// The platform's own folder separator.
char folderSeparator();
bool endsWithSeparator(std::string_view path);

} // namespace tivra
