// `tivra history`: the change log as lines a script reads, chosen by its options, and the
// comparison with a day backup; a log or backup that cannot be read ends with status 1.
#include "app/Process.h"

namespace tivra {
namespace {

using namespace test;
using std::string;

const string kHeader =
    "Tid\tH\xC3\xA4ndelse\tObjekt\tVecka\tDag\tTid\tSignatur\tKommentar\tAnv\xC3\xA4ndare\tDator\n";

// A log line: time, event, signature, user, host, the nine fields before and after.
string logLine(const string& tid, const string& event, const Row& before, const Row& after) {
    auto nine = [](const Row& r) {
        return r.signatur + "\t" + r.kommentar + "\t" + r.langd + "\t" + r.dag + "\t" + r.starttid + "\t" +
               r.objekt + "\t" + r.larare + "\t" + r.vecka + "\t" + r.notering + "\t";
    };
    return tid + "\t" + event + "\t" + (after.objekt.empty() ? before.signatur : after.signatur) +
           "\tanna\tdator-3\t" + nine(before) + nine(after) + ".\r\n";
}

TEST(HistoryCommand, PrintsTheLoggedChangesItsOptionsChooseOnePerLine) {
    TempDir dir;
    const Row none{"", "", "", "", "", "", "", "", ""};
    const Row a = booking("AB", 1, 2, 9, 10);
    Row moved = a;
    moved.vecka = "12-14";
    const Row c = booking("CD", 2, 3, 10, 20);
    school(dir, {moved});
    writeBytes(dir.file("liten.logg"), "TIVRA-LOGG 1\r\n" + logLine("2026-03-01 08:00:00", "Bokat", none, a) +
                                           logLine("2026-03-02 09:00:00", "Flera veckor", a, moved) +
                                           logLine("2026-03-03 10:00:00", "Bokat", none, c) +
                                           logLine("2026-03-04 11:00:00", "Avbokat", c, none) +
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

    // A booking the command line makes is logged as the window's are.
    EXPECT_EQ(run("book", dir, optionsFor(booking("EF", 3, 1, 8, 30))).said(), "0: ");
    Outcome after = run("history", dir, {"--person", "EF"});
    EXPECT_NE(after.out.find("\tBokat\tR3\t30\tM\xC3\x85N\t08.00\xE2\x80\x93"
                             "08.30\tEF\tKEF\t"),
              string::npos)
        << after.out;

    // A log that cannot be written stops no booking: standard error says why.
    std::filesystem::rename(dir.file("liten.logg"), dir.file("kept.logg"));
    std::filesystem::create_directory(dir.file("liten.logg"));
    EXPECT_EQ(
        run("book", dir, optionsFor(booking("GH", 4, 1, 8, 30))).said(),
        "0: \xC3\x84ndringsloggen kunde inte skrivas: Det finns en mapp d\xC3\xA4r en fil skulle vara.\n");
    std::filesystem::remove(dir.file("liten.logg"));

    // A log of a later version is not guessed at.
    writeBytes(dir.file("liten.logg"), "TIVRA-LOGG 2\r\n");
    EXPECT_EQ(run("history", dir).said(), "1: Historik: liten.logg"
                                          ": \xC3\x84ndringsloggen \xC3\xA4r av en ok\xC3\xA4nd version "
                                          "(TIVRA-LOGG 2). Den kan l\xC3\xA4sas "
                                          "av en nyare version av programmet.\n");
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
    const int day = 8;
    writeBytes(dir.file("liten.bk" + std::to_string(day)), bookingFile({a, b}));
    Outcome compared = run("history", dir, {"--backup", std::to_string(day)}, seventh);
    EXPECT_EQ(compared.said(), "0: ");
    EXPECT_EQ(compared.out, kHeader + "\tBorttagen\tR1\t10\tTIS\t09.00\xE2\x80\x93"
                                      "09.30\tAB\tKAB\t\t\n"
                                      "\tTillagd\tR3\t10\tTIS\t09.00\xE2\x80\x93"
                                      "09.30\tCD\tKCD\t\t\n");
    const int missing = 9;
    EXPECT_EQ(run("history", dir, {"--backup", std::to_string(missing)}, seventh).said(),
              "1: Historik: S\xC3\xA4kerhetskopian liten.bk" + std::to_string(missing) + " finns inte.\n");
}

} // namespace
} // namespace tivra
