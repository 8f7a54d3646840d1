#include "BokaFixture.h"
#include "booking/FileBookingLock.h"
#include "booking/FreeRooms.h"
#include "core/BookingSave.h"

#include <numeric>

namespace tivra::test {
namespace {

TEST_F(BokaTest, EveryFieldRefusalHasItsMessageAndTouchesNothing) {
    const std::string badTime = "Skriv tiden i formen 9.00.";
    const std::string badLength = "Ange bokningstidens l\xE4ngd i minuter.";
    const std::string control =
        "Signatur och kommentar f\xE5r inte inneh\xE5lla radbrytningar eller andra styrtecken.";
    constexpr ViewKind S = ViewKind::Salar, A = ViewKind::Annat;
    program.selection.valdvecka = 21; // after DATORSAL's period
    const std::pair<BookingFields, std::string> cases[] = {
        {{"SAL 3", S, 2, "10.00", "60", "", "abc"}, "V\xE4lj sal."},
        {{"SAL 1", A, 2, "10.00", "60", "", "abc"}, "V\xE4lj bokningsobjekt."},
        {{"SAL 1", ViewKind::Personal, 2, "10.00", "60", "", "abc"}, "V\xE4lj sal eller annat objekt."},
        {{"datorsal", A, 2, "10.00", "60", "", "abc"}, "DATORSAL kan bara bokas veckorna 12-20."},
        {{"SAL 1", S, 2, "  ", "60", "", "abc"}, "Ange starttid f\xF6r bokningen."},
        {{"SAL 1", S, 2, "9.0", "60", "", "abc"}, badTime},
        {{"SAL 1", S, 2, "24.30", "60", "", "abc"}, badTime},
        {{"SAL 1", S, 2, "10.56", "60", "", "abc"}, badTime},
        {{"SAL 1", S, 2, "10.00", "4", "", "abc"}, badLength},
        {{"SAL 1", S, 2, "10.00", "1441", "", "abc"}, badLength},
        {{"SAL 1", S, 2, "10.00", "60", "", "   "}, "Skriv din signatur."},
        {{"SAL 1", S, 0, "10.00", "60", "", "abc"}, "V\xE4lj dag."},
        {{"SAL 1", S, 2, "10.00", "60", "a\nb", "abc"}, control},
        {{"SAL 1", S, 2, "10.00", "60", "", "A\tB"}, control},
    };
    const std::string before = file();
    for (const auto& [f, message] : cases) {
        EXPECT_EQ(said(book(f)), "Refused: Boka|" + message);
    }
    // DEL and the bytes the code page leaves without a letter are control characters too.
    for (char c : std::string_view("\x7F\x81\x8D\x8F\x90\x9D")) {
        EXPECT_EQ(said(book({"SAL 1", S, 2, "10.00", "60", std::string("Prov") + c, "abc"})),
                  "Refused: Boka|" + control)
            << static_cast<int>(static_cast<unsigned char>(c));
    }
    EXPECT_EQ(file(), before);
    EXPECT_EQ(lock.taken, 0) << "a field refused before the reload takes no lock";
}

TEST_F(BokaTest, TheStartIsRoundedToTheSlotAndTheFieldsAreStoredTrimmed) {
    // Typed start and length; the start and length stored.
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"9.00", "45 min", "09.00", "45"},  {"24.00", "5", "24.00", "5"},
        {"10.07", "1440", "10.05", "1440"}, {"10.08", "45.5", "10.10", "45.5"},
        {" 7.55 ", "30", "07.55", "30"},
    };
    program.selection.valdvecka = 57;
    std::vector<Row> stored;
    for (const auto& [start, langd, starttid, storedLength] : cases) {
        const int day = static_cast<int>(stored.size()) + 1;
        ASSERT_EQ(book({"sal 1", ViewKind::Salar, day, start, langd, " Prov i Fysik ", " abc "}),
                  ChangeResult::Saved)
            << start;
        stored.push_back(
            {"ABC", "Prov i Fysik", storedLength, std::to_string(day), starttid, "SAL 1", "", "57"});
    }
    EXPECT_TRUE(messages.shown.empty()) << messages.log().front();
    EXPECT_EQ(file(), bookingFile(stored));
}

TEST_F(BokaTest, BookingsInTheWayRefuseButTouchingEndsDoNot) {
    use({booked("X", "SAL 1", "2", "11.00", "30", "10"), booked("Z", "SAL 2", "2", "13.00", "60", "8-12")});
    const std::string refused = "Refused: " + kRefusedTaken;
    EXPECT_EQ(said(book(fields("10.00", "60"))), "Saved") << "ends where the other begins";
    EXPECT_EQ(said(book(fields("11.30", "30"))), "Saved") << "begins where the other ends";
    EXPECT_EQ(said(book(fields("13.30", "5", "SAL 2"))), refused) << "weeks 8-12 hold week 10";
    EXPECT_EQ(program.bokningar.antalrader, 4);
}

