// The window as the program starts it on a school: on a folder or a booking file the
// command line named, at a first start through the question's own buttons, on a demo
// school, and over again on another school from Arkiv.
#include "app/WindowSession.h"
#include "app/SchoolFinder.h"
#include "support/InFolder.h"
#include "ui/StartedWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>

#include <deque>

namespace tivra {
namespace {

using namespace test;

QString qs(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

// Answers each modal dialog as it opens, in turn. One that no answer was left for is
// rejected and fails the test, so that a question nobody expected cannot hang it.
class ModalAnswers {
  public:
    ModalAnswers() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start(20);
    }
    ~ModalAnswers() { EXPECT_TRUE(answers.empty()) << answers.size() << " dialogs never opened"; }
    std::deque<std::function<void(QWidget*)>> answers;

  private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == last_) {
            return;
        }
        last_ = modal;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected dialog " << modal->windowTitle().toStdString();
            QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
            return;
        }
        std::function<void(QWidget*)> answer = answers.front();
        answers.pop_front();
        answer(modal);
    }
    QTimer timer_;
    QPointer<QWidget> last_;
};

// Chooses `folder` in the folder dialog.
std::function<void(QWidget*)> chooseIn(const QString& folder) {
    return [folder](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        // Typed into the name field, as a user can, since the dialog lists folders late.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(folder);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

// A home with nothing set, a school in "skolan" and another in "andra"; the program
// started in the home folder.
struct Home {
    Home() {
        for (const char* folder : {"skolan", "andra"}) {
            std::filesystem::create_directories(dir.path() / folder);
            for (const auto& [name, bytes] : school({booked(folder, "2", "10.00")})) {
                writeBytes(dir.file(std::string(folder) + "/" + name), bytes);
            }
        }
        writeBytes(dir.file("skolan/extra.bok"), bookingFile({booked("Extra", "3", "13.00")}));
    }
    ~Home() { session.reset(); }
    SchoolPlaces places() const {
        return {{},
                {},
                qs(dir.path() / "config/tivra"),
                {qs(dir.path() / "etc/tivra")},
                qs(dir.path()),
                QStringLiteral(TIVRA_SOURCE_DIR "/examples/demo-skola"),
                qs(dir.path() / "data/tivra/demo-skola")};
    }
    Form1* start(const WindowStart& start) {
        session = std::make_unique<WindowSession>(platform, places());
        session->start(start);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(session->window()));
        return session->window();
    }
    std::string title() const { return fromQString(session->window()->windowTitle()).value_or("?"); }
    // Whether a box shown in the week has `text` in its caption.
    bool shows(const char* text) const {
        return std::ranges::any_of(session->window()->findChildren<GridBox*>(), [text](const GridBox* box) {
            return box->isVisible() && box->caption().contains(QLatin1String(text));
        });
    }
    // Whether the window has started over in `folder` within a few seconds.
    bool waitFor(const char* folder) const {
        return QTest::qWaitFor([&] { return QDir::currentPath() == qs(dir.path() / folder); }, 5000);
    }
    void trigger(const char* action) const {
        auto* a = session->window()->findChild<QAction*>(QLatin1String(action));
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
    }

    TempDir dir;
    InFolder inHome{dir.path()};
    RealDisk disk;
    FixedClock clock{kWeek40};
    ScriptedMessages messages;
    Platform platform{disk, clock, messages};
    std::unique_ptr<WindowSession> session;
};

TEST(WindowStart, AFolderOrABookingFileNamedAtTheStartIsOpenedAndWhatCannotBeReadIsSaid) {
    Home home;
    // "tivra skolan/extra.bok": the school of the file's folder, with that file.
    home.start({QStringLiteral("skolan"), QStringLiteral("skolan/extra.bok")});
    EXPECT_EQ(home.title(), "Tivra \x96 extra.bok");
    EXPECT_TRUE(home.shows("Extra"));
    EXPECT_EQ(QDir::currentPath(), qs(home.dir.path() / "skolan"));
    EXPECT_TRUE(home.messages.log().empty());

    // "tivra andra": that folder's school with its own booking file, and the about box
    // says where it was found.
    home.start({QStringLiteral("andra"), {}});
    EXPECT_EQ(home.title(), "Tivra \x96 skolan.bok");
    EXPECT_TRUE(home.shows("andra"));
    home.trigger("help_om");
    ASSERT_FALSE(home.messages.shown.empty());
    EXPECT_NE(
        home.messages.shown.back().text.find("\r\nMapp: " + home.dir.file("andra") +
                                             "\r\nHittad: angiven vid start (--dir, mapp eller bokningsfil)"),
        std::string::npos)
        << home.messages.shown.back().text;

    home.messages.shown.clear();
    home.start({QStringLiteral("skolan"), QStringLiteral("skolan/saknas.bok")});
    ASSERT_EQ(home.messages.log().size(), 1u);
    EXPECT_TRUE(home.messages.log()[0].starts_with("\xD6ppna bokningar|Fel vid inl\xE4sning av " +
                                                   home.dir.file("skolan/saknas.bok")));

    // A folder named that is not there (a share not mounted) is said, never replaced.
    home.messages.shown.clear();
    home.start({QStringLiteral("saknas"), {}});
    EXPECT_EQ(home.messages.log().front(), "Tivra|Skolans mapp " + home.dir.file("saknas") +
                                               " finns inte.\r\nHittad: angiven vid start (--dir, mapp eller "
                                               "bokningsfil)");
}

TEST(WindowStart, TheFirstStartChoosesTheSchoolsFolderByDefaultAndRemembersIt) {
    Home home;
    {
        ModalAnswers modal;
        modal.answers.push_back([](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->defaultButton()->text(), toQString("V\xE4lj mapp..."));
            QTest::keyClick(box, Qt::Key_Return);
        });
        modal.answers.push_back(chooseIn(qs(home.dir.path() / "skolan")));
        home.start({});
    }
    EXPECT_EQ(home.title(), "Tivra \x96 skolan.bok");

    // The next start asks nothing: the choice was remembered.
    std::filesystem::current_path(home.dir.path());
    {
        ModalAnswers none;
        home.start({});
    }
    EXPECT_EQ(QDir::currentPath(), qs(home.dir.path() / "skolan"));
}

