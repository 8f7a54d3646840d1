#include "core/Path.h"

#include <gtest/gtest.h>

namespace tivra {
namespace {

TEST(Path, UtantillaggCutsOnlyInTheFileNameAndFilnamnTakesEitherSeparator) {
    EXPECT_EQ(utantillagg("D:\\data\\schema.ini"), "D:\\data\\schema");
    EXPECT_EQ(utantillagg("D:\\a.b\\nya"), "D:\\a.b\\nya");
    EXPECT_EQ(utantillagg("schema.2024.ini"), "schema");
    EXPECT_EQ(utantillagg("/srv/a.b/nya.bok"), "/srv/a.b/nya");
    EXPECT_EQ(utantillagg("D:\\a.b/c.d\\e"), "D:\\a.b/c.d\\e");
    EXPECT_EQ(utantillagg("D:/a.b\\c.d"), "D:/a.b\\c");
    EXPECT_EQ(utantillagg(".bok"), "");
    EXPECT_EQ(filnamn("\\\\server\\bok\\Bokningar.bok"), "Bokningar.bok");
    EXPECT_EQ(filnamn("/srv/bok\\x.bok"), "x.bok");
    EXPECT_EQ(filnamn("x.bok"), "x.bok");
    EXPECT_EQ(filnamn("D:\\Backup\\"), "");
    EXPECT_TRUE(slutarMedAvskiljare("D:\\Backup\\"));
    EXPECT_TRUE(slutarMedAvskiljare("/backup/"));
    EXPECT_FALSE(slutarMedAvskiljare("D:\\Backup"));
    EXPECT_FALSE(slutarMedAvskiljare(""));
}

} // namespace
} // namespace tivra