TEST_F(BokaTest, LessonsAskOncePerLessonButABookingRefusesWithoutAsking) {
    addLesson("SAL 1 SAL 2", "10.00", "40");
    addLesson("SAL 1", "10.30", "60", "2-4 15");
    addLesson("SAL 2 SAL 1", "10.20", "30");
    const std::string question = std::string(": Boka|") + kLessonQuestion;

    // Enter on the question takes its default, No: the lesson keeps its room.
    EXPECT_EQ(said(book(fields("10.00", "30"))), "Declined" + question);
    messages.answers = {true, true};
    EXPECT_EQ(said(book(fields("10.00", "60"))), "Saved" + question + question)
        << "a lesson outside week 10 asks nothing";

    // Lessons lie there too, but the booking refuses first: no question that a Yes to
    // would only end in a refusal.
    messages.answers = {true};
    EXPECT_EQ(said(book(fields("10.15", "5"))), "Refused: " + kRefusedTaken);
    EXPECT_EQ(program.bokningar.antalrader, 4);
}

// Another copy books the time while the question is open: the Yes starts over and refuses.
TEST_F(BokaTest, ABookingMadeWhileTheQuestionWasOpenRefusesAfterTheYes) {
    addLesson("SAL 1", "10.00", "40");
    const std::string theirs = bookingFile({booked("ANNAN", "SAL 1", "2", "10.30", "15", "10")});
    disk.onRead = [&,
                   reads = 0](const std::string& path) mutable -> std::optional<std::optional<std::string>> {
        if (path == program.bookingFile.aktuellfil && ++reads == 2) {
            writeBytes(path, theirs);
        }
        return std::nullopt;
    };
    messages.answers = {true};
    EXPECT_EQ(said(book(fields("10.00", "60"))),
              std::string("Refused: Boka|") + kLessonQuestion + ": " + kRefusedTaken);
    EXPECT_EQ(file(), theirs);
}

// With no booking file open the change asks its caller for one; a change that no file
// takes is not kept.
TEST_F(BokaTest, WithNoFileOpenABookingNoFileTakesIsNotKept) {
    program.bookingFile.aktuellfil.clear();
    EXPECT_EQ(said(book(fields())), "Refused: " + kBokaNotSaved);
    EXPECT_EQ(program.bokningar.antalrader, 0);

    env.saveAs = [&](Program& p) {
        p.bookingFile.aktuellfil = dir.file("Ny.bok");
        return sparabokningar(p.bokningar, p.bookingFile, platform);
    };
    EXPECT_EQ(book(fields()), ChangeResult::Saved);
    EXPECT_EQ(readBytes(dir.file("Ny.bok")), bookingFile({tuesday}));
}

// Held by another copy, the holder is named; a folder in the lock file's place is named too,
// for no copy of the program holds one.
TEST_F(BokaTest, ALockNotTakenRefusesSayingWhyAndATakenOneIsGivenBackBeforeAFatalEnd) {
    lock.recorded = {"anna", "DATOR7"};
    const std::pair<LockResult, std::string> refusals[] = {
        {LockResult::HeldByOther,
         "Boka|Bokningsfilen anv\xE4nds av anna p\xE5 DATOR7. F\xF6rs\xF6k igen om en stund."},
        {LockResult::NotAFile, "Boka|L\xE5sfilen " + program.bookingFile.aktuellfil +
                                   ".lock \xE4r ingen fil. Meddela administrat\xF6ren."},
        {LockResult::Failed, kBokaNotSaved},
    };
    for (const auto& [answer, message] : refusals) {
        lock.answer = answer;
        EXPECT_EQ(said(book(fields())), "Refused: " + message);
    }
    EXPECT_EQ(lock.calls, Lines(3, program.bookingFile.aktuellfil + ".lock|10000")) << "waited for 10 s";
    EXPECT_TRUE(disk.writes.empty());

    // A lock taken is given back before a fatal write error ends the program.
    lock.answer = LockResult::Taken;
    disk.onWritable = [&](const std::string& path) {
        return path == program.bookingFile.aktuellfil ? std::optional<bool>(false) : std::nullopt;
    };
    EXPECT_THROW(book(fields()), ProgramEnded); // the fixture finds the lock free, also during the message
    EXPECT_EQ(messages.shown.back().kind, ScriptedMessages::Kind::Fatal);
}

