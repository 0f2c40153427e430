#include "core/alltimelog.h"
#include "core/vocabulary.h"

#include "tests/core/analysis_helpers.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <fcntl.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace kellvar {
namespace {

using testing::EnglishSession;
using testing::LogLine;
using testing::ReadFile;
using testing::TempDir;

const std::string Day = "01-05-2000 ";
const std::string FirstSession = EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1'000, 100)
                                 + LogLine(Day + "10:30:26.00", "Serial Overrun Errors: 2");
const std::string SecondSession = EnglishSession("12:00:00.00", "12:00:25.50", "12:30:25.50", 2'000, 200);

// The lines of a log that belong in the All-Time-Log, each with CR LF.
std::string HistoryLines(const std::string& log)
{
    std::istringstream lines(log);
    std::string line, kept;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const TMessageKind kind = MatchLogLine(line).Kind;
        if (kind != NotRecognised && kind != DialCommand && kind != ReadWrittenTotals)
            kept += line + "\r\n";
    }
    return kept;
}

struct THistoryRun {
    TAnalysisStore Store;
    TAllTimeLogFile History;
};

// Analyses the log with the history kept in historyPath.
std::unique_ptr<THistoryRun> AnalyseKeeping(const std::string& logPath, const std::string& historyPath,
                                            bool keep = true, bool quietTotal = false)
{
    auto run = std::unique_ptr<THistoryRun>(new THistoryRun{TAnalysisStore(), TAllTimeLogFile(historyPath)});
    TAnalysisFlags flags;
    flags.StoreAllTimeLog = keep;
    flags.FQuietTotal = quietTotal;
    AnalyseLogFile(logPath, true, flags, run->Store, &run->History);
    return run;
}

TEST(AllTimeLog, OptionOffTouchesNothing)
{
    TempDir dir;
    const auto run = AnalyseKeeping(dir.Write("log", FirstSession), dir.File("k.ATL"), false);
    EXPECT_FALSE(platform::FileExists(dir.File("k.ATL")));
    EXPECT_EQ(run->Store.Table().RowCount(), 1u);
}

TEST(AllTimeLog, FirstRunCreatesItWithEveryRecognisedLineButDialCommandsAndTotals)
{
    TempDir dir;
    const std::string log = FirstSession + LogLine(Day + "10:40:00.00", "Read: Total: 5, Written: Total: 6, x");
    AnalyseKeeping(dir.Write("log", log), dir.File("k.ATL"));
    const std::string history = ReadFile(dir.File("k.ATL"));
    EXPECT_EQ(history, HistoryLines(FirstSession));
    EXPECT_EQ(history.find("ATDT"), std::string::npos);
    EXPECT_EQ(history.find("Read: Total"), std::string::npos);
    EXPECT_NE(history.find("Serial Overrun Errors: 2\r\n"), std::string::npos);
}

TEST(AllTimeLog, SecondRunOfTheSameLogAppendsNothing)
{
    TempDir dir;
    const std::string log = dir.Write("log", FirstSession);
    AnalyseKeeping(log, dir.File("k.ATL"));
    const std::string once = ReadFile(dir.File("k.ATL"));
    const auto second = AnalyseKeeping(log, dir.File("k.ATL"));
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), once);
    EXPECT_TRUE(second->Store.Messages().empty());
}

TEST(AllTimeLog, AppendsExactlyWhatTheDriverAddedSince)
{
    TempDir dir;
    AnalyseKeeping(dir.Write("log", FirstSession), dir.File("k.ATL"));
    AnalyseKeeping(dir.Write("log", FirstSession + SecondSession), dir.File("k.ATL"));
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), HistoryLines(FirstSession + SecondSession));
}

TEST(AllTimeLog, LineWithExactlyTheStoredStampIsNotAppended)
{
    TempDir dir;
    dir.Write("k.ATL", LogLine(Day + "12:00:00.00", "Dialing."));
    const std::string log =
        LogLine(Day + "12:00:00.00", "Hanging up the modem.") + LogLine(Day + "12:00:00.01", "Hanging up the modem.");
    AnalyseKeeping(dir.Write("log", log), dir.File("k.ATL"));
    EXPECT_EQ(ReadFile(dir.File("k.ATL")),
              LogLine(Day + "12:00:00.00", "Dialing.") + LogLine(Day + "12:00:00.01", "Hanging up the modem."));
}

