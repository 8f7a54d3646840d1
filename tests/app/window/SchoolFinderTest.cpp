// Where the window finds its school: each source before the next, the user's remembered
// choice as written to tivra.conf, TIVRA_DIR and the computer's file on XDG_CONFIG_DIRS.
#include "app/SchoolFinder.h"
#include "gui/Convert.h"
#include "support/Fakes.h"

#include <QDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

namespace tivra {
namespace {

using namespace test;

QString qs(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

// An environment variable set for one test, as it was afterwards.
struct EnvVar {
    EnvVar(const char* variable, const QString& value) : name(variable), old(qgetenv(variable)) {
        qputenv(variable, value.toUtf8());
    }
    ~EnvVar() { old.isNull() ? qunsetenv(name) : qputenv(name, old); }
    const char* name;
    QByteArray old; // null when it was not set
};

// A folder of folders, each one a school (a Tivra.ini in it) and some tivra.conf files.
struct Places {
    Places() {
        for (const char* name : {"named", "env", "mine", "computer", "other", "here", "config", "xdg1/tivra",
                                 "xdg2/tivra", "xdg3/tivra"}) {
            std::filesystem::create_directories(dir.path() / name);
        }
        for (const char* name : {"named", "env", "computer", "other", "here", "config"}) {
            writeBytes(dir.file(std::string(name) + "/Tivra.ini"), "BOKNINGSFIL: a.bok\r\n");
        }
        // The first file on the path sets nothing: the next one that does wins.
        writeBytes(dir.file("xdg1/tivra/tivra.conf"), "# nothing set here\n");
        writeBytes(dir.file("xdg2/tivra/tivra.conf"), "skolmapp=" + dir.file("computer") + "\n");
        writeBytes(dir.file("xdg3/tivra/tivra.conf"), "skolmapp=" + dir.file("other") + "\n");
        // The remembered folder holds no Tivra.ini (a share not mounted): it wins all the same.
        writeBytes(dir.file("config/tivra.conf"), "  skolmapp = " + dir.file("mine") + "  \n");
    }
    SchoolPlaces all() const {
        return {qs(dir.path() / "named"),
                qs(dir.path() / "env"),
                qs(dir.path() / "config"),
                {qs(dir.path() / "xdg1/tivra"), qs(dir.path() / "xdg2/tivra"), qs(dir.path() / "xdg3/tivra")},
                qs(dir.path() / "here"),
                {},
                {}};
    }
    TempDir dir;
};

TEST(SchoolFinder, EachSourceWinsOverTheNextAndANamedFolderIsTakenFromTheCurrentOne) {
    Places places;
    SchoolPlaces p = places.all();
    const std::string root = places.dir.path().string();
    struct Case {
        std::function<void(SchoolPlaces&)> without; // removes the source that won before
        SchoolSource source;
        std::string folder;
        std::string about;
    };
    const std::vector<Case> cases{
        {[](SchoolPlaces&) {}, SchoolSource::Named, root + "/named",
         "angiven vid start (--dir, mapp eller bokningsfil)"},
        {[](SchoolPlaces& s) { s.named.clear(); }, SchoolSource::Environment, root + "/env",
         "milj\xF6variabeln TIVRA_DIR"},
        {[](SchoolPlaces& s) { s.environment.clear(); }, SchoolSource::Remembered, root + "/mine",
         "ditt val i " + root + "/config/tivra.conf"},
        {[&](SchoolPlaces&) { std::filesystem::remove(places.dir.path() / "config/tivra.conf"); },
         SchoolSource::SystemWide, root + "/computer",
         "datorns inst\xE4llning i " + root + "/xdg2/tivra/tivra.conf"},
        {[](SchoolPlaces& s) { s.systemConfigs.clear(); }, SchoolSource::CurrentFolder, root + "/here",
         "aktuell mapp"},
        {[&](SchoolPlaces&) { std::filesystem::remove(places.dir.path() / "here/Tivra.ini"); },
         SchoolSource::ConfigFolder, root + "/config", "din konfigurationsmapp"},
        {[&](SchoolPlaces&) { std::filesystem::remove(places.dir.path() / "config/Tivra.ini"); },
         SchoolSource::None, "", "ingen skola hittades"},
    };
    for (const Case& c : cases) {
        c.without(p);
        FoundSchool found = findSchool(p);
        EXPECT_EQ(found.source, c.source) << c.folder;
        EXPECT_EQ(found.folder.toStdString(), c.folder);
        EXPECT_EQ(fromQString(foundBy(found)).value_or("?"), c.about);
    }

    // A relative name is the current folder's.
    SchoolPlaces relative{QStringLiteral("../named"), {}, {}, {}, qs(places.dir.path() / "here"), {}, {}};
    EXPECT_EQ(findSchool(relative).folder.toStdString(), root + "/named");
}

TEST(SchoolFinder, TheChosenFolderIsWrittenReadBackWithAaoAndTheLastFourSchoolsAreKept) {
    TempDir dir;
    const QString config = qs(dir.path() / "config");
    std::filesystem::create_directories(dir.path() / "config");
    writeBytes(dir.file("config/tivra.conf"), "# Skolans val\nsenaste=/srv/gammal\nannat=kvar\n");
    const QString school = QString::fromUtf8("/srv/Skolor/Åsa Ängs Öskola");
    ASSERT_TRUE(rememberChosen(config, school));
    EXPECT_EQ(readBytes(dir.file("config/tivra.conf")),
              "# Skolans val\n"
              "senaste=/srv/Skolor/\xC3\x85sa \xC3\x84ngs \xC3\x96skola\n"
              "senaste=/srv/gammal\n"
              "annat=kvar\n"
              "skolmapp=/srv/Skolor/\xC3\x85sa \xC3\x84ngs \xC3\x96skola\n");
    FoundSchool found = findSchool({{}, {}, config, {}, qs(dir.path()), {}, {}});
    EXPECT_EQ(found.source, SchoolSource::Remembered);
    EXPECT_EQ(found.folder, school);

    for (const char* used : {"/a", "/b", "/c", "/b", "/d", "/e"}) {
        rememberUsed(config, QString::fromLatin1(used));
    }
    EXPECT_EQ(recentSchools(config).join(QLatin1Char('|')).toStdString(), "/e|/d|/b|/c");
    EXPECT_EQ(findSchool({{}, {}, config, {}, qs(dir.path()), {}, {}}).folder, school);
}

TEST(SchoolFinder, TivraDirAndTheComputersFileOnXdgConfigDirsAreReadFromTheEnvironment) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "home");
    std::filesystem::create_directories(dir.path() / "etc/tivra");
    writeBytes(dir.file("etc/tivra/tivra.conf"), "skolmapp=/srv/skolan\n");
    EnvVar home("XDG_CONFIG_HOME", qs(dir.path() / "home"));
    EnvVar dirs("XDG_CONFIG_DIRS", qs(dir.path() / "nothing") + QStringLiteral(":") + qs(dir.path() / "etc"));
    {
        EnvVar tivraDir("TIVRA_DIR", QStringLiteral("/srv/annan"));
        FoundSchool found = findSchool(placesOfThisUser());
        EXPECT_EQ(found.source, SchoolSource::Environment);
        EXPECT_EQ(found.folder.toStdString(), "/srv/annan");
    }
    EnvVar unset("TIVRA_DIR", {});
    FoundSchool found = findSchool(placesOfThisUser());
    EXPECT_EQ(found.source, SchoolSource::SystemWide);
    EXPECT_EQ(found.folder.toStdString(), "/srv/skolan");
    EXPECT_EQ(found.confFile.toStdString(), dir.file("etc/tivra/tivra.conf"));
    // The user's own choice goes before the computer's.
    ASSERT_TRUE(rememberChosen(placesOfThisUser().userConfig, QStringLiteral("/srv/min")));
    EXPECT_EQ(readBytes(dir.file("home/tivra/tivra.conf")), "skolmapp=/srv/min\nsenaste=/srv/min\n");
    EXPECT_EQ(findSchool(placesOfThisUser()).folder.toStdString(), "/srv/min");
}

} // namespace
} // namespace tivra
