// kellvar started as a user starts it: unattended runs without a display.

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace kellvar {
namespace {

// A copy of the program in a directory of its own, so that its settings file
// and All-Time-Log land there.
struct TInstalledProgram {
    testing::TempDir Dir;
    std::string Program = Dir.File("kellvar");

    TInstalledProgram() { std::filesystem::copy_file(KELLVAR_PROGRAM, Program); }

    // Runs it without any display; returns the exit code.
    int Run(const std::string& arguments, std::string* errors = nullptr) const
    {
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME=" + Dir.Path() + " "
                                    + Program + " " + arguments + " >/dev/null 2>" + Dir.File("err");
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
}

}  // namespace
}  // namespace kellvar
