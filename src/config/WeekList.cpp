#include "config/WeekList.h"

#include "core/Number.h"
#include "core/Text1252.h"
#include "core/TextHelpers.h"

namespace tivra {

std::string ersattperioder(std::string_view text, const std::vector<std::string>& schemaperioder) {
    std::string s = blankPadded(normalisera(text));
    for (const std::string& entry : schemaperioder) {
        std::size_t q = entry.find('=');
        if (q == std::string::npos || q == 0) {
            continue;
        }
        std::string name = blankPadded(std::string_view(entry).substr(0, q));
        std::size_t at = s.find(name);
        if (at != std::string::npos) {
            s.replace(at, name.size(), blankPadded(std::string_view(entry).substr(q + 1)));
        }
    }
    return trim(s);
}

std::string tabortblanka(std::string_view text) {
    // Repeating "first double blank to one, first blank after a dash removed" until
    // nothing changes keeps one blank of each run, none after a dash. One pass gives
    // the same text without the repeated scans.
    std::string trimmed = trim(text);
    std::string out;
    out.reserve(trimmed.size());
    for (char c : trimmed) {
        if (c == ' ' && !out.empty() && (out.back() == ' ' || out.back() == '-')) {
            continue;
        }
        out.push_back(c);
    }
    return out;
}

std::string ordnaveckor(std::string_view text) {
    std::string s = tabortblanka(text);
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        std::size_t end = s.find_first_of(" -", pos);
        std::string_view token =
            std::string_view(s).substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (token.size() == 4 && textvarde(token) > 0) {
            token.remove_prefix(2);
        }
        out.append(token);
        if (end == std::string::npos) {
            break;
        }
        out.push_back(s[end]);
        pos = end + 1;
    }
    return trim(out);
}

} // namespace tivra
