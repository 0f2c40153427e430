// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/settingsfile.h"

#include "platform/filehandle.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

struct IntegerCase {
    const char* name;
    const char* text;
    int32_t value;
};

class SettingsIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(SettingsIntegerTest, ReadsDecimalAndHexadecimal)
{
    testing::TempDir dir;
    const TSettingsFile settings(dir.Write("k.INI", std::string("[SETTINGS]\r\nKey=") + GetParam().text + "\r\n"));
    EXPECT_EQ(settings.ReadInteger("Key", -99), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, SettingsIntegerTest,
                         ::testing::Values(IntegerCase{"decimal", "512", 512}, IntegerCase{"negative", "-1", -1},
                                           IntegerCase{"hexadecimal", "0x200", 512},
                                           IntegerCase{"hexadecimal_capital", "0X1F", 31},
                                           IntegerCase{"just_0x", "0x", -99}, IntegerCase{"word", "yes", -99},
                                           IntegerCase{"trailing_text", "12px", -99},
                                           IntegerCase{"hexadecimal_with_unit", "0x200px", -99},
                                           IntegerCase{"bad_hex", "0xZZ", -99}, IntegerCase{"empty", "", -99}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsFile, BooleansAreIntegers)
{
    testing::TempDir dir;
    const TSettingsFile settings(
        dir.Write("k.INI", "[SETTINGS]\r\nUseLastWindowPosition=yes\r\nLoadDefaultLogFile=yes\r\nA=2\r\nB=0\r\n"));
    EXPECT_FALSE(settings.ReadBool("UseLastWindowPosition", false)) << "no number reads as the default";
    EXPECT_TRUE(settings.ReadBool("LoadDefaultLogFile", true));
    EXPECT_TRUE(settings.ReadBool("A", false)) << "any non-zero number is true";
    EXPECT_FALSE(settings.ReadBool("B", true));
    EXPECT_TRUE(settings.ReadBool("Missing", true));
}

TEST(SettingsFile, WritesTypedValues)
{
    testing::TempDir dir;
    TSettingsFile settings(dir.File("k.INI"));
    settings.WriteInteger("Width", -5);
    settings.WriteBool("ShowValueLabels", true);
    settings.WriteText("InitialDirectory", "/home/u/");
    settings.WriteText("DefaultLogFile", "/home/u/two\nlines.log");
    EXPECT_FALSE(platform::FileExists(dir.File("k.INI"))) << "nothing is written before Save";
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(testing::ReadFile(dir.File("k.INI")),
              "[SETTINGS]\r\nWidth=-5\r\nShowValueLabels=1\r\nInitialDirectory=/home/u/\r\n")
        << "a value with a line break would break the file";
    EXPECT_EQ(TSettingsFile(dir.File("k.INI")).ReadText("initialdirectory", ""), "/home/u/");
}

}  // namespace
}  // namespace kellvar
