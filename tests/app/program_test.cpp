// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar started as a user starts it: unattended runs without a display.

#include "tests/core/analysis_helpers.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

namespace kellvar {
namespace {

// A copy of the program in a directory of its own, so that its settings file
// and All-Time-Log land there.
struct TInstalledProgram {
    testing::TempDir Dir;
    std::string Program = Dir.File("kellvar");
    std::string Home = Dir.Path();

    TInstalledProgram() { std::filesystem::copy_file(KELLVAR_PROGRAM, Program); }

    // Runs it without any display; returns the exit code.
    int Run(const std::string& arguments, std::string* errors = nullptr, const std::string& wrapper = {}) const
    {
        // Nor a session bus, as for a timer of the system's own.
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS "
                                    "LC_ALL=C XDG_RUNTIME_DIR="
                                    + Home + " HOME=" + Home + " timeout 60 " + wrapper + Program + " " + arguments
                                    + " >/dev/null 2>" + Dir.File("err");
        const int status = std::system(command.c_str());
        if (errors != nullptr)
            *errors = testing::ReadFile(Dir.File("err"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

const std::string Example = KELLVAR_SOURCE_DIR "/examples/ModemLog.txt";

TEST(Program, QuietTotalRunUpdatesTheAllTimeLogWithoutADisplay)
{
    TInstalledProgram kellvar;
    kellvar.Dir.Write("kellvar.INI", "[SETTINGS]\r\nUseLastSettings=1\r\nStoreAllTimeLog=1\r\n");
    ASSERT_EQ(kellvar.Run("-quiettotal " + Example), 0);
    const std::string history = testing::ReadFile(kellvar.Dir.File("kellvar.ATL"));
    EXPECT_NE(history.find("Dialing.\r\n"), std::string::npos);
    EXPECT_EQ(history.find("ATDT"), std::string::npos);
    ASSERT_EQ(kellvar.Run("-QUIETTOTAL " + Example), 0);
    EXPECT_EQ(testing::ReadFile(kellvar.Dir.File("kellvar.ATL")), history) << "nothing new, nothing appended";
    const std::string ini = testing::ReadFile(kellvar.Dir.File("kellvar.INI"));
    EXPECT_EQ(ini.find("Width="), std::string::npos) << "quiet runs keep the stored bounds";
    EXPECT_NE(ini.find("StoreAllTimeLog=1"), std::string::npos);
}

TEST(Program, FirstQuietRunCreatesTheSettingsWithTenKeys)
{
    TInstalledProgram kellvar;
    ASSERT_EQ(kellvar.Run("-quiet " + Example), 0);
    const std::string ini = testing::ReadFile(kellvar.Dir.File("kellvar.INI"));
    EXPECT_EQ(std::count(ini.begin(), ini.end(), '='), 10);
}

TEST(Program, WindowWithoutADisplayIsAClearError)
{
    TInstalledProgram kellvar;
    std::string errors;
    EXPECT_EQ(kellvar.Run(Example, &errors), 1);
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1);
    EXPECT_EQ(errors.rfind("kellvar: no display", 0), 0u);
    // A display that is named but cannot be opened: the window says so in a
    // line; a quiet run (a cron line that kept a session's DISPLAY) does its work.
    for (const char* named : {"DISPLAY=:97", "WAYLAND_DISPLAY=kellvar-none", "QT_QPA_PLATFORM=xcb"}) {
        const std::string wrapper = std::string("env ") + named + " ";
        EXPECT_EQ(kellvar.Run(Example, &errors, wrapper), 1) << named;
        EXPECT_EQ(errors.rfind(std::string("kellvar: the display cannot be opened (") + named + ")", 0), 0u) << errors;
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
        kellvar.Dir.Write("kellvar.INI", "[SETTINGS]\r\nUseLastSettings=1\r\nStoreAllTimeLog=1\r\n");
        std::filesystem::remove(kellvar.Dir.File("kellvar.ATL"));
        EXPECT_EQ(kellvar.Run("-quiet " + Example, &errors, wrapper), 0) << named;
        EXPECT_EQ(errors, "") << named;
        EXPECT_NE(testing::ReadFile(kellvar.Dir.File("kellvar.ATL")).find("Dialing."), std::string::npos) << named;
    }
}

struct UnattendedCase {
    const char* name;
    std::string settings;
    bool bigDefaultLog;
    const char* option;
    int exitCode;
    std::string errors;
};

class UnattendedRunTest : public ::testing::TestWithParam<UnattendedCase> {};

TEST_P(UnattendedRunTest, NeverWaitsAndSaysWhatWentWrong)
{
    const UnattendedCase& c = GetParam();
    TInstalledProgram kellvar;
    if (!c.settings.empty())
        kellvar.Dir.Write("kellvar.INI", "[SETTINGS]\r\n" + c.settings);
    if (c.bigDefaultLog)
        kellvar.Dir.Write("ModemLog.txt", std::string(300'000, '\n'));
    std::string errors;
    EXPECT_EQ(kellvar.Run(c.option, &errors), c.exitCode) << "124 is the time limit: the run waited";
    std::string expected = c.errors;
    for (size_t home = expected.find("HOME/"); home != std::string::npos; home = expected.find("HOME/", home))
        expected.replace(home, 5, kellvar.Dir.Path() + "/");
    EXPECT_EQ(errors, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnattendedRunTest,
    ::testing::Values(
        UnattendedCase{"missing_default_log", "", false, "-quiet", 1,
                       "kellvar: Could not open file \"HOME/ModemLog.txt\".! (HOME/ModemLog.txt: No such file or "
                       "directory)\n"},
        UnattendedCase{"missing_default_log_said_nothing", "", false, "-quiettotal", 1, ""},
        UnattendedCase{"log_over_250_kbyte", "", true, "-quiet", 0,
                       "kellvar: The file \"HOME/ModemLog.txt\" is larger than 250KByte! Windows adds no entries "
                       "when log file size is over 255KByte. You should (e.g. for archiving) rename, move or delete "
                       "the file. Refer to the manual for more information.\n"},
        UnattendedCase{"log_over_250_kbyte_said_nothing", "", true, "-quiettotal", 0, ""},
        UnattendedCase{"automatic_loading_off", "LoadDefaultLogFile=0\r\n", true, "-quiet", 1,
                       "kellvar: Automatic loading of the log file is switched off; nothing was analysed.\n"},
        UnattendedCase{"automatic_loading_off_said_nothing", "LoadDefaultLogFile=0\r\n", true, "-quiettotal", 1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Program, HistoryThatCannotBeWrittenFailsTheQuietRun)
{
    TInstalledProgram kellvar;
    kellvar.Dir.Write("kellvar.INI", "[SETTINGS]\r\nUseLastSettings=1\r\nStoreAllTimeLog=1\r\n");
    std::filesystem::create_directory(kellvar.Dir.File("kellvar.ATL"));
    std::string errors;
    EXPECT_EQ(kellvar.Run("-quiet " + Example, &errors), 1);
    EXPECT_EQ(errors, "kellvar: The file \"" + kellvar.Dir.File("kellvar.ATL")
                          + "\" couldn't be opened for write-access. Hence the All-Time-Log will not be updated. "
                            "(All-Time-Log "
                          + kellvar.Dir.File("kellvar.ATL") + ": Is a directory)\n");
    kellvar.Dir.Write("kellvar.INI", "[SETTINGS]\r\nUseLastSettings=1\r\nStoreAllTimeLog=1\r\n");
    std::filesystem::remove(kellvar.Dir.File("kellvar.ATL"));
    std::filesystem::copy_file(Example, kellvar.Dir.File("kellvar.ATL"));
    EXPECT_EQ(kellvar.Run("-quiettotal " + kellvar.Dir.File("kellvar.ATL")), 0)
        << "analysing the All-Time-Log itself is no failure";
}

TEST(Program, DailyRunRefreshesTheHtmlReportOfTheHistory)
{
    TInstalledProgram kellvar;
    const std::string report = kellvar.Dir.File("report");
    kellvar.Dir.Write("kellvar.INI",
                      "[SETTINGS]\r\nUseLastSettings=1\r\nStoreAllTimeLog=1\r\nHtmlReportFolder=" + report + "\r\n");
    std::string errors;
    ASSERT_EQ(kellvar.Run("-quiet " + Example, &errors), 0) << errors;
    const std::string index = testing::ReadFile(report + "/index.html");
    EXPECT_NE(index.find(kellvar.Dir.File("kellvar.ATL")), std::string::npos) << "the history, not the log";
    EXPECT_TRUE(std::filesystem::is_regular_file(report + "/2000-01.html"));
    EXPECT_NE(testing::ReadFile(kellvar.Dir.File("kellvar.INI")).find("HtmlReportFolder=" + report), std::string::npos);

    // Without the history, the log itself; priced, its limits checked by billing months from the 15th.
    kellvar.Dir.Write("kellvar.INI",
                      "[SETTINGS]\r\nUseLastSettings=1\r\nStoreAllTimeLog=0\r\nHtmlReportFolder=" + report
                          + "\r\nTariff1=" KELLVAR_SOURCE_DIR "/examples/tariffs/german-units-1998.tariff\r\n"
                            "Limit1=month:time>1h\r\nBillingMonthStart=15\r\n");
    ASSERT_EQ(kellvar.Run("-quiet " + Example, &errors), 0) << errors;
    const std::string priced = testing::ReadFile(report + "/index.html");
    EXPECT_EQ(priced.find(kellvar.Dir.File("kellvar.ATL")), std::string::npos);
    EXPECT_NE(priced.find(Example), std::string::npos);
    EXPECT_NE(priced.find(" DM<"), std::string::npos);
    EXPECT_NE(priced.find("<meter"), std::string::npos);
    EXPECT_NE(priced.find("month:time&gt;1h: 0:00:00 so far"), std::string::npos) << priced;
    EXPECT_NE(priced.find("-15 to "), std::string::npos) << "billing months from the 15th";

    kellvar.Dir.Write("report/notes.txt", "mine\n");
    EXPECT_EQ(kellvar.Run("-quiet " + Example, &errors), 1);
    EXPECT_NE(errors.find(report + "/notes.txt: is not part of a Kellvar report"), std::string::npos) << errors;
    EXPECT_EQ(kellvar.Run("-quiettotal " + Example, &errors), 1);
    EXPECT_EQ(errors, "");
}

// Without a desktop to tell it, a quiet run says a limit exceeded on
// standard error, once in the limit's period; a run quiet in total does not.
// A session bus where no one shows notifications is no desktop either.
// A log of one session today, 10:00:20 to 10:10:00 (580 s online, 1,100
// bytes), and today as ISO 8601.
struct TTodaysSession {
    std::string Log;
    std::string Day;

    TTodaysSession()
    {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        ::localtime_r(&now, &local);
        std::array<char, 16> logDate{}, isoDate{};
        std::strftime(logDate.data(), logDate.size(), "%m-%d-%Y", &local);
        std::strftime(isoDate.data(), isoDate.size(), "%Y-%m-%d", &local);
        Day = isoDate.data();
        Log = testing::EnglishSession("10:00:00.00", "10:00:20.00", "10:10:00.00", 1'000, 100);
        for (size_t at = Log.find("01-05-2000"); at != std::string::npos; at = Log.find("01-05-2000", at))
            Log.replace(at, 10, logDate.data());
    }
};

TEST(Program, QuietRunWithoutADesktopSaysALimitExceeded)
{
    const TTodaysSession today;
    for (const auto& [option, wrapper] :
         {std::pair<std::string, std::string>{"-quiettotal", ""}, {"-quiet", ""}, {"-quiet", "dbus-run-session -- "}}) {
        TInstalledProgram kellvar;
        kellvar.Dir.Write("kellvar.INI", "[SETTINGS]\r\nLimit1=day:time>5min\r\n");
        const std::string path = kellvar.Dir.Write("ModemLog.txt", today.Log);
        std::string errors;
        EXPECT_EQ(kellvar.Run(option + " " + path, &errors, wrapper), 0);
        // The bus's own complaints (a root without the right to raise its file limit) are not ours.
        while (errors.rfind("dbus-daemon[", 0) == 0)
            errors.erase(0, errors.find('\n') + 1);
        const std::string& day = today.Day;
        EXPECT_EQ(errors, option == "-quiet" ? "kellvar: limit exceeded: day:time>5min: 0:09:40 so far, 0:09:40 "
                                               "foreseen ("
                                                   + day + " to " + day + "), exceeded by 0:04:40\n"
                                             : "");
        EXPECT_EQ(kellvar.Run(option + " " + path, &errors), 0);
        EXPECT_EQ(errors, "") << "told once in its period";
    }
}

// Runs at the same time, and a window that was open while one ran, tell a
// limit once in its period: "told" is decided and kept under one lock.
TEST(Program, ALimitIsToldOnceWhateverRunsAtTheSameTime)
{
    const TTodaysSession today;
    TInstalledProgram kellvar;
    // The second limit was told today already, the first never: only the
    // first and the third are new.
    kellvar.Dir.Write("kellvar.INI", std::string("[SETTINGS]\r\nLimit1=day:time>5min\r\nLimit2=day:time>1min\r\n"
                                                 "Limit3=day:volume>1KiB\r\nAlerted1=\r\nAlerted2=")
                                         + today.Day + "\r\n");
    const std::string path = kellvar.Dir.Write("ModemLog.txt", today.Log);
    std::string runs;
    for (int run = 0; run < 5; ++run)
        runs += "(env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS LC_ALL=C HOME=" + kellvar.Home
                + " XDG_RUNTIME_DIR=" + kellvar.Home + " timeout 60 " + kellvar.Program + " -quiet " + path + " 2>"
                + kellvar.Dir.File("err" + std::to_string(run)) + ") & ";
    ASSERT_EQ(std::system((runs + "wait").c_str()), 0);
    std::string said;
    for (int run = 0; run < 5; ++run)
        said += testing::ReadFile(kellvar.Dir.File("err" + std::to_string(run)));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
    EXPECT_NE(said.find("day:time>5min"), std::string::npos) << said;
    EXPECT_NE(said.find("day:volume>1KiB"), std::string::npos) << said;
    const std::string settings = testing::ReadFile(kellvar.Dir.File("kellvar.INI"));
    for (const char* key : {"Alerted1=", "Alerted2=", "Alerted3="})
        EXPECT_NE(settings.find(key + today.Day), std::string::npos) << key << settings;
}

TEST(Program, QuietRunStoppedAtTheRowLimitSaysSo)
{
    TInstalledProgram kellvar;
    std::string log;
    for (int session = 0; session < 32'767; ++session)
        log += testing::EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1'000, 100);
    std::string errors;
    EXPECT_EQ(kellvar.Run("-quiet " + kellvar.Dir.Write("log", log), &errors), 0);
    EXPECT_EQ(errors, "kellvar: The table ends after 32766 connections; the rest of the file was not analysed.\n");
    EXPECT_EQ(kellvar.Run("-quiettotal " + kellvar.Dir.File("log"), &errors), 0);
    EXPECT_EQ(errors, "");
}

TEST(Program, ReadErrorFailsTheQuietRun)
{
    // The kernel refuses every read of the process's memory at address 0.
    TInstalledProgram kellvar;
    std::string errors;
    EXPECT_EQ(kellvar.Run("-quiet /proc/self/mem", &errors), 1);
    EXPECT_EQ(errors, "kellvar: Could not open file \"/proc/self/mem\".! (/proc/self/mem: Input/output error)\n");
}

TEST(Program, SettingsThatCouldNotBeReadStayAsTheyAre)
{
    TInstalledProgram kellvar;
    const std::string settings =
        "[SETTINGS]\r\nUseLastSettings=1\r\nStoreAllTimeLog=1\r\n" + std::string(2 * 1024 * 1024, ';');
    kellvar.Dir.Write("kellvar.INI", settings);
    std::string errors;
    EXPECT_EQ(kellvar.Run("-quiet " + Example, &errors), 1) << "it cannot know whether to keep the history";
    EXPECT_EQ(errors, "kellvar: The settings file \"" + kellvar.Dir.File("kellvar.INI")
                          + "\" could not be read (larger than 1 MB); the defaults apply, and the file is left as it "
                            "is.\n");
    EXPECT_EQ(kellvar.Run("-quiettotal " + Example, &errors), 1);
    EXPECT_EQ(errors, "");
    EXPECT_TRUE(testing::ReadFile(kellvar.Dir.File("kellvar.INI")) == settings) << "byte for byte";
}

TEST(Program, FilesAnotherUserPlantedInASharedFolderAreLeftAlone)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "planting files as another user needs root";
    TInstalledProgram kellvar;
    testing::TempDir home;
    kellvar.Home = home.Path();
    const std::string victim = home.Write(".bashrc", "mine\n");
    const std::string plantedSettings = "[SETTINGS]\r\nUseLastSettings=1\r\nStoreAllTimeLog=1\r\n";
    kellvar.Dir.Write("kellvar.INI", plantedSettings);
    ASSERT_EQ(::symlink(victim.c_str(), kellvar.Dir.File("kellvar.ATL").c_str()), 0);
    for (const char* planted : {"kellvar.INI", "kellvar.ATL"})
        ASSERT_EQ(::lchown(kellvar.Dir.File(planted).c_str(), 65534, 65534), 0);
    ::chmod(kellvar.Dir.Path().c_str(), 01777);
    std::string errors;
    EXPECT_EQ(kellvar.Run("-quiet " + Example, &errors), 0);
    EXPECT_EQ(errors, "");
    EXPECT_EQ(testing::ReadFile(victim), "mine\n");
    EXPECT_EQ(testing::ReadFile(kellvar.Dir.File("kellvar.INI")), plantedSettings);
    EXPECT_TRUE(std::filesystem::exists(home.File(".config/kellvar/kellvar.INI"))) << "the user's own settings";
    EXPECT_FALSE(std::filesystem::exists(home.File(".local/share/kellvar/kellvar.ATL")))
        << "the planted settings decided nothing";
}

TEST(Program, QuietRunThatCannotWriteItsSettingsFails)
{
    TInstalledProgram kellvar;
    kellvar.Dir.Write("kellvar.INI", "[SETTINGS]\r\nUseLastSettings=1\r\n");
    ::chmod(kellvar.Dir.File("kellvar.INI").c_str(), 0444);
    std::string errors;
    EXPECT_EQ(kellvar.Run("-quiet " + Example, &errors), 1);
    EXPECT_EQ(errors, "kellvar: The settings file \"" + kellvar.Dir.File("kellvar.INI")
                          + "\" could not be written (Permission denied).\n");
    EXPECT_EQ(kellvar.Run("-quiettotal " + Example, &errors), 1);
    EXPECT_EQ(errors, "");
}

TEST(Program, HelpIntoAFullDiskFails)
{
    for (const char* option : {"--help", "--version"}) {
        const std::string command = std::string("timeout 60 ") + KELLVAR_PROGRAM + " " + option + " >/dev/full 2>&1";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << option;
    }
}

TEST(Program, SettingsSavedWithAByteOrderMarkKeepTheHistory)
{
    TInstalledProgram kellvar;
    kellvar.Dir.Write("kellvar.INI", "\xEF\xBB\xBF[SETTINGS]\rUseLastSettings=1\rStoreAllTimeLog=1\r");
    ASSERT_EQ(kellvar.Run("-quiettotal " + Example), 0);
    EXPECT_TRUE(std::filesystem::exists(kellvar.Dir.File("kellvar.ATL")));
    const std::string ini = testing::ReadFile(kellvar.Dir.File("kellvar.INI"));
    EXPECT_EQ(ini.find("[SETTINGS]"), ini.rfind("[SETTINGS]")) << "one section";
    EXPECT_NE(ini.find("StoreAllTimeLog=1"), std::string::npos);
}

}  // namespace
}  // namespace kellvar