// The real lock: a lock file that cannot be made says why, and a copy that reaches the
// file through a linked folder waits for the same lock as one that reaches it directly.
TEST_F(BokaTest, TheLockFileIsBesideTheFileItselfAndOneThatCannotBeMadeSaysWhy) {
    using std::chrono::milliseconds;
    FileBookingLock ours(disk, "bo");
    ChangeEnvironment real{platform, ours, milliseconds(50)};
    const std::string lockFile = program.bookingFile.aktuellfil + ".lock";
    disk.onCreate = [&](const std::string& path) {
        return path == lockFile ? std::make_optional(std::make_error_code(std::errc::read_only_file_system))
                                : std::nullopt;
    };
    EXPECT_EQ(said(boka(program, fields(), real)), "Refused: Boka|\xC4ndringarna ej sparade. L\xE5sfilen " +
                                                       lockFile +
                                                       " kan inte skapas: Filsystemet \xE4r skrivskyddat.");
    disk.onCreate = nullptr;
#ifndef _WIN32
    FileBookingLock anna(disk, "anna");
    ASSERT_EQ(anna.tryLock(lockFile, milliseconds(0)), LockResult::Taken);
    std::filesystem::create_directory_symlink(dir.path(), dir.file("genvag"));
    program.bookingFile.aktuellfil = dir.file("genvag/Bokningar.bok");
    EXPECT_TRUE(said(boka(program, fields(), real))
                    .starts_with("Refused: Boka|Bokningsfilen anv\xE4nds av anna p\xE5 "));
    anna.unlock();
    EXPECT_EQ(said(boka(program, fields(), real)), "Saved");
#endif
}

// A copy of the program that takes no lock writes the file between this change's reload
// and its replace: the change starts over on the file as that copy left it.
TEST_F(BokaTest, AWriteByACopyWithoutTheLockMakesTheChangeStartOver) {
    auto theirs = [](int n) {
        return booked("ANNAN" + std::to_string(n), "SAL 2", "1", "08.00", "60", "10");
    };
    int interruptions = 1;
    int written = 0;
    disk.onWritable = [&](const std::string& path) -> std::optional<bool> {
        if (path == program.bookingFile.aktuellfil && interruptions > 0) {
            --interruptions;
            writeBytes(path, bookingFile({theirs(++written)}));
        }
        return std::nullopt;
    };
    EXPECT_EQ(said(book(fields())), "Saved");
    EXPECT_EQ(file(), bookingFile({theirs(1), tuesday}));

    // A file that changes under every attempt: after three new starts nothing is written.
    interruptions = 100;
    EXPECT_EQ(said(book(fields("12.00"))), "Refused: " + kBokaNotSaved);
    EXPECT_EQ(lock.taken, 2 + 4);
    EXPECT_EQ(file(), bookingFile({theirs(written)}));
    EXPECT_EQ(program.bokningar.antalrader, 1) << "the table holds what the file held";
    EXPECT_TRUE(clock.pauses.empty()) << "a file written meanwhile is no failed write";
}

class FreeRoomsTest : public BokaTest {
  protected:
    static std::string joined(const std::vector<std::string>& names) {
        return std::accumulate(names.begin(), names.end(), std::string(),
                               [](const std::string& s, const std::string& name) { return s + name + ","; });
    }
    // Tuesday at the time asked about, in week 10 unless told: "free,|lessons only," or the refusal.
    std::string free(const std::string& start, const std::string& langd, ViewKind viewKind = ViewKind::Salar,
                     int week = 10) {
        BookingFields f = fields(start, langd);
        f.viewKind = viewKind;
        auto found = ledigaSalar(program, f, week);
        const FreeRooms* rooms = std::get_if<FreeRooms>(&found);
        return rooms ? joined(rooms->free) + "|" + joined(rooms->lessonsOnly) : std::get<std::string>(found);
    }
};

TEST_F(FreeRoomsTest, RoomsWithNothingInTheWayInListOrderAndThoseOnlyALessonBlocks) {
    addLesson("SAL 1 SAL 2", "09.00", "60"); // whole words: not SAL 12
    use({booked("AB", "SAL 2", "2", "08.30", "60", "8-12"),
         booked("CD", "SAL 12", "2", "10.00", "30", "10")});

    EXPECT_EQ(free("9.00", "60"), "SAL 12,|SAL 1,") << "SAL 2 is booked in a range over week 10";
    EXPECT_EQ(free("9.30", "60"), "|SAL 1,SAL 2,") << "SAL 12's booking from 10.00 is in the way";

    // Other objects only inside their booking periods; the fields are checked as "Boka" checks them.
    EXPECT_EQ(free("9.00", "60", ViewKind::Annat, 7), "KAMERA,|");
    EXPECT_EQ(free("9", "60"), "Skriv tiden i formen 9.00.");
}

} // namespace
} // namespace tivra::test
