// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/core/analysis_helpers.h"

#include "lang/messages.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

using testing::AnalyseText;
using testing::EnglishSession;
using testing::LogLine;

const std::string Day = "01-05-2000 ";

struct CountersCase {
    const char* name;
    std::string log;
    int32_t tried;
    int32_t triedDialIns;
    int32_t successful;
    int32_t unclosed;
    size_t rows;
};

class SessionCountersTest : public ::testing::TestWithParam<CountersCase> {};

TEST_P(SessionCountersTest, CountsSessions)
{
    const CountersCase& c = GetParam();
    const TAnalysisStore store = AnalyseText(c.log);
    EXPECT_EQ(store.Counters().TriedConnects, c.tried);
    EXPECT_EQ(store.Counters().TriedDialIns, c.triedDialIns);
    EXPECT_EQ(store.Counters().SuccessfulConnects, c.successful);
    EXPECT_EQ(store.Counters().UnclosedEntries, c.unclosed);
    EXPECT_EQ(store.Table().RowCount(), c.rows);
    EXPECT_EQ(store.Points().Count(), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Logs, SessionCountersTest,
    ::testing::Values(
        CountersCase{"empty_file_has_no_session", "", 0, 0, 0, 0, 0},
        CountersCase{"one_complete_session", EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1, 2), 1, 1, 1,
                     0, 1},
        CountersCase{"trailing_empty_line_opens_one_more_session",
                     EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1, 2) + "\r\n", 2, 1, 1, 0, 1},
        CountersCase{"redial_within_four_seconds_keeps_the_session",
                     LogLine(Day + "09:59:57.00", "Dialing")
                         + EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1, 2),
                     1, 1, 1, 0, 1},
        CountersCase{"redial_after_five_seconds_gives_the_session_up",
                     LogLine(Day + "09:59:55.00", "Dialing")
                         + EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1, 2),
                     2, 2, 1, 1, 1},
        CountersCase{"session_given_up_after_connect_counts_as_successful",
                     LogLine(Day + "09:00:00.00", "Dialing") + LogLine(Day + "09:00:20.00", "Recv: CONNECT")
                         + EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1, 2),
                     2, 2, 2, 1, 1},
        CountersCase{"session_without_writes_is_emitted_at_end_of_file",
                     LogLine(Day + "10:00:00.00", "Dialing") + LogLine(Day + "10:00:20.00", "Recv: CONNECT"), 1, 1, 1,
                     0, 1},
        CountersCase{"failed_dial_with_statistics_closes_without_row",
                     LogLine(Day + "10:00:00.00", "Dialing") + LogLine(Day + "10:01:00.00", "Session Statistics:")
                         + LogLine(Day + "10:01:00.00", "   Reads : 0 bytes")
                         + LogLine(Day + "10:01:00.00", "   Writes: 0 bytes"),
                     1, 1, 0, 0, 0},
        CountersCase{"connect_without_dial_makes_no_row", LogLine(Day + "10:00:20.00", "Interpreted response: Connect"),
                     1, 0, 0, 0, 0},
        CountersCase{"writes_line_without_statistics_block_closes",
                     LogLine(Day + "10:00:00.00", "Dialing") + LogLine(Day + "10:00:20.00", "Recv: CONNECT")
                         + LogLine(Day + "10:10:00.00", "   Writes: 5 bytes") + LogLine(Day + "11:00:00.00", "Dialing"),
                     2, 2, 1, 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnalyseLogFile, EmitsTheWorkedSessionAsOneRow)
{
    const TAnalysisStore store =
        AnalyseText(EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1'800'000, 90'000));
    ASSERT_EQ(store.Records().size(), 1u);
    const TConnectionRecord& r = store.Records()[0];
    EXPECT_EQ(r.DialDuration, 2'550);
    EXPECT_EQ(r.ConnectionDuration, 180'000);
    EXPECT_EQ(r.ReadRate, 100'000);
    EXPECT_EQ(r.WriteRate, 5'000);
    EXPECT_EQ(r.Bps, 49'333);
    EXPECT_EQ(store.Table().Rows()[0][0], "0");
    EXPECT_EQ(store.Points().Values(ConnectionDurationSeries), std::vector<double>{1800});
}

TEST(AnalyseLogFile, RowsAreNumberedFromZeroInEveryRun)
{
    const std::string log = EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1, 2)
                            + EnglishSession("11:00:00.00", "11:00:25.50", "11:30:25.50", 1, 2);
    const TAnalysisStore store = AnalyseText(log);
    ASSERT_EQ(store.Table().RowCount(), 2u);
    EXPECT_EQ(store.Table().Rows()[0][0], "0");
    EXPECT_EQ(store.Table().Rows()[1][0], "1");
    EXPECT_EQ(store.Counters().RowNumber, 3);
}

TEST(AnalyseLogFile, LateOverrunCountLandsInTheLastRow)
{
    const std::string log = EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1, 2)
                            + LogLine(Day + "10:30:26.00", "Serial Overrun Errors: 3")
                            + LogLine(Day + "10:30:26.00", "Serial Overrun Errors: x");
    const TAnalysisStore store = AnalyseText(log);
    ASSERT_EQ(store.Table().RowCount(), 1u);
    const TRowCells& row = store.Table().Rows()[0];
    ASSERT_EQ(row.size(), 13u);
    EXPECT_EQ(row[11], "3");
    EXPECT_EQ(row[12], "?");
}

TEST(AnalyseLogFile, OverrunBeforeAnyRowHasNoEffect)
{
    const TAnalysisStore store = AnalyseText(LogLine(Day + "10:00:00.00", "Serial Overrun Errors: 3")
                                             + EnglishSession("10:00:10.00", "10:00:25.50", "10:30:25.50", 1, 2));
    ASSERT_EQ(store.Table().RowCount(), 1u);
    EXPECT_EQ(store.Table().Rows()[0].size(), 11u);
}

TEST(AnalyseLogFile, QuietRunsFillTheTableButNotTheCharts)
{
    TAnalysisFlags quiet;
    quiet.FQuiet = true;
    const TAnalysisStore store = AnalyseText(EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1, 2), quiet);
    EXPECT_EQ(store.Table().RowCount(), 1u);
    EXPECT_EQ(store.Points().Count(), 0u);
    EXPECT_FALSE(store.Figures().MeanConnectionTime);
    EXPECT_EQ(store.Figures().SumConnectionTime, "00:00:00.00");
}

TEST(AnalyseLogFile, PumpsEventsWhenSuccessfulConnectsPlusOneIsAMultipleOf16)
{
    std::string log;
    for (int i = 0; i < 20; ++i)
        log += EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1, 2);
    EXPECT_EQ(AnalyseText(log).EventPumps(), 1) << "once, after the 15th connection";
    TAnalysisFlags quiet;
    quiet.FQuiet = true;
    EXPECT_EQ(AnalyseText(log, quiet).EventPumps(), 0);
}

TEST(AnalyseLogFile, StopsAtTheRowLimit)
{
    std::string log;
    for (int i = 0; i < RowNumberLimit + 5; ++i)
        log += LogLine(Day + "10:00:00.00", "Dialing") + LogLine(Day + "10:00:20.00", "Recv: CONNECT")
               + LogLine(Day + "10:10:00.00", "   Writes: 5 bytes");
    const TAnalysisStore store = AnalyseText(log);
    EXPECT_EQ(store.Table().RowCount(), 32'766u);
    EXPECT_EQ(store.Counters().TriedConnects, 32'766);
}

TEST(AnalyseLogFile, ReadsLinuxLineEnds)
{
    std::string log = EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1, 2);
    std::erase(log, '\r');
    EXPECT_EQ(AnalyseText(log).Table().RowCount(), 1u);
}

TEST(AnalyseLogFile, ReadsGermanLogs)
{
    const std::string g = "05-14-2001 ";
    const std::string log = LogLine(g + "20:00:00.00", "W\xE4hlen.") + LogLine(g + "20:00:20.00", "Empfangen: CONNECT")
                            + LogLine(g + "20:00:21.00", "Verbindung hergestellt mit 44000bps.")
                            + LogLine(g + "20:10:20.00", "Modem aufh\xE4ngen.")
                            + LogLine(g + "20:10:20.00", "Sitzungsstatistik :")
                            + LogLine(g + "20:10:20.00", "       Gelesen: 60000 Bytes")
                            + LogLine(g + "20:10:20.00", "       Geschrieben: 6000 Bytes");
    const TAnalysisStore store = AnalyseText(log);
    ASSERT_EQ(store.Records().size(), 1u);
    EXPECT_EQ(store.Records()[0].ReadRate, 10'000);
    EXPECT_EQ(store.Records()[0].Bps, 44'000);
    EXPECT_EQ(store.Table().Rows()[0][1], "14.5.2001-20:00:20.00");
}

struct SizeCase {
    const char* name;
    size_t bytes;
    TAnalysisFlags flags;
    bool noSizeWarning;
    bool warned;
};

class SizeWarningTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeWarningTest, WarnsFromTheDriversLimitOn)
{
    const SizeCase& c = GetParam();
    TAnalysisFlags flags = c.flags;
    flags.NoSizeWarning = c.noSizeWarning;
    const TAnalysisStore store = AnalyseText(std::string(c.bytes, 'x'), flags);
    EXPECT_EQ(store.Messages().size(), c.warned ? 1u : 0u);
    if (c.warned) {
        EXPECT_EQ(store.Messages()[0].substr(0, 10), "The file \"");
    }
    EXPECT_EQ(store.Counters().LogFileBlocks, static_cast<int32_t>(c.bytes / 128));
}

TAnalysisFlags WithFlag(bool TAnalysisFlags::*flag)
{
    TAnalysisFlags flags;
    flags.*flag = true;
    return flags;
}

INSTANTIATE_TEST_SUITE_P(Sizes, SizeWarningTest,
                         ::testing::Values(SizeCase{"exactly_2000_blocks", 256'000, {}, false, false},
                                           SizeCase{"2001_blocks", 256'128, {}, false, true},
                                           SizeCase{"named_on_command_line", 256'128,
                                                    WithFlag(&TAnalysisFlags::FFileFromCommandLine), false, false},
                                           SizeCase{"opened_with_dialog", 256'128, {}, true, false},
                                           SizeCase{"quiet_total", 256'128, WithFlag(&TAnalysisFlags::FQuietTotal),
                                                    false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnalyseLogFile, NoSizeWarningEmptiesTheSizeNote)
{
    EXPECT_TRUE(AnalyseText("", {.NoSizeWarning = true}).MaxSizeNoteCleared());
    EXPECT_FALSE(AnalyseText("", {}).MaxSizeNoteCleared());
}

TEST(AnalyseLogFile, MissingFileShowsTheOpenFailureThenAnEmptySummary)
{
    for (const bool german : {false, true}) {
        TAnalysisStore store;
        TAnalysisFlags flags;
        flags.IsGerman = german;
        AnalyseLogFile("/nonexistent/ModemLog.txt", flags, store);
        ASSERT_EQ(store.Messages().size(), 1u);
        EXPECT_EQ(store.Messages()[0], german ? "Die Datei \"/nonexistent/ModemLog.txt\" konnte nicht geöffnet werden!"
                                              : "Could not open file \"/nonexistent/ModemLog.txt\".!");
        EXPECT_EQ(store.Figures().TriedConnects, "0");
        EXPECT_EQ(store.Figures().LogFileSize, "0Kbyte");
    }
}

TEST(AnalyseLogFile, QuietTotalSuppressesTheOpenFailure)
{
    TAnalysisStore store;
    AnalyseLogFile("/nonexistent/ModemLog.txt", WithFlag(&TAnalysisFlags::FQuietTotal), store);
    EXPECT_TRUE(store.Messages().empty());
    EXPECT_EQ(store.Figures().SumReadData, "0byte") << "the summary is shown all the same";
}

TEST(AnalysisMessages, AreWordedInBothLanguages)
{
    EXPECT_EQ(SizeWarningMessage("C:\\a.txt", false),
              "The file \"C:\\a.txt\" is larger than 250KByte!\rWindows adds no entries when log file size is over "
              "255KByte.\rYou should (e.g. for archiving) rename, move or delete the file.\rRefer to the manual for "
              "more information.");
    EXPECT_EQ(SizeWarningMessage("a", true),
              "Die Datei \"a\" ist länger als 250KByte!\rWindows fügt ab einer Länge von 255KByte keine Einträge mehr "
              "hinzu.\rSie sollten die Datei (z.B. für Archivzwecke) jetzt umbenennen, verschieben oder löschen!\r"
              "Weitere Informationen in der Hilfe.");
    EXPECT_EQ(AllTimeLogWriteAccessMessage("/x/kellvar.ATL", false),
              "The file \"/x/kellvar.ATL\" couldn't be opened for write-access.\rHence the All-Time-Log will not be "
              "updated.");
    EXPECT_EQ(AllTimeLogWriteAccessMessage("k.ATL", true),
              "Die Datei \"k.ATL\" konnte nicht für Schreibzugriffe geöffnet werden.\rDas All-Time-Log wird daher "
              "nicht aktualisiert.");
}

}  // namespace
}  // namespace kellvar