TEST(AllTimeLog, ReadOnlyFileGivesTheMessageAndTheAnalysisGoesOn)
{
    TempDir dir;
    const std::string history = dir.Write("k.ATL", "");
    ::chmod(history.c_str(), 0444);
    const auto run = AnalyseKeeping(dir.Write("log", FirstSession), history);
    ASSERT_EQ(run->Store.Messages().size(), 1u);
    EXPECT_EQ(run->Store.Messages()[0], "The file \"" + history
                                            + "\" couldn't be opened for write-access.\rHence the All-Time-Log will "
                                              "not be updated.");
    EXPECT_EQ(run->Store.Table().RowCount(), 1u);
    EXPECT_EQ(ReadFile(history), "");
    EXPECT_TRUE(AnalyseKeeping(dir.File("log"), history, true, true)->Store.Messages().empty())
        << "-quiettotal keeps the message back";
}

TEST(AllTimeLog, ReadOnlyDirectoryCannotTakeANewFile)
{
    TempDir dir;
    const std::string log = dir.Write("log", FirstSession);
    ::mkdir(dir.File("ro").c_str(), 0555);
    const auto run = AnalyseKeeping(log, dir.File("ro/k.ATL"));
    EXPECT_EQ(run->Store.Messages().size(), 1u);
    EXPECT_FALSE(platform::FileExists(dir.File("ro/k.ATL")));
}

TEST(AllTimeLog, AnalysingTheAllTimeLogItselfLeavesItAlone)
{
    TempDir dir;
    const std::string history = dir.Write("k.ATL", HistoryLines(FirstSession));
    const auto run = AnalyseKeeping(history, history);
    ASSERT_EQ(run->Store.Messages().size(), 1u);
    EXPECT_NE(run->Store.Messages()[0].find("couldn't be opened for write-access"), std::string::npos);
    EXPECT_EQ(ReadFile(history), HistoryLines(FirstSession));
    EXPECT_EQ(run->Store.Table().RowCount(), 1u) << "the history is a modem log like any other";
}

TEST(AllTimeLog, DirectoryInItsPlaceFailsTheSetUp)
{
    TempDir dir;
    ::mkdir(dir.File("k.ATL").c_str(), 0755);
    EXPECT_EQ(AnalyseKeeping(dir.Write("log", FirstSession), dir.File("k.ATL"))->Store.Messages().size(), 1u);
}

TEST(AllTimeLog, FullDeviceEndsTheRunWithTheFailureMessage)
{
    if (!platform::FileExists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    TempDir dir;
    const auto run = AnalyseKeeping(dir.Write("log", FirstSession), "/dev/full");
    ASSERT_EQ(run->Store.Messages().size(), 1u);
    EXPECT_EQ(run->Store.Messages()[0], "Could not open file \"" + dir.File("log") + "\".!");
}

TEST(AllTimeLog, HeldByAnotherRunItIsRefused)
{
    TempDir dir;
    TAllTimeLogFile first(dir.File("k.ATL"));
    ASSERT_TRUE(first.OpenAllTimeLog());
    TAllTimeLogFile second(dir.File("k.ATL"));
    EXPECT_FALSE(second.OpenAllTimeLog());
    EXPECT_TRUE(first.CloseAllTimeLog());
    EXPECT_TRUE(second.OpenAllTimeLog());
    EXPECT_TRUE(second.CloseAllTimeLog());
}

TEST(AllTimeLog, RunsStartedTogetherNeverInterleave)
{
    TempDir dir;
    std::string log;
    for (int hour = 10; hour < 20; ++hour)
        log += EnglishSession(std::to_string(hour) + ":00:00.00", std::to_string(hour) + ":00:25.50",
                              std::to_string(hour) + ":30:25.50", 1'000, 100);
    const std::string logPath = dir.Write("log", log);
    std::vector<std::thread> runs;
    for (int i = 0; i < 8; ++i)
        runs.emplace_back([&] {
            for (int round = 0; round < 5; ++round)
                AnalyseKeeping(logPath, dir.File("k.ATL"), true, true);
        });
    for (std::thread& run : runs)
        run.join();
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), HistoryLines(log)) << "each line once, in log order";
}

