#include "config/ViewObjects.h"

namespace tivra {
namespace {

// The 1-based position the selection keeps for the view kind; 0 for the overview.
int chosenIndex(const Selection& val, ViewKind viewKind) {
    switch (viewKind) {
    case ViewKind::Salar:
        return val.valdsal;
    case ViewKind::Annat:
        return val.valtobjekt;
    case ViewKind::Personal:
        return val.valdperson;
    case ViewKind::AllaBokningar:
        break;
    }
    return 0;
}

} // namespace

const std::vector<std::string>& objectList(const Program& program, ViewKind viewKind) {
    static const std::vector<std::string> none;
    switch (viewKind) {
    case ViewKind::Salar:
        return program.salar;
    case ViewKind::Annat:
        return program.settings.bokaobjekt;
    case ViewKind::Personal:
        return program.timetable.personal;
    case ViewKind::AllaBokningar:
        break;
    }
    return none;
}

const std::string* chosenEntry(const Program& program) {
    const ViewKind viewKind = program.selection.viewKind;
    const std::vector<std::string>& list = objectList(program, viewKind);
    const int index = chosenIndex(program.selection, viewKind);
    if (index < 1 || index > static_cast<int>(list.size())) {
        return nullptr;
    }
    return &list[static_cast<std::size_t>(index - 1)];
}

} // namespace tivra
