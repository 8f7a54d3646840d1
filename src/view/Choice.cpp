#include "view/Choice.h"

#include "core/Calendar.h"
#include "core/Number.h"
#include "core/TextHelpers.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tivra {
namespace {

int* storedIndex(Selection& val, ViewKind viewKind) {
    switch (viewKind) {
    case ViewKind::Salar:
        return &val.valdsal;
    case ViewKind::Annat:
        return &val.valtobjekt;
    case ViewKind::Personal:
        return &val.valdperson;
    case ViewKind::AllaBokningar:
        break;
    }
    return nullptr;
}

} // namespace

int correctedWeek(std::string_view text, int startvecka, int slutvecka) {
    // The stored week is 16-bit; a number beyond that is as far out of the period as one
    // that fits, and is corrected the same way.
    long long typed =
        std::clamp<long long>(wholePart(textvarde(text)), std::numeric_limits<std::int16_t>::min(),
                              std::numeric_limits<std::int16_t>::max());
    auto w = static_cast<int>(typed);
    if (w < startvecka) {
        w += 52;
    }
    return std::min(w, slutvecka);
}

int nextWeek(int valdvecka, int slutvecka) {
    return valdvecka < slutvecka ? valdvecka + 1 : valdvecka;
}

int previousWeek(int valdvecka, int startvecka) {
    return valdvecka > startvecka ? valdvecka - 1 : valdvecka;
}

int findEntry(const std::vector<std::string>& list, std::string_view text) {
    std::string t = normalisera(text);
    auto found = std::find(list.begin(), list.end(), t);
    return found == list.end() ? 0 : static_cast<int>(found - list.begin()) + 1;
}

int findStaff(const std::vector<std::string>& personal, std::string_view text) {
    std::string prefix = delaord(normalisera(text)).ord1 + " ";
    auto found = std::find_if(personal.begin(), personal.end(),
                              [&](const std::string& entry) { return entry.starts_with(prefix); });
    return found == personal.end() ? 0 : static_cast<int>(found - personal.begin()) + 1;
}

ObjectField chooseView(Program& program, ViewKind viewKind) {
    program.selection.viewKind = viewKind;
    int* index = storedIndex(program.selection, viewKind);
    if (index == nullptr) {
        return ObjectField{{}, {}, true};
    }
    const std::vector<std::string>& list = objectList(program, viewKind);
    ObjectField field{list, {}, false};
    if (list.empty()) {
        return field;
    }
    // An index left from a longer list cannot point past this one.
    if (*index < 1 || static_cast<std::size_t>(*index) > list.size()) {
        *index = 1;
    }
    field.text = list[static_cast<std::size_t>(*index) - 1];
    field.redraw = true;
    return field;
}

bool chooseObject(Program& program, std::string_view text) {
    ViewKind viewKind = program.selection.viewKind;
    int* index = storedIndex(program.selection, viewKind);
    if (index == nullptr) {
        return false;
    }
    const std::vector<std::string>& list = objectList(program, viewKind);
    int found = viewKind == ViewKind::Personal ? findStaff(list, text) : findEntry(list, text);
    if (found == 0) {
        return false;
    }
    *index = found;
    return true;
}

int findDay(const std::vector<std::string>& dayList, std::string_view text) {
    return findEntry(dayList, text);
}

bool chooseDay(Selection& val, const std::vector<std::string>& dayList, std::string_view text) {
    int k = findDay(dayList, text);
    if (k == 0) {
        return false;
    }
    val.valddag = k;
    return true;
}

std::string dayHeaderChoice(int d) {
    return d >= 1 && d <= 7 ? dagnamn(d) : std::string();
}

} // namespace tivra
