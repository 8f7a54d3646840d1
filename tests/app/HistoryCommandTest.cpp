// `tivra history`: the change log as lines a script reads, chosen by its options, and the
// comparison with a day backup; a log or backup that cannot be read ends with status 1.
#include "app/Process.h"
#include "core/ChangeLog.h"

namespace tivra {
namespace {

using namespace test;
using std::string;

const string kHeader =
    "Tid\tH\xC3\xA4ndelse\tObjekt\tVecka\tDag\tTid\tSignatur\tKommentar\tAnv\xC3\xA4ndare\tDator\n";

// A line of the log by anna on dator-3, signed as the booking after, or before when none.
string logged(const string& tid, const string& event, const Row& before, const Row& after) {
    return logLine(
        {tid, event, (after.objekt.empty() ? before : after).signatur, "anna", "dator-3", before, after});
}

TEST(HistoryCommand, PrintsTheLoggedChangesItsOptionsChooseOnePerLine) {
    TempDir dir;
    const Row none{"", "", "", "", "", "", "", "", ""};
    const Row a = booking("AB", 1, 2, 9, 10);
    Row moved = a;
    moved.vecka = "12-14";
    const Row c = booking("CD", 2, 3, 10, 20);
    school(dir, {moved});
    writeBytes(dir.file("liten.logg"), "TIVRA-LOGG 1\r\n" + logged("2026-03-01 08:00:00", "Bokat", none, a) +
                                           logged("2026-03-02 09:00:00", "Flera veckor", a, moved) +
                                           logged("2026-03-03 10:00:00", "Bokat", none, c) +
                                           logged("2026-03-04 11:00:00", "Avbokat", c, none) +
                                           "2026-03-05\tBok");
    const string bookedA = "2026-03-01 08:00:00\tBokat\tR1\t10\tTIS\t09.00\xE2\x80\x93"
                           "09.30\tAB\tKAB\tanna\tdator-3\n";
    const string movedA = "2026-03-02 09:00:00\tFlera veckor\tR1\t12-14\tTIS\t09.00\xE2\x80\x93"
                          "09.30\tAB\tKAB\tanna\tdator-3\n";
    const string bookedC = "2026-03-03 10:00:00\tBokat\tR2\t20\tONS\t10.00\xE2\x80\x93"
                           "10.30\tCD\tKCD\tanna\tdator-3\n";
    const string cancelledC = "2026-03-04 11:00:00\tAvbokat\tR2\t20\tONS\t10.00\xE2\x80\x93"
                              "10.30\tCD\tKCD\tanna\tdator-3\n";
    const std::pair<std::vector<string>, string> cases[] = {
        {{}, bookedA + movedA + bookedC + cancelledC},
        {{"--object", "r2"}, bookedC + cancelledC},
        {{"--person", "ab"}, bookedA + movedA},
        {{"--since", "2026-03-03"}, bookedC + cancelledC},
        {{"--weeks", "13-15"}, movedA},
        {{"--other"}, ""},
    };
    for (const auto& [options, lines] : cases) {
        Outcome listed = run("history", dir, options);
        EXPECT_EQ(listed.said(), "0: ") << options.size();
        EXPECT_EQ(listed.out, kHeader + lines) << (options.empty() ? "" : options[0]);
    }
    EXPECT_EQ(run("history", dir, {"--since", "3 mars"}).said(),
              "1: Historik: Skriv datumet i formen \xC3\x85\xC3\x85\xC3\x85\xC3\x85-MM-DD.\n");

    // A log that cannot be written stops no booking: standard error says why.
    std::filesystem::rename(dir.file("liten.logg"), dir.file("kept.logg"));
    std::filesystem::create_directory(dir.file("liten.logg"));
    EXPECT_EQ(
        run("book", dir, optionsFor(booking("GH", 4, 1, 8, 30))).said(),
        "0: \xC3\x84ndringsloggen kunde inte skrivas: Det finns en mapp d\xC3\xA4r en fil skulle vara.\n");
    std::filesystem::remove(dir.file("liten.logg"));

    // A log that cannot be read ends with status 1 and says why (its reasons are the log's own).
    writeBytes(dir.file("liten.logg"), "TIVRA-LOGG 2\r\n");
    EXPECT_TRUE(run("history", dir).said().starts_with("1: Historik: liten.logg: \xC3\x84ndringsloggen"));
}

// --backup N compares the copy of day N with the file now: what the copy holds and the
// file no longer does, and what was added since.
TEST(HistoryCommand, BackupListsTheBookingsGoneAndAddedSinceTheDayCopy) {
    TempDir dir;
    const Row a = booking("AB", 1, 2, 9, 10);
    const Row b = booking("BC", 2, 2, 9, 10);
    const Row c = booking("CD", 3, 2, 9, 10);
    school(dir, {b, c});
    // Run on the 7th: start-up writes the 7th's copy, and the 8th's is the one compared.
    const std::vector<std::string> seventh{"TIVRA_TEST_TODAY=2026-12-07"};
    writeBytes(dir.file("liten.bk8"), bookingFile({a, b}));
    Outcome compared = run("history", dir, {"--backup", "8"}, seventh);
    EXPECT_EQ(compared.said(), "0: ");
    EXPECT_EQ(compared.out, kHeader + "\tBorttagen\tR1\t10\tTIS\t09.00\xE2\x80\x93"
                                      "09.30\tAB\tKAB\t\t\n"
                                      "\tTillagd\tR3\t10\tTIS\t09.00\xE2\x80\x93"
                                      "09.30\tCD\tKCD\t\t\n");
    EXPECT_EQ(run("history", dir, {"--backup", "9"}, seventh).said(),
              "1: Historik: S\xC3\xA4kerhetskopian liten.bk9 finns inte.\n");
}

} // namespace
} // namespace tivra
