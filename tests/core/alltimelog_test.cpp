// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/alltimelog.h"
#include "core/vocabulary.h"

#include "tests/core/analysis_helpers.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <functional>
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
    bool Succeeded = false;
};

// Analyses the log with the history kept by history.
std::unique_ptr<THistoryRun> AnalyseInto(const std::string& logPath, TAllTimeLogFile& history, bool keep = true,
                                         bool quietTotal = false)
{
    auto run = std::make_unique<THistoryRun>();
    TAnalysisFlags flags;
    flags.NoSizeWarning = true;
    flags.StoreAllTimeLog = keep;
    flags.FQuietTotal = quietTotal;
    run->Succeeded = AnalyseLogFile(logPath, flags, run->Store, &history);
    return run;
}

// Analyses the log with the history kept in historyPath.
std::unique_ptr<THistoryRun> AnalyseKeeping(const std::string& logPath, const std::string& historyPath,
                                            bool keep = true, bool quietTotal = false)
{
    TAllTimeLogFile history(historyPath);
    return AnalyseInto(logPath, history, keep, quietTotal);
}

// A file layer that takes only the first writableBytes, as a full disk
// does, or fails to sync.
class TFailingHistory : public TAllTimeLogFile {
public:
    TFailingHistory(std::string fileName, size_t writableBytes, bool syncFails = false)
        : TAllTimeLogFile(std::move(fileName)), room_(writableBytes), syncFails_(syncFails)
    {
    }

protected:
    bool WriteBytes(int fd, const char* data, size_t size) override
    {
        const size_t taken = std::min(size, room_);
        room_ -= taken;
        if (!TAllTimeLogFile::WriteBytes(fd, data, taken))
            return false;
        errno = taken == size ? errno : ENOSPC;
        return taken == size;
    }
    bool SyncToDisk(int fd) override { return !syncFails_ && TAllTimeLogFile::SyncToDisk(fd); }

private:
    size_t room_;
    bool syncFails_;
};

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
    EXPECT_FALSE(run->Succeeded);
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
    EXPECT_TRUE(run->Succeeded) << "its set-up message is expected there";
}

TEST(AllTimeLog, DirectoryInItsPlaceFailsTheSetUp)
{
    TempDir dir;
    ::mkdir(dir.File("k.ATL").c_str(), 0755);
    EXPECT_EQ(AnalyseKeeping(dir.Write("log", FirstSession), dir.File("k.ATL"))->Store.Messages().size(), 1u);
}

TEST(AllTimeLog, HeldByAnotherRunItIsWaitedForThenRefusedNamingTheHolder)
{
    TempDir dir;
    TAllTimeLogFile first(dir.File("k.ATL"));
    ASSERT_TRUE(first.OpenAllTimeLog());
    TAllTimeLogFile impatient(dir.File("k.ATL"), std::chrono::milliseconds(50));
    EXPECT_FALSE(impatient.OpenAllTimeLog());
    EXPECT_EQ(
        impatient.FailureReason().rfind("in use by another program: process " + std::to_string(::getpid()) + " (", 0),
        0u)
        << impatient.FailureReason();
    std::thread release([&] { first.CloseAllTimeLog(); });
    TAllTimeLogFile patient(dir.File("k.ATL"));
    EXPECT_TRUE(patient.OpenAllTimeLog()) << "waits while the other run finishes";
    release.join();
    EXPECT_TRUE(patient.CloseAllTimeLog());
}

TEST(AllTimeLog, AnotherUsersLinkInItsPlaceIsNeverWrittenThrough)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a link to another user needs root";
    TempDir dir;
    const std::string victim = dir.Write("victim", "mine\n");
    ASSERT_EQ(::symlink(victim.c_str(), dir.File("k.ATL").c_str()), 0);
    ASSERT_EQ(::lchown(dir.File("k.ATL").c_str(), 65534, 65534), 0);
    const std::string log = dir.Write("log", FirstSession);
    TAllTimeLogFile history(dir.File("k.ATL"));
    EXPECT_FALSE(AnalyseInto(log, history)->Succeeded);
    EXPECT_EQ(history.FailureReason(), "a symbolic link that belongs to another user");
    EXPECT_EQ(ReadFile(victim), "mine\n");
    ASSERT_EQ(::lchown(dir.File("k.ATL").c_str(), 0, 0), 0);
    EXPECT_TRUE(AnalyseKeeping(log, dir.File("k.ATL"))->Succeeded) << "the user's own link is followed";
    EXPECT_EQ(ReadFile(victim), "mine\n" + HistoryLines(FirstSession));
}

