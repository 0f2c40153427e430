// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/windowsettings.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace kellvar {
namespace {

using testing::ReadFile;
using testing::TempDir;

TWindowSettings Read(const std::string& ini)
{
    TempDir dir;
    TWindowSettings settings;
    settings.Bounds = {10, 20, 1106, 600};
    ReadWindowSettings(TSettingsFile(dir.Write("k.INI", ini)), settings);
    return settings;
}

TEST(WindowSettings, NoFileGivesTheLayoutsValues)
{
    TWindowSettings settings;
    settings.Bounds = {10, 20, 1106, 600};
    ReadWindowSettings(TSettingsFile("/nonexistent/k.INI"), settings);
    EXPECT_FALSE(settings.UseLastWindowPosition);
    EXPECT_EQ(settings.Bounds, (TWindowBounds{10, 20, 1106, 600}));
    EXPECT_TRUE(settings.LoadDefaultLogFile);
    EXPECT_EQ(settings.DefaultLogFile, "");
    EXPECT_FALSE(settings.UseLastSettings);
    EXPECT_FALSE(settings.ShowValueLabels);
    EXPECT_FALSE(settings.StoreAllTimeLog);
    EXPECT_EQ(settings.FilterIndex, 1);
    EXPECT_EQ(settings.DefaultTabPage, -1);
}

TEST(WindowSettings, GatesDecideWhatIsRead)
{
    const TWindowSettings off = Read("[SETTINGS]\r\nUseLastSettings=0\r\nShowValueLabels=1\r\nWidth=512\r\n"
                                     "LoadDefaultLogFile=0\r\nDefaultLogFile=/x.log\r\n");
    EXPECT_FALSE(off.ShowValueLabels);
    EXPECT_EQ(off.Bounds.Width, 1106);
    EXPECT_EQ(off.DefaultLogFile, "");
    const TWindowSettings on = Read("[SETTINGS]\r\nUseLastSettings=1\r\nShowValueLabels=1\r\nStoreAllTimeLog=1\r\n"
                                    "UseLastDirectory=1\r\nInitialDirectory=/logs/\r\nFilterIndex=3\r\n"
                                    "UseLastWindowPosition=1\r\nWidth=0x200\r\nTop=-4\r\nDefaultLogFile=/x.log\r\n");
    EXPECT_TRUE(on.ShowValueLabels);
    EXPECT_TRUE(on.StoreAllTimeLog);
    EXPECT_EQ(on.InitialDirectory, "/logs/");
    EXPECT_EQ(on.FilterIndex, 3);
    EXPECT_EQ(on.Bounds, (TWindowBounds{10, -4, 512, 600}));
    EXPECT_EQ(on.DefaultLogFile, "/x.log");
    const TWindowSettings noDirectory =
        Read("[SETTINGS]\r\nUseLastSettings=1\r\nUseLastDirectory=0\r\nInitialDirectory=/logs/\r\n");
    EXPECT_FALSE(noDirectory.UseLastDirectory);
    EXPECT_EQ(noDirectory.InitialDirectory, "") << "the directory's own gate is closed";
    // The window's "Save directory" box is ticked, but the file keeps no settings.
    TempDir dir;
    TWindowSettings shown;
    shown.UseLastDirectory = true;
    ReadWindowSettings(
        TSettingsFile(dir.Write("k.INI", "[SETTINGS]\r\nUseLastSettings=0\r\nInitialDirectory=/logs/\r\n")), shown);
    EXPECT_EQ(shown.InitialDirectory, "") << "the options' gate is closed";
}

TEST(WindowSettings, UnreadableAndOutOfRangeValues)
{
    EXPECT_FALSE(Read("[SETTINGS]\r\nUseLastWindowPosition=yes\r\nWidth=512\r\n").UseLastWindowPosition);
    EXPECT_TRUE(Read("[SETTINGS]\r\nLoadDefaultLogFile=yes\r\n").LoadDefaultLogFile);
    EXPECT_EQ(Read("[SETTINGS]\r\nUseLastSettings=1\r\nFilterIndex=5\r\n").FilterIndex, 1);
    EXPECT_EQ(Read("[SETTINGS]\r\nUseLastSettings=1\r\nFilterIndex=0\r\n").FilterIndex, 1);
    EXPECT_EQ(Read("[SETTINGS]\r\nUseLastSettings=1\r\nFilterIndex=4\r\n").FilterIndex, 4) << "the last filter";
    EXPECT_EQ(Read("[SETTINGS]\r\nUseLastSettings=1\r\nFilterIndex=2\r\n").FilterIndex, 2);
    EXPECT_EQ(Read("[SETTINGS]\r\nUseLastSettings=0\r\nFilterIndex=2\r\n").FilterIndex, 1) << "gated";
    for (const auto& [text, page] : std::vector<std::pair<std::string, int>>{
             {"0", 0}, {"1", 1}, {"7", 7}, {"8", -1}, {"-5", -1}, {"-2", -1}, {"-1", -1}, {"x", -1}, {"0x7", 7}})
        EXPECT_EQ(Read("[SETTINGS]\r\nDefaultTabPage=" + text + "\r\n").DefaultTabPage, page) << text;
}

TEST(WindowSettings, BillingPeriodsAndReportFolderAreWrittenOnceTheyDifferFromTheDefaults)
{
    for (const auto& [text, day] : std::vector<std::pair<std::string, int>>{
             {"1", 1}, {"15", 15}, {"31", 31}, {"0", 1}, {"32", 1}, {"-3", 1}, {"x", 1}})
        EXPECT_EQ(Read("[SETTINGS]\r\nBillingMonthStart=" + text + "\r\n").Periods.MonthStart, day) << text;
    EXPECT_TRUE(Read("[SETTINGS]\r\nWeekStartsOnSunday=1\r\n").Periods.WeekStartsOnSunday);

    TempDir dir;
    const std::string ini = dir.File("k.INI");
    WriteWindowSettings(TSettingsFile(ini), TWindowSettings{}, true);
    EXPECT_EQ(ReadFile(ini).find("BillingMonthStart"), std::string::npos);
    EXPECT_EQ(ReadFile(ini).find("WeekStartsOnSunday"), std::string::npos);
    EXPECT_EQ(ReadFile(ini).find("HtmlReportFolder"), std::string::npos);
    TWindowSettings chosen;
    chosen.Periods.MonthStart = 15;
    chosen.Periods.WeekStartsOnSunday = true;
    chosen.HtmlReportFolder = "/srv/report";
    WriteWindowSettings(TSettingsFile(ini), chosen, true);
    EXPECT_NE(
        ReadFile(ini).find("\r\nBillingMonthStart=15\r\nWeekStartsOnSunday=1\r\nHtmlReportFolder=/srv/report\r\n"),
        std::string::npos)
        << ReadFile(ini);
    // Set back to the defaults, a file that has the keys keeps them.
    WriteWindowSettings(TSettingsFile(ini), TWindowSettings{}, true);
    EXPECT_NE(ReadFile(ini).find("\r\nBillingMonthStart=1\r\nWeekStartsOnSunday=0\r\nHtmlReportFolder=\r\n"),
              std::string::npos)
        << ReadFile(ini);
}

TEST(WindowSettings, QuietRunWritesTheTenOtherKeys)
{
    TempDir dir;
    TWindowSettings settings;
    settings.Bounds = {1, 2, 3, 4};
    WriteWindowSettings(TSettingsFile(dir.File("k.INI")), settings, true);
    EXPECT_EQ(ReadFile(dir.File("k.INI")),
              "[SETTINGS]\r\nShowValueLabels=0\r\nUseLastSettings=0\r\nUseLastWindowPosition=0\r\n"
              "StoreAllTimeLog=0\r\nFilterIndex=1\r\nUseLastDirectory=0\r\nInitialDirectory=\r\n"
              "LoadDefaultLogFile=1\r\nDefaultLogFile=\r\nDefaultTabPage=-1\r\n");
    WriteWindowSettings(TSettingsFile(dir.File("k.INI")), settings, false);
    EXPECT_EQ(ReadFile(dir.File("k.INI")).rfind("[SETTINGS]\r\nShowValueLabels=0\r\n", 0), 0u) << "kept in place";
    EXPECT_NE(ReadFile(dir.File("k.INI")).find("\r\nWidth=3\r\nHeight=4\r\nTop=2\r\nLeft=1\r\n"), std::string::npos);
}

TEST(WindowSettings, TariffFilesAreNumberedKeysAndAShorterListEndsInAnEmptyOne)
{
    TempDir dir;
    const std::string ini = dir.File("k.INI");
    TWindowSettings settings;
    settings.TariffFiles = {"/a.tariff", "/b.tariff"};
    WriteWindowSettings(TSettingsFile(ini), settings, true);
    EXPECT_NE(ReadFile(ini).find("DefaultTabPage=-1\r\nTariff1=/a.tariff\r\nTariff2=/b.tariff\r\n"), std::string::npos)
        << "after the window's keys";
    settings.TariffFiles = {"/b.tariff"};
    WriteWindowSettings(TSettingsFile(ini), settings, true);
    TWindowSettings read;
    ReadWindowSettings(TSettingsFile(ini), read);
    EXPECT_EQ(read.TariffFiles, std::vector<std::string>{"/b.tariff"});
    settings.TariffFiles = {};
    WriteWindowSettings(TSettingsFile(ini), settings, true);
    ReadWindowSettings(TSettingsFile(ini), read);
    EXPECT_TRUE(read.TariffFiles.empty());
}

TEST(WindowSettings, ReadOnlyFileIsLeftAlone)
{
    TempDir dir;
    const std::string ini = dir.Write("k.INI", "[SETTINGS]\r\nWidth=5\r\n");
    ::chmod(ini.c_str(), 0444);
    WriteWindowSettings(TSettingsFile(ini), TWindowSettings{}, false);
    EXPECT_EQ(ReadFile(ini), "[SETTINGS]\r\nWidth=5\r\n");
}

TEST(WindowSettings, WhereTheWindowSystemPlacesWindowsTheStoredPlaceStays)
{
    TempDir dir;
    const TSettingsFile file(dir.Write("k.INI", "[SETTINGS]\r\nLeft=100\r\nTop=50\r\nWidth=700\r\n"));
    TWindowSettings s;
    s.Bounds = {-3, -30, 800, 600};
    KeepStoredPlace(file, s);
    EXPECT_EQ(s.Bounds, (TWindowBounds{100, 50, 800, 600}));
    TWindowSettings none;
    none.Bounds = {-3, -30, 800, 600};
    KeepStoredPlace(TSettingsFile(dir.File("missing.INI")), none);
    EXPECT_EQ(none.Bounds, (TWindowBounds{-3, -30, 800, 600})) << "nothing stored, nothing to keep";
}

}  // namespace
}  // namespace kellvar
