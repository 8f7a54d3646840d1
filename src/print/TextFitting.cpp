#include "print/TextFitting.h"

#include "core/Number.h"
#include "core/Text1252.h"

#include <algorithm>

namespace tivra {
namespace {

// The number of characters n = length × width / printed width, whole part, kept within
// the text.
std::size_t proportionalLength(std::size_t length, double width, double printed) {
    double n = static_cast<double>(length) * width / printed;
    return static_cast<std::size_t>(std::clamp<long long>(wholePart(n), 0, static_cast<long long>(length)));
}

} // namespace

std::string kortatext(PrintSurface& surface, const std::string& text, double width) {
    double printed = surface.textWidth(text);
    if (printed <= width) {
        return text;
    }
    // A line of capitals is wider than the average: the proportional cut alone overshoots.
    std::size_t n = proportionalLength(text.size(), width, printed);
    while (n > 0 && surface.textWidth(text.substr(0, n)) > width) {
        --n;
    }
    return text.substr(0, n);
}

std::string shortenedName(PrintSurface& surface, const std::string& text, double width) {
    if (surface.textWidth(text) <= width) {
        return text;
    }
    const std::string mark = "\x85";
    std::string cut = kortatext(surface, text, width - surface.textWidth(mark));
    return surface.textWidth(mark) > width ? std::string() : trim(cut) + mark;
}

WordSplit delarad(PrintSurface& surface, const std::string& text, double width) {
    if (text.empty()) {
        return {};
    }
    std::string candidate = text;
    std::string tail;
    if (std::size_t cr = text.find('\r'); cr != std::string::npos) {
        candidate = text.substr(0, cr);
        tail = text.substr(std::min(cr + 2, text.size()));
    }
    const double room = width - 0.003 * surface.pageWidth();
    WordSplit result;
    double printed = surface.textWidth(candidate);
    if (room > printed) {
        result.ord1 = candidate;
    } else {
        std::size_t m = proportionalLength(candidate.size(), width, printed);
        while (m > 0 && surface.textWidth(candidate.substr(0, m)) > room) {
            --m;
        }
        std::size_t blank = m == 0 ? std::string::npos : candidate.rfind(' ', m - 1);
        // Without a blank the line stops one character short of what fits. At least one
        // character always goes, so the text gets shorter with every line even in a box
        // too narrow for any.
        std::size_t cut = blank != std::string::npos ? blank + 1 : (m > 1 ? m - 1 : 1);
        result.ord1 = trim(std::string_view(candidate).substr(0, cut));
        result.ordrest = trim(std::string_view(candidate).substr(cut));
    }
    if (!tail.empty()) {
        result.ordrest = result.ordrest.empty() ? tail : result.ordrest + "\r\n" + tail;
    }
    return result;
}

} // namespace tivra
