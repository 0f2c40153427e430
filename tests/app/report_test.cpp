// kellvar-report as a user runs it.

#include "tests/core/analysis_helpers.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace kellvar {
namespace {

struct TRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

TRun Report(const std::string& arguments)
{
    testing::TempDir dir;
    const std::string command =
        "LC_ALL=C.UTF-8 timeout 60 " KELLVAR_REPORT " " + arguments + " >" + dir.File("out") + " 2>" + dir.File("err");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testing::ReadFile(dir.File("out")),
            testing::ReadFile(dir.File("err"))};
}

const std::string Example = KELLVAR_SOURCE_DIR "/examples/ModemLog.txt";

TEST(Report, PrintsTheTableAsCopied)
{
    const TRun run = Report("--english " + Example);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out.substr(0, run.Out.find("\r\n")),
              "#\tConnect\tHangup\tConnection\tRead Rate\tWrite Rate\tReceived\tSent\tConnect\tDial Command\tDialing");
    EXPECT_EQ(run.Out.substr(run.Out.size() - 2), "\r\n");
    EXPECT_EQ(run.Out.find('\n', 0) - 1, run.Out.find('\r'));
}

TEST(Report, GermanSummary)
{
    const TRun run = Report("--summary --german " + Example);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out.substr(0, run.Out.find('\t')), "Verbindungsversuche:");
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 20);
    EXPECT_EQ(run.Out.find('\r'), std::string::npos);
}

TEST(Report, BothExamplesGiveTheSameTable)
{
    EXPECT_EQ(Report("--english " + Example).Out,
              Report("--english " KELLVAR_SOURCE_DIR "/examples/ModemLog-de.txt").Out);
}

TEST(Report, EmptyLogPrintsNothing)
{
    testing::TempDir dir;
    const TRun run = Report(dir.Write("empty.txt", ""));
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "");
}

TEST(Report, MissingLogFails)
{
    const TRun run = Report("--english /nonexistent/log.txt");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "kellvar-report: /nonexistent/log.txt: No such file or directory\n");
    EXPECT_EQ(Report("--format=json " + Example + " /nonexistent/log.txt").Err,
              "kellvar-report: /nonexistent/log.txt: No such file or directory\n")
        << "the one of several logs that failed";
}

TEST(Report, UsageErrors)
{
    EXPECT_EQ(Report("").ExitCode, 2);
    EXPECT_EQ(Report("--bogus " + Example).ExitCode, 2);
    EXPECT_EQ(Report("--top=3 " + Example).ExitCode, 2) << "--top needs --by";
    EXPECT_EQ(Report("-h").ExitCode, 0);
    EXPECT_EQ(Report("-V").Out, "kellvar-report 1.5.5.54\n");
    EXPECT_EQ(Report("-- --bogus").Err, "kellvar-report: --bogus: No such file or directory\n")
        << "after --, every argument is a log";
}

TEST(Report, FifoOrDirectoryIsRefusedWithoutWaiting)
{
    testing::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0644), 0);
    for (const std::string& path : {dir.File("fifo"), dir.Path()}) {
        const TRun run = Report("--english " + path);
        EXPECT_EQ(run.ExitCode, 1) << path << " (124: the run waited for a writer)";
        EXPECT_EQ(run.Err,
                  "kellvar-report: " + path + (path == dir.Path() ? ": Is a directory\n" : ": not a regular file\n"));
    }
}

TEST(Report, OutputThatCannotBeWrittenFails)
{
    for (const std::string options : {"", "--summary ", "--format=json "}) {
        const std::string command = "timeout 60 " KELLVAR_REPORT " " + options + Example + " >/dev/full";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << options;
    }
}

TEST(Report, RunStoppedAtTheRowLimitSaysSo)
{
    testing::TempDir dir;
    std::string log;
    for (int session = 0; session < 32'767; ++session)
        log += testing::EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1'000, 100);
    const TRun run = Report("--english " + dir.Write("log", log));
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 32'767) << "the caption line and 32,766 rows";
    EXPECT_EQ(run.Err, "kellvar-report: The table ends after 32766 connections; the rest of the file was not "
                       "analysed.\n");
    log.resize(log.size() / 32'767 * 32'766);
    EXPECT_EQ(Report("--english " + dir.Write("log", log)).Err, "") << "a log that fits is not cut";
}

}  // namespace
}  // namespace kellvar
