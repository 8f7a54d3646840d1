#include "app/ListedNames.h"

#include "core/Text1252.h"
#include "core/TextHelpers.h"

#include <iostream>
#include <sstream>

namespace tivra {
namespace {

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;) {
        out.push_back(word);
    }
    return out;
}

} // namespace

std::vector<std::string> unlistedNames(const std::string& typed, const std::vector<std::string>& list) {
    const std::vector<std::string> typedWords = words(normalisera(typed));
    std::vector<bool> covered(typedWords.size(), false);
    for (const std::string& entry : list) {
        const std::vector<std::string> name = words(entry);
        if (name.empty() || name.size() > typedWords.size()) {
            continue;
        }
        for (std::size_t at = 0; at + name.size() <= typedWords.size(); ++at) {
            if (std::equal(name.begin(), name.end(), typedWords.begin() + static_cast<std::ptrdiff_t>(at))) {
                std::fill_n(covered.begin() + static_cast<std::ptrdiff_t>(at), name.size(), true);
            }
        }
    }
    std::vector<std::string> unlisted;
    for (std::size_t k = 0; k < typedWords.size(); ++k) {
        if (!covered[k]) {
            unlisted.push_back(typedWords[k]);
        }
    }
    return unlisted;
}

bool noUnknownObjects(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        std::cerr << toUtf8("Ok\xE4nt objekt: " + name) << '\n';
    }
    return names.empty();
}

} // namespace tivra
