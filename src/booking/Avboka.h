#pragma once
// "Avboka" and "Redigera": the booking behind a box of the week grid is found again in
// the freshly loaded file by all nine of its stored fields, and removed.
//
// A booking has no identity of its own, so every operation on a chosen row first copies
// its nine fields (the snapshot), reloads, and acts on the first booking row that still
// holds exactly those fields. One that another copy changed or removed meanwhile is not
// found and nothing happens.
#include "booking/ChangeSequence.h"
#include "config/Program.h"

#include <functional>
#include <optional>
#include <string>

namespace tivra {

// Fields 1 to 9 of row `valdrad`, when it is a booking row that is not cancelled.
std::optional<Bokning> snapshotOf(const BookingTable& table, int valdrad);

// The first booking row whose fields 1 to 9 equal the snapshot's; 0 when none does.
int findBooking(const BookingTable& table, const Bokning& snapshot);

// Removes the first booking that equals the snapshot, through the change sequence (lock,
// reload, search, empty fields 1 to 9, save). Asks nothing; Unchanged when no booking
// matches any more.
ChangeResult cancelBooking(Program& program, const Bokning& snapshot, ChangeEnvironment& env);

// The confirmation "Avboka" asks: a first line naming the booking and every week it
// covers, since all of them go ("B14 ONS 13.00–14.00, veckor 40-42"), then the question.
std::string cancelQuestion(const Bokning& row);

// "Avboka" on row `valdrad`: unless an edit is under way (`redigering`), the user is asked
// to confirm first with cancelQuestion (Declined on anything but Yes). The question comes before the change
// sequence starts, so nobody waits for the lock while it is on screen.
ChangeResult avboka(Program& program, int valdrad, bool redigering, ChangeEnvironment& env);

// What "Redigera" puts into the booking fields, as the window shows them.
struct EditFields {
    ViewKind viewKind = ViewKind::Salar; // Option1 for a room, Option2 for another object
    std::string objekt;                  // Combo1
    std::string dag;                     // Combo3: the day's name ("TIS")
    std::string starttid;                // Text1
    std::string langd;                   // Text2
    std::string kommentar;               // Text3
    std::string signatur;                // Text4
};

// The fields for row `valdrad`; nothing when its object is neither a room nor another
// object, or the row is no booking.
std::optional<EditFields> editFieldsOf(const Program& program, int valdrad);

// "Redigera" on row `valdrad`: `fill` puts the booking's fields into the window and the
// user is told to edit them and book; nothing is written. The booking as it stands is
// returned, for the next "Boka" to replace (boka's `original`). Nothing (and `fill` not
// called) for an object that is in neither list or a row that is no booking.
std::optional<Bokning> redigera(const Program& program, int valdrad, Messages& messages,
                                const std::function<void(const EditFields&)>& fill);

// "Är du säker att du vill avboka?"
inline constexpr const char* kCancelQuestion = "\xC4r du s\xE4ker att du vill avboka?";
// "Redigera bokningsdata och klicka sedan Boka."
inline constexpr const char* kEditInformation = "Redigera bokningsdata och klicka sedan Boka.";

} // namespace tivra
