// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sessionrules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kellvar {
namespace {

// Applies one line to the record the way the analysis does.
TLineOutcome Apply(TConnectionRecord& record, const std::string& line)
{
    return HandleLogLine(record, line, MatchLogLine(line), ReadLineStamp(line));
}

std::string At(const std::string& time, const std::string& message)
{
    return "01-05-2000 " + time + " - " + message;
}

TEST(SessionRules, WorkedSessionOnOneDay)
{
    TConnectionRecord r;
    Apply(r, At("10:00:00.00", "Dialing"));
    Apply(r, At("10:00:25.50", "Recv: CONNECT"));
    Apply(r, At("10:30:25.50", "Hanging up the modem"));
    EXPECT_FALSE(Apply(r, At("10:30:26.00", "   Reads : 1800000 bytes")).SessionClosed);
    EXPECT_TRUE(Apply(r, At("10:30:26.00", "   Writes: 90000 bytes")).SessionClosed);

    EXPECT_EQ(r.DialDuration, 2'550);
    EXPECT_EQ(r.ConnectionDuration, 180'000);
    EXPECT_EQ(r.BytesRead, 1'800'000);
    EXPECT_EQ(r.BytesWritten, 90'000);
    EXPECT_EQ(r.ReadRate, 100'000);
    EXPECT_EQ(r.WriteRate, 5'000);
    EXPECT_EQ(r.DialDateParts, (TDateParts{2000, 1, 5}));
    EXPECT_EQ(r.HangUpTime, 10 * 360'000 + 30 * 6'000 + 2'550);
}

// The number as a modem dials it, whichever way the command spells it.
TEST(SessionRules, DialCommandsGiveTheNumberAModemDials)
{
    for (const char* command : {"Send: ATDT0191234<cr>", "Send: ATDP019-1234<cr>", "Send: ATDT 0191234<cr>",
                                "Send: atdt0191234<cr>", "Send: ATD(019) 1234<cr>", "Sende: ATDT0191234;<cr>",
                                "Send: ATDT019,W1234@<cr>", "Send: ATDT019/12 34<cr>"}) {
        TConnectionRecord r;
        Apply(r, At("10:00:00.00", command));
        EXPECT_EQ(r.DialledNumber, "0191234") << command;
    }
    TConnectionRecord hidden;
    Apply(hidden, At("10:00:00.00", "Send: ATDT##########<cr>"));
    EXPECT_EQ(hidden.DialledNumber, "##########");
    EXPECT_EQ(MatchLogLine(At("10:00:00.00", "Send: ATH<cr>")).Kind, HangUpCommand) << "no dial command";
    EXPECT_EQ(MatchLogLine(At("10:00:00.00", "Send: ATZ<cr>")).Kind, NotRecognised);
}

TEST(SessionRules, ClearedRecordHasNoOverrunCount)
{
    TConnectionRecord r;
    r.BytesRead = 5;
    r.OverrunErrors = 3;
    r.Clear();
    EXPECT_EQ(r, TConnectionRecord{});
    EXPECT_EQ(r.OverrunErrors, -1);
}

TEST(SessionRules, ConnectionEstablishedOnlyFillsWhatIsMissing)
{
    TConnectionRecord r;
    Apply(r, At("10:00:00.00", "Dialing"));
    Apply(r, At("10:00:20.00", "Interpreted response: Connect"));
    Apply(r, At("10:00:21.00", "Connection established at 28800bps."));
    EXPECT_EQ(r.ConnectTime, 10 * 360'000 + 2'000);
    EXPECT_EQ(r.DialDuration, 2'000);
    Apply(r, At("10:00:22.00", "Recv: CONNECT"));
    EXPECT_EQ(r.DialDuration, 2'200) << "a connect response always stamps";
}

struct SpeedCase {
    const char* name;
    const char* message;
    int32_t bps;
};

class ConnectionSpeedTest : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(ConnectionSpeedTest, ReadsTheNumberBeforeBps)
{
    TConnectionRecord r;
    r.Bps = 1234;
    Apply(r, At("10:00:21.00", GetParam().message));
    EXPECT_EQ(r.Bps, GetParam().bps);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ConnectionSpeedTest,
    ::testing::Values(SpeedCase{"digits_then_bps_and_stop", "Connection established at 28800bps.", 28800},
                      SpeedCase{"digits_blank_bps", "Connection established at 28800 bps", 28800},
                      SpeedCase{"german", "Verbindung hergestellt mit 115200bps.", 115200},
                      SpeedCase{"no_bps_keeps_value", "Connection established at 28800", 1234},
                      SpeedCase{"not_a_number_keeps_value", "Connection established at fastbps", 1234},
                      // " bps" wins over an earlier "bps": the text before it is no number.
                      SpeedCase{"blank_bps_after_a_bare_bps", "Connection established at 28800bps or 9600 bps", 1234},
                      SpeedCase{"first_blank_bps_of_two_units", "Connection established at 28800 bps, was 9600bps",
                                28800}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SessionRules, ByteCountsAddUpAndIgnoreCase)
{
    TConnectionRecord r;
    Apply(r, At("10:00:00.00", "       Gelesen: 1000 Bytes"));
    Apply(r, At("10:00:00.00", "       Gelesen: 24 Bytes"));
    EXPECT_EQ(r.BytesRead, 1024);
}

// The count stands between the label and the first " bytes" of the line, in
// any letter case; a unit before the label leaves the count alone.
TEST(SessionRules, ByteCountEndsAtTheFirstUnit)
{
    const std::vector<std::pair<std::string, int32_t>> cases = {
        {"   Reads : 7 BYTES", 7},        {"   Reads : 7 bYtEs and 9 bytes", 7}, {"   Reads : 7 byte", 0},
        {"   Reads : 7bytes", 0},         {"   Reads : 7 bytesbytes", 7},        {"   Reads : 7  bytes", 0},
        {"x bytes   Reads : 7 bytes", 0}, {"   Reads : bytes 7 bytes", 0},       {"   Reads : 12 bytes", 12},
    };
    for (const auto& [message, count] : cases) {
        TConnectionRecord r;
        Apply(r, At("10:00:00.00", message));
        EXPECT_EQ(r.BytesRead, count) << message;
    }
}

TEST(SessionRules, UnreadableWritesCountNeitherRatesNorCloses)
{
    TConnectionRecord r;
    Apply(r, At("10:00:00.00", "Recv: CONNECT"));
    Apply(r, At("10:01:40.00", "Hanging up the modem"));
    const TLineOutcome outcome = Apply(r, At("10:01:40.00", "   Writes: lots bytes"));
    EXPECT_FALSE(outcome.SessionClosed);
    EXPECT_EQ(r.WriteRate, 0);
}

TEST(SessionRules, WritesWithoutCountStillRateAndClose)
{
    TConnectionRecord r;
    Apply(r, At("10:00:00.00", "Recv: CONNECT"));
    Apply(r, At("10:01:40.00", "Hanging up the modem"));
    r.BytesWritten = 12'800;
    EXPECT_TRUE(Apply(r, At("10:01:40.00", "   Writes: ")).SessionClosed);
    EXPECT_EQ(r.WriteRate, 12'800);
}

TEST(SessionRules, ByteCountsPastTheFieldStayAtItsEnd)
{
    TConnectionRecord r;
    Apply(r, At("10:00:00.00", "   Reads : 2147483000 bytes"));
    Apply(r, At("10:00:00.00", "   Reads : 2147483000 bytes"));
    EXPECT_EQ(r.BytesRead, INT32_MAX);
}

struct TotalsCase {
    const char* name;
    const char* message;
    int32_t read;
    int32_t written;
};

class TotalsTest : public ::testing::TestWithParam<TotalsCase> {};

TEST_P(TotalsTest, ReadsBothTotalsOfOneLine)
{
    TConnectionRecord r;
    r.BytesRead = -1;
    r.BytesWritten = -1;
    Apply(r, At("10:00:00.00", GetParam().message));
    EXPECT_EQ(r.BytesRead, GetParam().read);
    EXPECT_EQ(r.BytesWritten, GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TotalsTest,
    ::testing::Values(TotalsCase{"driver_progress_line",
                                 "Read: Total: 579, Per/Sec: 16, Written: Total: 991, Per/Sec: 30", 579, 991},
                      TotalsCase{"german", "Gelesen: Gesamt: 5, Geschrieben: Gesamt: 7, x", 5, 7},
                      TotalsCase{"written_total_at_line_end", "Read: Total: 579, Written: Total: 991", 579, -1},
                      TotalsCase{"no_written_label", "Read: Total: 579, Per/Sec: 16", 579, -1},
                      TotalsCase{"unreadable_read_total", "Read: Total: x, Written: Total: 9, ", -1, 9},
                      TotalsCase{"negative_totals_ignored", "Read: Total: -5, Written: Total: -9, ", -1, -1},
                      TotalsCase{"no_comma", "Read: Total: 579", -1, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SessionRules, OverrunCountGoesToTheOpenRecordAfterItsHangUp)
{
    TConnectionRecord r;
    Apply(r, At("10:00:00.00", "Recv: CONNECT"));
    Apply(r, At("10:01:00.00", "Hanging up the modem"));
    EXPECT_FALSE(Apply(r, At("10:01:00.00", "Serial Overrun Errors: 3")).LateOverrunCell);
    EXPECT_EQ(r.OverrunErrors, 3);
}

TEST(SessionRules, OverrunCountOfAClosedSessionBecomesALateCell)
{
    TConnectionRecord fresh;
    EXPECT_EQ(Apply(fresh, At("10:01:00.00", "Serial Overrun Errors: 3")).LateOverrunCell, "3");
    EXPECT_EQ(Apply(fresh, At("10:01:00.00", "Serial Overrun Errors: many")).LateOverrunCell, "?");
    EXPECT_EQ(Apply(fresh, At("10:01:00.00", "Serial Overrun Errors: 3 (x)")).LateOverrunCell, "?")
        << "other characters within ten of the count";
    EXPECT_EQ(fresh.OverrunErrors, -1);
}

TEST(SessionRules, DialInterruptsAfterMoreThanFourSeconds)
{
    TConnectionRecord r;
    EXPECT_FALSE(DialInterruptsSession(r, 999'999)) << "an empty record is not open";
    Apply(r, At("10:00:00.00", "Dialing"));
    EXPECT_FALSE(DialInterruptsSession(r, ParseLogTime("10:00:03.00")));
    EXPECT_FALSE(DialInterruptsSession(r, ParseLogTime("10:00:04.00")));
    EXPECT_TRUE(DialInterruptsSession(r, ParseLogTime("10:00:04.01")));
    EXPECT_FALSE(DialInterruptsSession(r, ParseLogTime("09:00:00.00"))) << "negative differences never interrupt";
}

}  // namespace
}  // namespace kellvar
