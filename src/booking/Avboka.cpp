#include "booking/Avboka.h"

#include "config/ObjectLists.h"
#include "core/Calendar.h"
#include "core/ChangeLog.h"
#include "core/Number.h"
#include "core/RowRules.h"

#include <algorithm>

namespace tivra {
namespace {

constexpr const char kTitle[] = "Avboka";

} // namespace

std::optional<Bokning> snapshotOf(const BookingTable& table, int valdrad) {
    if (!table.isBooking(valdrad) || table.row(valdrad).cancelled()) {
        return std::nullopt;
    }
    Bokning snapshot = table.row(valdrad);
    snapshot.veckor.clear(); // field 10 is no part of a booking's identity
    return snapshot;
}

int findBooking(const BookingTable& table, const Bokning& snapshot) {
    for (int r = table.antallektioner + 1; r <= table.antalrader; ++r) {
        if (table.row(r).sameBooking(snapshot)) {
            return r;
        }
    }
    return 0;
}

ChangeResult cancelBooking(Program& program, const Bokning& snapshot, ChangeEnvironment& env) {
    // A snapshot of nothing would match the first cancelled row.
    if (snapshot.cancelled()) {
        return ChangeResult::Unchanged;
    }
    int found = 0;
    ChangeSteps steps{
        [&](const Program& p, const Answers&) {
            found = findBooking(p.bokningar, snapshot);
            return found ? Verdict::go() : Verdict::stop();
        },
        [&](Program& p, Messages&) {
            p.bokningar.row(found).cancel();
            return true;
        },
        [&](const Program& p) {
            return LoggedChange{kEventCancelled, p.bokningar.row(found), {}};
        },
    };
    return runChange(kTitle, program, env, steps);
}

std::string cancelQuestion(const Bokning& row) {
    const std::string& day = dagnamn(static_cast<int>(roundHalfEven(textvarde(row.dag))));
    return row.objekt + " " + day + " " + row.starttid + "\x96" + endLabel(row) + ", " + weeksLabel(row) +
           "\r\n" + kCancelQuestion;
}

ChangeResult avboka(Program& program, int valdrad, bool redigering, ChangeEnvironment& env) {
    std::optional<Bokning> snapshot = snapshotOf(program.bokningar, valdrad);
    if (!snapshot) {
        return ChangeResult::Unchanged;
    }
    if (!redigering && !env.platform.messages.ask(cancelQuestion(*snapshot), kTitle)) {
        return ChangeResult::Declined;
    }
    return cancelBooking(program, *snapshot, env);
}

std::optional<EditFields> editFieldsOf(const Program& program, int valdrad) {
    const BookingTable& table = program.bokningar;
    if (!table.isBooking(valdrad)) {
        return std::nullopt;
    }
    const Bokning& row = table.row(valdrad);
    EditFields fields;
    if (listed(program.salar, row.objekt)) {
        fields.viewKind = ViewKind::Salar;
    } else if (listed(program.settings.bokaobjekt, row.objekt)) {
        fields.viewKind = ViewKind::Annat;
    } else {
        return std::nullopt;
    }
    fields.objekt = row.objekt;
    fields.dag = dagnamn(static_cast<int>(roundHalfEven(textvarde(row.dag))));
    fields.starttid = row.starttid;
    fields.langd = row.langd;
    fields.kommentar = row.kommentar;
    fields.signatur = row.signatur;
    return fields;
}

std::optional<Bokning> redigera(const Program& program, int valdrad, Messages& messages,
                                const std::function<void(const EditFields&)>& fill) {
    std::optional<EditFields> fields = editFieldsOf(program, valdrad);
    std::optional<Bokning> snapshot = snapshotOf(program.bokningar, valdrad);
    if (!fields || !snapshot) {
        return std::nullopt;
    }
    fill(*fields);
    messages.show(kEditInformation, "Redigera bokningsdata", Icon::Information);
    return snapshot;
}

} // namespace tivra