TEST(AllTimeLog, TakesEveryRecognisedLineAfterTheTablesLastRow)
{
    TempDir dir;
    std::string log;
    for (int32_t session = 0; session <= RowNumberLimit; ++session)
        log += EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1'000, 100);
    const auto run = AnalyseKeeping(dir.Write("log", log), dir.File("k.ATL"));
    EXPECT_TRUE(run->Succeeded);
    EXPECT_EQ(run->Store.Table().RowCount(), static_cast<size_t>(RowNumberLimit - 1));
    EXPECT_TRUE(ReadFile(dir.File("k.ATL")) == HistoryLines(log)) << "the table's limit is not the history's";
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
    std::atomic<int> failed = 0;
    for (int i = 0; i < 8; ++i)
        runs.emplace_back([&] {
            for (int round = 0; round < 5; ++round)
                failed += AnalyseKeeping(logPath, dir.File("k.ATL"), true, true)->Succeeded ? 0 : 1;
        });
    for (std::thread& run : runs)
        run.join();
    EXPECT_EQ(failed, 0) << "runs wait for each other";
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), HistoryLines(log)) << "each line once, in log order";
}

// A log whose sessions share stamps across several lines, as the driver's do.
const std::string TwoSessions = FirstSession + SecondSession;

TEST(AllTimeLog, RunKilledAtAnyByteIsCompletedByTheNextRunWithoutRepeats)
{
    TempDir dir;
    const std::string before = HistoryLines(FirstSession);
    const std::string clean = HistoryLines(TwoSessions);
    const std::string log = dir.Write("log", TwoSessions);
    for (size_t cut = before.size(); cut <= clean.size(); ++cut) {
        dir.Write("k.ATL", clean.substr(0, cut));
        const auto run = AnalyseKeeping(log, dir.File("k.ATL"));
        ASSERT_EQ(ReadFile(dir.File("k.ATL")), clean) << "killed after byte " << cut;
        ASSERT_TRUE(run->Succeeded);
    }
}

TEST(AllTimeLog, FailedAppendLeavesTheFileAsItWasAndFailsTheRun)
{
    TempDir dir;
    const std::string before = HistoryLines(FirstSession);
    const std::string log = dir.Write("log", TwoSessions);
    const size_t appended = HistoryLines(TwoSessions).size() - before.size();
    for (const size_t writable : {size_t{0}, size_t{1}, size_t{40}, appended - 1}) {
        dir.Write("k.ATL", before);
        TFailingHistory history(dir.File("k.ATL"), writable);
        const auto run = AnalyseInto(log, history);
        EXPECT_EQ(ReadFile(dir.File("k.ATL")), before) << writable << " bytes written";
        EXPECT_FALSE(run->Succeeded);
        ASSERT_EQ(run->Store.Messages().size(), 1u);
        EXPECT_EQ(run->Store.Messages()[0], "Could not open file \"" + log + "\".! (All-Time-Log " + dir.File("k.ATL")
                                                + ": No space left on device)")
            << "the box names the file that failed";
    }
    // An unattended run's line on standard error leads with what failed.
    TFailingHistory full(dir.File("k.ATL"), 0);
    THistoryRun quiet;
    TAnalysisFlags flags;
    flags.NoSizeWarning = flags.StoreAllTimeLog = flags.Unattended = true;
    EXPECT_FALSE(AnalyseLogFile(log, flags, quiet.Store, &full));
    ASSERT_EQ(quiet.Store.Messages().size(), 1u);
    EXPECT_EQ(quiet.Store.Messages()[0], "All-Time-Log " + dir.File("k.ATL")
                                             + ": No space left on device (Could "
                                               "not open file \""
                                             + log + "\".!)");
    TFailingHistory unsynced(dir.File("k.ATL"), appended, true);
    EXPECT_FALSE(AnalyseInto(log, unsynced)->Succeeded);
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), before) << "an append that is not on disk is not kept";
    EXPECT_TRUE(AnalyseKeeping(log, dir.File("k.ATL"))->Succeeded);
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), HistoryLines(TwoSessions)) << "the next run appends it whole";
}

