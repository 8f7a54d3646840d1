#include "config/ViewObjects.h"

namespace tivra {
namespace {

// The 1-based position the selection keeps for the view kind; 0 for the overview.
int chosenIndex(const Selection& val, Vy vy) {
    switch (vy) {
    case Vy::Salar:
        return val.valdsal;
    case Vy::Annat:
        return val.valtobjekt;
    case Vy::Personal:
        return val.valdperson;
    case Vy::AllaBokningar:
        break;
    }
    return 0;
}

} // namespace

const std::vector<std::string>& objectList(const Program& program, Vy vy) {
    static const std::vector<std::string> none;
    switch (vy) {
    case Vy::Salar:
        return program.salar;
    case Vy::Annat:
        return program.settings.bokaobjekt;
    case Vy::Personal:
        return program.timetable.personal;
    case Vy::AllaBokningar:
        break;
    }
    return none;
}

const std::string* chosenEntry(const Program& program) {
    const Vy vy = program.selection.vy;
    const std::vector<std::string>& list = objectList(program, vy);
    const int index = chosenIndex(program.selection, vy);
    if (index < 1 || index > static_cast<int>(list.size())) {
        return nullptr;
    }
    return &list[static_cast<std::size_t>(index - 1)];
}

} // namespace tivra
