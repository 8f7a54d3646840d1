#include "booking/FreeRooms.h"

#include "booking/Conflicts.h"
#include "config/ObjectLists.h"
#include "config/ViewObjects.h"
#include "core/Number.h"

namespace tivra {

std::variant<FreeRooms, std::string> ledigaSalar(const Program& program, const BookingFields& fields,
                                                 int week) {
    if (std::optional<std::string> refusal = timeRefusal(fields)) {
        return *refusal;
    }
    // Other objects when they are shown, else the rooms.
    const std::vector<std::string>& objects =
        objectList(program, fields.viewKind == ViewKind::Annat ? ViewKind::Annat : ViewKind::Salar);
    Bokning mine = storedRow(fields, decimalText(static_cast<long long>(week)));
    // The rows at that time are found once; each object then only looks among them.
    const std::vector<int> atTheTime = rowsAtTheTime(program.bokningar, mine);
    FreeRooms found;
    for (const std::string& name : objects) {
        if (periodRefusal(program.settings.perioder, name, week)) {
            continue;
        }
        mine.objekt = name;
        Conflicts inTheWay = conflictsAmong(program.bokningar, atTheTime, mine, week, week);
        if (inTheWay.booking) {
            continue;
        }
        (inTheWay.lessons.empty() ? found.free : found.lessonsOnly).push_back(name);
    }
    return found;
}

} // namespace tivra