TEST(AllTimeLog, LineTheDriverIsStillWritingIsArchivedOnlyWhenFinished)
{
    TempDir dir;
    const std::string finished = LogLine(Day + "13:00:00.00", "Dialing.");
    const std::string unfinished = finished.substr(0, finished.size() - 2);
    const auto run = AnalyseKeeping(dir.Write("log", FirstSession + unfinished), dir.File("k.ATL"));
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), HistoryLines(FirstSession));
    EXPECT_EQ(run->Store.Counters().TriedConnects, 2) << "the unfinished line is still analysed";
    AnalyseKeeping(dir.Write("log", FirstSession + finished), dir.File("k.ATL"));
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), HistoryLines(FirstSession) + finished);
}

TEST(AllTimeLog, LinesSharingTheNewestStampGoOnAfterTheStoredOnes)
{
    TempDir dir;
    const std::string a = LogLine(Day + "12:00:00.00", "Hanging up the modem.");
    const std::string b = LogLine(Day + "12:00:00.00", "Session Statistics:");
    const std::string c = LogLine(Day + "12:00:00.00", "   Reads : 5 bytes");
    dir.Write("k.ATL", a);
    AnalyseKeeping(dir.Write("log", a + b + c), dir.File("k.ATL"));
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), a + b + c) << "the stored line begins the log's group";
    dir.Write("k.ATL", b);
    AnalyseKeeping(dir.File("log"), dir.File("k.ATL"));
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), b + c) << "what follows the stored line in the log";
    dir.Write("k.ATL", LogLine(Day + "12:00:00.00", "Dialing"));
    AnalyseKeeping(dir.File("log"), dir.File("k.ATL"));
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), LogLine(Day + "12:00:00.00", "Dialing"))
        << "a log that does not hold the stored line adds only newer stamps";
}

TEST(AllTimeLog, FifoOrDeviceInItsPlaceIsRefusedWithoutWaiting)
{
    TempDir dir;
    const std::string log = dir.Write("log", FirstSession);
    ASSERT_EQ(::mkfifo(dir.File("k.ATL").c_str(), 0644), 0);
    const auto run = AnalyseKeeping(log, dir.File("k.ATL"));
    EXPECT_FALSE(run->Succeeded);
    ASSERT_EQ(run->Store.Messages().size(), 1u);
    EXPECT_NE(run->Store.Messages()[0].find("couldn't be opened for write-access"), std::string::npos);
    EXPECT_FALSE(AnalyseKeeping(log, "/dev/full")->Succeeded) << "a device is no history";
}

TEST(AllTimeLog, FindsTheNewestStampBehindLongLines)
{
    TempDir dir;
    const std::string stamped = LogLine(Day + "11:00:00.00", "Dialing.");
    const std::string history = stamped + std::string(10'000, 'x') + "\r\n" + std::string(3'000, '\0') + "\r\n";
    dir.Write("k.ATL", history);
    AnalyseKeeping(dir.Write("log", FirstSession + SecondSession), dir.File("k.ATL"));
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), history + HistoryLines(SecondSession));
}

// A log reader that fails with EIO from byte FailAt on.
int64_t FailAt = 0;
ssize_t ReadFailingAtFailAt(int fd, void* data, size_t size)
{
    const off_t at = ::lseek(fd, 0, SEEK_CUR);
    if (at >= FailAt) {
        errno = EIO;
        return -1;
    }
    return ::read(fd, data, std::min<size_t>(size, static_cast<size_t>(FailAt - at)));
}

// Sessions enough to fill more than one read of the log.
std::string LongLog()
{
    std::string log;
    for (int i = 0; log.size() <= TLineReader::DefaultBufferSize + 4'096; ++i) {
        const std::string day = "02-" + std::string(i % 28 < 9 ? "0" : "") + std::to_string(i % 28 + 1) + "-20"
                                + std::to_string(10 + i / 28) + " ";
        log += LogLine(day + "10:00:00.00", "Dialing.") + LogLine(day + "10:00:25.50", "Recv: CONNECT 49333")
               + LogLine(day + "10:30:00.00", "Hanging up the modem.")
               + LogLine(day + "10:30:00.00", "   Reads : 100 bytes")
               + LogLine(day + "10:30:00.00", "   Writes: 10 bytes");
    }
    return log;
}

