// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged, foreign and hostile input: always a clear result, never a crash or a hang.

#include "tests/core/analysis_helpers.h"

#include <gtest/gtest.h>

#include <random>

namespace kellvar {
namespace {

using testing::AnalyseText;
using testing::EnglishSession;
using testing::LogLine;
using testing::TempDir;

const std::string Session = EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1'000, 100);

TEST(BadInput, DirectoryIsAFileThatCannotBeOpened)
{
    TempDir dir;
    TAnalysisStore store;
    AnalyseLogFile(dir.Path(), {}, store);
    ASSERT_EQ(store.Messages().size(), 1u);
    EXPECT_EQ(store.Messages()[0], "Could not open file \"" + dir.Path() + "\".!");
}

TEST(BadInput, RandomBinaryGarbage)
{
    std::mt19937 random(7);
    std::string garbage(1 << 20, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    const TAnalysisStore store = AnalyseText(garbage + Session + garbage, {.NoSizeWarning = true});
    EXPECT_TRUE(store.Messages().empty());
    EXPECT_GE(store.Counters().TriedConnects, 1);
}

TEST(BadInput, NulBytesInsideLines)
{
    std::string log = Session;
    log.insert(log.find("Dialing"), std::string("\0\0", 2));
    EXPECT_EQ(AnalyseText(log).Table().RowCount(), 1u);
}

TEST(BadInput, HundredMegabytesWithoutLineEnd)
{
    const TAnalysisStore store = AnalyseText(std::string(100 << 20, 'A') + "Dialing");
    EXPECT_EQ(store.Counters().TriedConnects, 1);
    EXPECT_EQ(store.Counters().TriedDialIns, 0) << "the overlong line is cut before its end";
    EXPECT_EQ(store.Counters().LogFileBlocks, (100 << 20) / 128);
}

TEST(BadInput, MegabyteLinesAroundSessions)
{
    const std::string noise = std::string(1 << 20, ' ') + "\r\n";
    EXPECT_EQ(AnalyseText(noise + Session + noise + Session).Table().RowCount(), 2u);
}

TEST(BadInput, LinesShorterThanAStamp)
{
    const TAnalysisStore store = AnalyseText("Dialing\r\nRecv: CONNECT\r\n1\r\n\r\n");
    EXPECT_EQ(store.Table().RowCount(), 0u) << "no stamp, no dial date";
    EXPECT_EQ(store.Counters().TriedDialIns, 0);
}

TEST(BadInput, DamagedStampsReadAsNotSeen)
{
    const std::string log =
        LogLine("0x-05-2000 10:00:00.00", "Dialing") + LogLine("01-05-2000 10:00:20.00", "Recv: CONNECT");
    const TAnalysisStore store = AnalyseText(log);
    EXPECT_EQ(store.Table().RowCount(), 0u) << "the damaged dial date counts as no dial";
    EXPECT_EQ(store.Counters().TriedDialIns, 0);
}

TEST(BadInput, InvalidUtf8AndWindows1252Bytes)
{
    const std::string log = LogLine("01-05-2000 09:00:00.00", "\xFF\xFE\xC3(\x80 Sende \xE4\xF6\xFC") + Session;
    EXPECT_EQ(AnalyseText(log).Table().RowCount(), 1u);
}

TEST(BadInput, TextAfterCtrlZIsIgnored)
{
    const TAnalysisStore store = AnalyseText(Session + "\x1A" + Session);
    EXPECT_EQ(store.Table().RowCount(), 1u);
    EXPECT_EQ(store.Counters().TriedConnects, 1);
}

TEST(BadInput, LogCutOffMidLineWhileBeingWritten)
{
    const std::string log = Session + "01-05-2000 11:00:00.00 - Dial";
    const TAnalysisStore store = AnalyseText(log);
    EXPECT_EQ(store.Table().RowCount(), 1u);
    EXPECT_EQ(store.Counters().TriedConnects, 2);
}

TEST(BadInput, FileGrowingDuringTheRunIsReadToWhereverItEnds)
{
    TempDir dir;
    const std::string path = dir.Write("log", Session);
    class GrowingStore : public TAnalysisStore {
    public:
        explicit GrowingStore(std::string path) : path_(std::move(path)) {}
        void AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber) override
        {
            TAnalysisStore::AddConnectionRow(record, rowNumber);
            if (rowNumber > 1)
                return;
            std::FILE* file = std::fopen(path_.c_str(), "ab");
            std::fputs(Session.c_str(), file);
            std::fclose(file);
        }

    private:
        std::string path_;
    } store(path);
    AnalyseLogFile(path, {}, store);
    EXPECT_TRUE(store.Messages().empty());
    EXPECT_EQ(store.Table().RowCount(), 2u) << "the session written meanwhile is read too";
}

}  // namespace
}  // namespace kellvar
