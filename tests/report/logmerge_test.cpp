// SPDX-License-Identifier: GPL-3.0-or-later
// Logs merged into one history, each line once, worked out by hand.

#include "report/logmerge.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace kellvar {
namespace {

using testing::ReadFile;
using testing::TempDir;

std::string Line(const char* time, const char* message)
{
    return std::string("01-05-2000 ") + time + " - " + message + "\r\n";
}

const std::string Dial = Line("10:00:00.00", "Dialing.");
const std::string HangUp = Line("10:05:00.00", "Hanging up the modem.");
const std::string Statistics = Line("10:05:00.00", "Session Statistics:");
const std::string Reads = Line("10:05:00.00", "   Reads : 100 bytes");
const std::string Later = Line("10:10:00.00", "Dialing.");
const std::string Latest = Line("10:15:00.00", "Dialing.");

struct TMerged {
    std::string Text;
    bool LastInterleaved = false;
};

// The logs merged oldest first, as kellvar-report merges the logs it is given.
TMerged Merge(std::initializer_list<std::string> logs)
{
    TempDir dir;
    const std::string output = dir.File("merged");
    const int outputFd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    TMerged merged;
    {
        TLogMerge merge(outputFd);
        int number = 0;
        for (const std::string& log : logs) {
            const std::string path = dir.Write("log" + std::to_string(++number), log);
            const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            EXPECT_TRUE(merge.Add(fd));
            ::close(fd);
            merged.LastInterleaved = merge.Interleaved();
        }
    }
    ::close(outputFd);
    merged.Text = ReadFile(output);
    return merged;
}

TEST(LogMerge, EachLineOnce)
{
    EXPECT_EQ(Merge({Dial + HangUp, Dial + HangUp}).Text, Dial + HangUp) << "a log given twice";
    EXPECT_EQ(Merge({Dial + HangUp + Statistics, HangUp + Statistics + Later}).Text, Dial + HangUp + Statistics + Later)
        << "a log that holds the history's last lines goes on after them";
    EXPECT_EQ(Merge({Dial + HangUp, Later + Latest}).Text, Dial + HangUp + Later + Latest) << "a newer log";
}

// A log that does not hold the history's end goes on with its first line the
// history lacks: of the newest stamp, only lines not among those of that stamp.
TEST(LogMerge, LinesOfTheNewestStampThatTheHistoryHolds)
{
    const TMerged merged = Merge({Dial + HangUp + Statistics, HangUp + Reads + Later});
    EXPECT_EQ(merged.Text, Dial + HangUp + Statistics + Reads + Later);
    EXPECT_FALSE(merged.LastInterleaved);
}

// The history's end is looked for as its last 64 lines: a log holding them
// twice goes on after the second, even where more of the history comes
// before the first.
TEST(LogMerge, ALogHoldingTheHistorysLastLinesTwiceGoesOnAfterTheSecond)
{
    std::string last64;
    for (int i = 1; i <= 64; ++i)
        last64 += Line("10:00:00.00", ("Line " + std::to_string(i)).c_str());
    const std::string before = Line("09:59:00.00", "Dialing.");
    const std::string history = before + last64;
    EXPECT_EQ(Merge({history, before + last64 + Later + last64 + Latest}).Text, history + Latest);
}

// A later run of all but the first of those lines is not the history's end:
// the log goes on after the whole run, and the shorter one is new to it.
TEST(LogMerge, TheLongestRunOfTheHistorysLastLinesMarksItsEnd)
{
    std::string last63;
    for (int i = 2; i <= 64; ++i)
        last63 += Line("10:00:00.00", ("Line " + std::to_string(i)).c_str());
    const std::string last64 = Line("10:00:00.00", "Line 1") + last63;
    EXPECT_EQ(Merge({last64, last64 + Later + last63 + Latest}).Text, last64 + Later + last63 + Latest);
}

TEST(LogMerge, ALogFromTheHistorysTimeThatDoesNotContinueItIsInterleaved)
{
    const std::string between = Line("10:07:00.00", "Dialing.");
    const TMerged merged = Merge({Dial + Later, between + Latest});
    EXPECT_EQ(merged.Text, Dial + Later + Latest) << "the line from between is left out";
    EXPECT_TRUE(merged.LastInterleaved);
    EXPECT_FALSE(Merge({Dial + Later, Later + Latest}).LastInterleaved);
}

// The same session logged in German: every line but the last ones falls in
// the time of the history's last lines, and those share its newest stamp.
// None of it goes in, or a second statistics block would open a session.
TEST(LogMerge, TheSameSessionInAnotherLanguageAddsNothing)
{
    const std::string german =
        Line("10:00:00.00", "Wählen.") + Line("10:04:00.00", "Verbindung hergestellt mit 49333bps.")
        + Line("10:05:00.00", "Modem wird aufgelegt.") + Line("10:05:00.00", "Sitzungsstatistik :")
        + Line("10:05:00.00", "       Gelesen: 100 Bytes");
    const std::string english = Dial + HangUp + Statistics + Reads;
    const TMerged merged = Merge({english, german});
    EXPECT_EQ(merged.Text, english);
    EXPECT_TRUE(merged.LastInterleaved);
    EXPECT_EQ(Merge({english, german + Later}).Text, english + Later) << "what is newer still goes in";
}

TEST(LogMerge, LinesEndInCrLfAndUnstampedLinesGoWithTheLineBefore)
{
    const std::string unstamped = "   Reads : 5 bytes\n";
    EXPECT_EQ(Merge({"01-05-2000 10:00:00.00 - Dialing.\n" + unstamped}).Text, Dial + "   Reads : 5 bytes\r\n");
}

}  // namespace
}  // namespace kellvar