TEST(AllTimeLog, ReadErrorAnywhereFailsTheRunAndArchivesOnlyWhatWasRead)
{
    TempDir dir;
    const std::string log = LongLog();
    const std::string logPath = dir.Write("log", log);
    const std::string whole = HistoryLines(log);
    std::vector<int64_t> failures{0, 1};
    for (int64_t near = -40; near <= 40; ++near)
        failures.push_back(static_cast<int64_t>(TLineReader::DefaultBufferSize) + near);
    for (const int64_t at : failures) {
        FailAt = at;
        dir.Write("k.ATL", "");
        TAllTimeLogFile history(dir.File("k.ATL"));
        TAnalysisStore store;
        TAnalysisFlags flags;
        flags.NoSizeWarning = true;
        flags.StoreAllTimeLog = true;
        flags.Unattended = true;
        ASSERT_FALSE(AnalyseLogFile(logPath, flags, store, &history, ReadFailingAtFailAt)) << "at byte " << at;
        ASSERT_EQ(store.Messages().size(), 1u);
        EXPECT_EQ(store.Messages()[0],
                  "Could not open file \"" + logPath + "\".! (" + logPath + ": Input/output error)");
        const std::string archived = ReadFile(dir.File("k.ATL"));
        EXPECT_EQ(whole.substr(0, archived.size()), archived) << "at byte " << at;
        EXPECT_EQ(HistoryLines(log.substr(0, static_cast<size_t>(at))).substr(0, archived.size()), archived)
            << "nothing beyond byte " << at;
    }
}

// Changes the log as the run goes on to its second read.
std::function<void()> ChangeLog;
ssize_t ReadChangingTheLog(int fd, void* data, size_t size)
{
    if (::lseek(fd, 0, SEEK_CUR) == static_cast<off_t>(TLineReader::DefaultBufferSize))
        ChangeLog();
    return ::read(fd, data, size);
}

TEST(AllTimeLog, LogCutShortOrReplacedWhileReadFailsTheRunAndArchivesNothing)
{
    TempDir dir;
    const std::string logPath = dir.File("log");
    for (const bool replaced : {false, true}) {
        dir.Write("log", LongLog());
        dir.Write("k.ATL", HistoryLines(FirstSession));
        ChangeLog = [&] {
            const int changed = replaced ? ::rename(dir.Write("new", LongLog()).c_str(), logPath.c_str())
                                         : ::truncate(logPath.c_str(), 100);
            EXPECT_EQ(changed, 0);
        };
        TAllTimeLogFile history(dir.File("k.ATL"));
        TAnalysisStore store;
        TAnalysisFlags flags;
        flags.NoSizeWarning = true;
        flags.StoreAllTimeLog = true;
        flags.Unattended = true;
        EXPECT_FALSE(AnalyseLogFile(logPath, flags, store, &history, ReadChangingTheLog));
        EXPECT_EQ(ReadFile(dir.File("k.ATL")), HistoryLines(FirstSession)) << (replaced ? "replaced" : "cut short");
        ASSERT_EQ(store.Messages().size(), 1u);
        EXPECT_NE(store.Messages()[0].find(replaced ? "replaced while it was read" : "became shorter"),
                  std::string::npos);
    }
}

// A line whose stamp cannot be read has no place among the stored ones: it
// is left out for that reason, even from an empty history.
TEST(AllTimeLog, ALineWithoutAStampIsLeftOutForThatReason)
{
    TempDir dir;
    TAllTimeLogFile history(dir.File("k.ATL"));
    ASSERT_TRUE(history.OpenAllTimeLog());
    EXPECT_TRUE(history.OfferLine("\0"
                                  "1-05-2000 10:00:00.00 - Dialing.",
                                  TLogStamp{0, 0}));
    EXPECT_TRUE(history.OfferLine("01-05-2000 10:00:01.00 - Dialing.", TLogStamp{DateKeyOf(2000, 1, 5), 100}));
    EXPECT_TRUE(history.CloseAllTimeLog());
    EXPECT_EQ(history.LinesWithoutStamp(), 1);
    EXPECT_EQ(history.LinesLeftOut(), 0) << "not for being no newer";
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), "01-05-2000 10:00:01.00 - Dialing.\r\n");
}