TEST(AllTimeLog, RunKilledMidLineLeavesAFileTheNextRunRepairs)
{
    TempDir dir;
    const std::string complete = HistoryLines(FirstSession);
    dir.Write("k.ATL", complete + "01-05-2000 11:0");
    AnalyseKeeping(dir.Write("log", FirstSession + SecondSession), dir.File("k.ATL"));
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), complete + "01-05-2000 11:0\r\n" + HistoryLines(SecondSession));
}

struct TailCase {
    const char* name;
    std::string tail;
    bool wholeFile;
    TLogStamp stamp;
};

class LastStampTest : public ::testing::TestWithParam<TailCase> {};

TEST_P(LastStampTest, FindsTheLastCompleteStamp)
{
    EXPECT_EQ(LastStampOfTail(GetParam().tail, GetParam().wholeFile), GetParam().stamp);
}

TDateParts Unused;
const int32_t Jan5 = ParseLogDate("01-05-2000", Unused);

INSTANTIATE_TEST_SUITE_P(
    Tails, LastStampTest,
    ::testing::Values(
        TailCase{"empty", "", true, {}},
        TailCase{"single_line_of_a_small_file", LogLine(Day + "10:00:00.00", "Dialing"), true, {Jan5, 3'600'000}},
        TailCase{"first_partial_line_of_a_window_is_dropped", LogLine(Day + "10:00:00.00", "Dialing"), false, {}},
        TailCase{"last_of_several",
                 LogLine(Day + "10:00:00.00", "a") + LogLine(Day + "11:00:00.00", "b"),
                 true,
                 {Jan5, 3'960'000}},
        TailCase{"midnight_never_becomes_the_stamp",
                 LogLine(Day + "10:00:00.00", "a") + LogLine("01-06-2000 00:00:00.00", "b"),
                 true,
                 {Jan5, 3'600'000}},
        TailCase{"last_line_without_line_end",
                 LogLine(Day + "10:00:00.00", "a") + Day + "11:00:00.00 - b",
                 true,
                 {Jan5, 3'960'000}},
        TailCase{"partial_last_line_is_ignored",
                 LogLine(Day + "10:00:00.00", "a") + "01-05-2000 11:0",
                 true,
                 {Jan5, 3'600'000}},
        TailCase{"zero_byte_cuts_the_window",
                 LogLine(Day + "10:00:00.00", "a") + std::string("\0", 1) + LogLine(Day + "11:00:00.00", "b"),
                 true,
                 {Jan5, 3'600'000}},
        TailCase{"garbage", std::string(500, '\xFF') + "\r\n" + std::string(30, 'z'), true, {}},
        TailCase{
            "linux_line_ends", "01-05-2000 10:00:00.00 - a\n01-05-2000 11:00:00.00 - b\n", true, {Jan5, 3'960'000}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AllTimeLog, TailScanLooksAtTheLast2048BytesOnly)
{
    TempDir dir;
    const std::string late = LogLine(Day + "11:00:00.00", "b");
    dir.Write("k.ATL", LogLine(Day + "10:00:00.00", "a") + std::string(3'000, 'x') + "\r\n" + late);
    TAllTimeLogFile history(dir.File("k.ATL"));
    ASSERT_TRUE(history.OpenAllTimeLog());
    EXPECT_EQ(history.StoredStamp(), (TLogStamp{Jan5, 3'960'000}));
    history.CloseAllTimeLog();
    dir.Write("big.ATL", late + std::string(3'000, 'x') + "\r\n");
    TAllTimeLogFile big(dir.File("big.ATL"));
    ASSERT_TRUE(big.OpenAllTimeLog());
    EXPECT_EQ(big.StoredStamp(), TLogStamp{}) << "every line of the log will be appended again";
    big.CloseAllTimeLog();
}

TEST(AllTimeLogFileName, BesideTheProgram)
{
    EXPECT_EQ(AllTimeLogFileName("/opt/kellvar/bin/kellvar"), "/opt/kellvar/bin/kellvar.ATL");
    EXPECT_EQ(AllTimeLogFileName("/opt/kellvar.d/Kellvar.exe"), "/opt/kellvar.d/Kellvar.ATL");
    EXPECT_EQ(AllTimeLogFileName("/opt/kellvar.d/kellvar"), "/opt/kellvar.d/kellvar.ATL");
}

}  // namespace
}  // namespace kellvar