TEST(WindowStart, TheDemoSchoolIsTheSecondChoiceAndItsWindowSaysItIsADemo) {
    Home home;
    {
        ModalAnswers modal;
        modal.answers.push_back([](QWidget* w) {
            auto* demo = w->findChild<QPushButton*>(QStringLiteral("createDemo"));
            ASSERT_NE(demo, nullptr);
            EXPECT_EQ(demo->text(), toQString("Skapa fr\xE5n demoskolan"));
            QTest::mouseClick(demo, Qt::LeftButton);
        });
        home.start({});
    }
    const std::string notice = "Demoskola \x96 bokningarna h\xE4r syns bara p\xE5 den h\xE4r datorn";
    EXPECT_EQ(home.title(), "Tivra \x96 demo.bok \x96 " + notice);
    auto* status = home.session->window()->statusBar()->findChild<QLabel*>(QStringLiteral("statusDemo"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(), toQString(notice.c_str()));
    EXPECT_EQ(QDir::currentPath(), qs(home.dir.path() / "data/tivra/demo-skola"));
    EXPECT_NE(readBytes(home.dir.file("config/tivra/tivra.conf"))
                  .find("skolmapp=" + home.dir.file("data/tivra/demo-skola") + "\n"),
              std::string::npos);

    // A school's window says nothing of the kind.
    home.start({QStringLiteral("skolan"), {}});
    EXPECT_EQ(home.title(), "Tivra \x96 skolan.bok");
    EXPECT_EQ(home.session->window()->findChild<QLabel*>(QStringLiteral("statusDemo")), nullptr);
}

TEST(WindowStart, BytSkolaStartsTheWindowOverOnTheChosenSchoolAndArkivListsTheRecentOnes) {
    Home home;
    home.start({QStringLiteral("andra"), {}});
    {
        ModalAnswers modal;
        modal.answers.push_back(chooseIn(qs(home.dir.path() / "skolan")));
        home.trigger("Arkiv_bytskola");
    }
    ASSERT_TRUE(home.waitFor("skolan"));
    EXPECT_TRUE(home.shows("skolan"));
    EXPECT_EQ(findSchool(home.places()).folder, qs(home.dir.path() / "skolan"));

    auto* second = home.session->window()->findChild<QAction*>(QStringLiteral("recentSchool2"));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->text(), QStringLiteral("&2 ") + qs(home.dir.path() / "andra"));
    second->trigger();
    ASSERT_TRUE(home.waitFor("andra"));
    EXPECT_TRUE(home.shows("andra"));
}

} // namespace
} // namespace tivra