TEST(AllTimeLog, ALineThatTheStoredLinesRepeatIsNoPlaceToGoOnFrom)
{
    TempDir dir;
    const std::string hangUp = LogLine(Day + "10:30:00.00", "Hanging up the modem.");
    const std::string dialing = LogLine(Day + "10:20:00.00", "Dialing.");
    const std::string newer = LogLine(Day + "11:00:00.00", "Dialing.") + LogLine(Day + "11:10:00.00", "Dialing.");
    const std::string after = LogLine(Day + "12:00:00.00", "Dialing.");
    // A clock set back an hour stored the same hang-up twice.
    const std::string stored = HistoryLines(hangUp + dialing + hangUp);
    dir.Write("k.ATL", stored);
    TAllTimeLogFile history(dir.File("k.ATL"));
    EXPECT_TRUE(AnalyseInto(dir.Write("log", newer + hangUp + after), history)->Succeeded);
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), stored + HistoryLines(newer + after))
        << "the lone hang-up could be either stored one: the newer lines before it stay";
    EXPECT_EQ(history.LinesLeftOut(), 1);

    // Here the log holds the stored last line twice; the later place wins,
    // and the lines given up for it are counted.
    dir.Write("k.ATL", HistoryLines(dialing + hangUp));
    EXPECT_TRUE(AnalyseInto(dir.Write("log", hangUp + newer + hangUp + after), history)->Succeeded);
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), HistoryLines(dialing + hangUp + after));
    EXPECT_EQ(history.LinesGivenUp(), 2) << "never left out unsaid";
    EXPECT_EQ(history.LinesLeftOut(), 0);
    dir.Write("k.ATL", HistoryLines(dialing + hangUp));
    TAnalysisStore store;
    TAnalysisFlags flags;
    flags.NoSizeWarning = true;
    flags.StoreAllTimeLog = true;
    flags.Unattended = true;
    EXPECT_TRUE(AnalyseLogFile(dir.File("log"), flags, store, &history));
    ASSERT_EQ(store.Messages().size(), 1u);
    EXPECT_EQ(store.Messages()[0], "2 recognised lines were not added to the All-Time-Log \"" + dir.File("k.ATL")
                                       + "\": the log holds its last lines again after them and continues it there.");
}

TEST(AllTimeLog, ALogHoldingTheStoredEndTwiceGoesOnAfterTheLaterOne)
{
    TempDir dir;
    const auto line = [](const char* time, const char* text) { return LogLine(Day + time, text); };
    const std::string a = line("10:00:00.00", "Dialing.");
    const std::string b = line("10:00:20.00", "Hanging up the modem.");
    const std::string x = line("11:00:00.00", "Dialing.");
    const std::string y = line("12:00:00.00", "Dialing.");
    dir.Write("k.ATL", HistoryLines(a + b));
    EXPECT_TRUE(AnalyseKeeping(dir.Write("log", a + b + x + a + b + y), dir.File("k.ATL"))->Succeeded);
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), HistoryLines(a + b + y));

    // More lines between the two than the run keeps in memory (1 MB): those
    // already written go again.
    std::string many;
    for (int i = 0; i < 32'000; ++i)
        many += x;
    dir.Write("k.ATL", HistoryLines(a + b));
    TAllTimeLogFile history(dir.File("k.ATL"));
    EXPECT_TRUE(AnalyseInto(dir.Write("log", a + b + many + a + b + y), history)->Succeeded);
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), HistoryLines(a + b + y));
    EXPECT_EQ(history.LinesGivenUp(), 32'001) << "the lines between, and the first of the block again";
}

// More new lines than the run keeps in memory (1 MB): the history is written
// while the log is still read, and the disk fills up then.
TEST(AllTimeLog, DiskFullWhileALongLogIsReadLeavesTheFileAsItWas)
{
    TempDir dir;
    const std::string before = HistoryLines(FirstSession);
    std::string log = FirstSession;
    for (int i = 0; i < 40'000; ++i)
        log += LogLine(Day + "11:00:00.00", "Dialing.");
    dir.Write("k.ATL", before);
    TFailingHistory history(dir.File("k.ATL"), 1000);
    const auto run = AnalyseInto(dir.Write("log", log), history);
    EXPECT_FALSE(run->Succeeded);
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), before);
    ASSERT_EQ(run->Store.Messages().size(), 1u);
    EXPECT_NE(run->Store.Messages()[0].find("(All-Time-Log " + dir.File("k.ATL") + ": No space left on device)"),
              std::string::npos)
        << run->Store.Messages()[0];
}

TEST(AllTimeLog, LastLineWithoutItsLineEndIsKeptUnlessTheLogGivesItWhole)
{
    TempDir dir;
    const std::string log = dir.Write("log", FirstSession);
    const std::string newest = "01-06-2000 09:00:00.00 - Dialing.";
    dir.Write("k.ATL", HistoryLines(FirstSession) + newest);
    EXPECT_TRUE(AnalyseKeeping(log, dir.File("k.ATL"))->Succeeded);
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), HistoryLines(FirstSession) + newest + "\r\n")
        << "a line saved by hand without its line end is completed, not cut";
    const std::string older = "01-05-2000 09:00:00.00 - Dialing.";
    dir.Write("k.ATL", older);
    AnalyseKeeping(log, dir.File("k.ATL"));
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), older + "\r\n" + HistoryLines(FirstSession))
        << "an older one too, with the log's lines after it";
}

// A day on which the clock is set back an hour at 03:00: the hour from 02:00
// comes twice, with stamps that go back.
std::string ClockSetBack()
{
    std::string log;
    for (const char* hour : {"01", "02", "02", "03"})
        for (const char* minute : {"10", "40"}) {
            const std::string at = "10-29-2000 " + std::string(hour) + ":" + minute + ":";
            log += LogLine(at + "00.00", "Dialing.") + LogLine(at + "20.00", "Recv: CONNECT 49333")
                   + LogLine(at + "50.00", "Hanging up the modem.") + LogLine(at + "50.00", "Session Statistics:")
                   + LogLine(at + "50.00", "   Reads : 100 bytes") + LogLine(at + "50.00", "   Writes: 10 bytes");
        }
    return log;
}

TEST(AllTimeLog, GoesOnAfterTheStoredLinesAcrossAClockSetBack)
{
    TempDir dir;
    const std::string log = dir.Write("log", ClockSetBack());
    const std::string whole = HistoryLines(ClockSetBack());
    for (size_t cut = 0; cut <= whole.size(); cut = whole.find("\r\n", cut) + 2) {
        dir.Write("k.ATL", whole.substr(0, cut));
        const auto run = AnalyseKeeping(log, dir.File("k.ATL"));
        ASSERT_EQ(ReadFile(dir.File("k.ATL")), whole) << "history cut after byte " << cut;
        if (cut == whole.size())
            break;
    }
}

TEST(AllTimeLog, UnattendedRunSaysHowManyLinesAnOlderLogCouldNotAdd)
{
    TempDir dir;
    const std::string log = dir.Write("log", FirstSession);
    dir.Write("k.ATL", HistoryLines(SecondSession));
    TAllTimeLogFile history(dir.File("k.ATL"));
    TAnalysisStore store;
    TAnalysisFlags flags;
    flags.NoSizeWarning = true;
    flags.StoreAllTimeLog = true;
    flags.Unattended = true;
    EXPECT_TRUE(AnalyseLogFile(log, flags, store, &history));
    EXPECT_EQ(ReadFile(dir.File("k.ATL")), HistoryLines(SecondSession));
    ASSERT_EQ(store.Messages().size(), 1u);
    EXPECT_EQ(store.Messages()[0],
              "9 recognised lines were not added to the All-Time-Log \"" + dir.File("k.ATL")
                  + "\": they are not newer than its newest line, and the log does not continue it.");
    EXPECT_TRUE(AnalyseKeeping(log, dir.File("k.ATL"))->Store.Messages().empty()) << "the window shows no box for it";
}

// Checks, when a message arrives, that no file of the run is held any more.
class TLockCheckingStore : public TAnalysisStore {
public:
    explicit TLockCheckingStore(std::string history) : history_(std::move(history)) {}
    void ShowMessage(const std::string& text, TMessageSeverity severity) override
    {
        HistoryFreeAtEveryMessage = HistoryFreeAtEveryMessage && platform::OpenExclusiveForAppending(history_).IsOpen();
        TAnalysisStore::ShowMessage(text, severity);
    }
    bool HistoryFreeAtEveryMessage = true;

private:
    std::string history_;
};

TEST(AllTimeLog, MessagesWaitUntilTheHistoryIsClosed)
{
    TempDir dir;
    std::string big = FirstSession;
    big += std::string(300'000, '\n');
    TLockCheckingStore store(dir.File("k.ATL"));
    TAllTimeLogFile history(dir.File("k.ATL"));
    TAnalysisFlags flags;
    flags.StoreAllTimeLog = true;
    AnalyseLogFile(dir.Write("log", big), flags, store, &history);
    ASSERT_EQ(store.Messages().size(), 1u);
    EXPECT_NE(store.Messages()[0].find("larger than 250KByte"), std::string::npos);
    EXPECT_TRUE(store.HistoryFreeAtEveryMessage);
}

struct TailCase {
    const char* name;
    std::string window;
    int64_t windowStart;
    TLogStamp stamp;
    std::string unfinished;
    size_t lastLines;
    bool needsMore;
};

class StoredTailTest : public ::testing::TestWithParam<TailCase> {};

TEST_P(StoredTailTest, FindsStampLastLinesAndUnfinishedLine)
{
    const TailCase& c = GetParam();
    const TTailScan scan = ScanStoredTail(c.window, c.windowStart);
    EXPECT_EQ(scan.Tail.Stamp, c.stamp);
    EXPECT_EQ(scan.Tail.Unfinished, c.unfinished);
    EXPECT_EQ(scan.Tail.LastLines.size(), c.lastLines);
    EXPECT_EQ(scan.NeedsMore, c.needsMore);
}

TDateParts Unused;
const int32_t Jan5 = ParseLogDate("01-05-2000", Unused);
const std::string Ten = LogLine(Day + "10:00:00.00", "a");
const std::string Eleven = LogLine(Day + "11:00:00.00", "b");

std::string Repeated(const std::string& text, size_t times)
{
    std::string all;
    for (size_t i = 0; i < times; ++i)
        all += text;
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Tails, StoredTailTest,
    ::testing::Values(
        TailCase{"empty_file", "", 0, {}, "", 0, false},
        TailCase{"single_line", Ten, 0, {Jan5, 3'600'000}, "", 1, false},
        TailCase{"first_line_of_a_window_may_be_cut", Ten, 100, {}, "", 0, true},
        TailCase{"last_of_several", Ten + Eleven, 0, {Jan5, 3'960'000}, "", 2, false},
        TailCase{"lines_before_the_window_may_belong_to_the_overlap",
                 "x\r\n" + Eleven + Eleven,
                 50,
                 {Jan5, 3'960'000},
                 "",
                 2,
                 true},
        TailCase{"enough_lines_for_the_overlap",
                 "x\r\n" + Repeated(Eleven, OverlapLines),
                 50,
                 {Jan5, 3'960'000},
                 "",
                 OverlapLines,
                 false},
        TailCase{"midnight_is_a_stamp", Ten + LogLine("01-06-2000 00:00:00.00", "b"), 0, {Jan5 + 1, 0}, "", 2, false},
        TailCase{"unfinished_last_line_is_kept_apart",
                 Ten + "01-05-2000 11:0",
                 0,
                 {Jan5, 3'600'000},
                 "01-05-2000 11:0",
                 1,
                 false},
        TailCase{"zero_bytes_are_just_bytes", Ten + std::string(3, '\0') + "\r\n", 0, {Jan5, 3'600'000}, "", 2, false},
        TailCase{"last_line_with_an_unreadable_date_gives_no_stamp",
                 Ten + "xx-05-2000 11:00:00.00 - b\r\n",
                 0,
                 {Jan5, 3'600'000},
                 "",
                 2,
                 false},
        TailCase{"cr_only_line_ends",
                 "01-05-2000 10:00:00.00 - a\r01-05-2000 11:00:00.00 - b\r",
                 0,
                 {Jan5, 3'960'000},
                 "",
                 2,
                 false},
        TailCase{"lf_only_line_ends",
                 "01-05-2000 10:00:00.00 - a\n01-05-2000 11:00:00.00 - b\n",
                 0,
                 {Jan5, 3'960'000},
                 "",
                 2,
                 false},
        TailCase{"no_line_end_at_all", std::string(500, 'z'), 0, {}, std::string(500, 'z'), 0, false},
        TailCase{"no_line_end_in_a_window", std::string(500, 'z'), 7, {}, std::string(500, 'z'), 0, true},
        TailCase{"garbage",
                 std::string(500, '\xFF') + "\r\n" + std::string(30, 'z'),
                 0,
                 {},
                 std::string(30, 'z'),
                 1,
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoredTail, CrWithoutItsLineFeedIsCompletedByTheNextAppend)
{
    EXPECT_TRUE(ScanStoredTail(Ten.substr(0, Ten.size() - 1), 0).Tail.EndsInLoneCr);
    EXPECT_FALSE(ScanStoredTail(Ten, 0).Tail.EndsInLoneCr);
}

}  // namespace
}  // namespace kellvar
