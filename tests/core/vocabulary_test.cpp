#include "core/vocabulary.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

struct MatchCase {
    const char* name;
    std::string line;
    TMessageKind kind;
};

class MatchLogLineTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(MatchLogLineTest, RecognisesTheDriversMessages)
{
    EXPECT_EQ(MatchLogLine(GetParam().line).Kind, GetParam().kind);
}

const std::string Stamp = "01-05-2000 10:00:00.00 - ";

INSTANTIATE_TEST_SUITE_P(
    Lines, MatchLogLineTest,
    ::testing::Values(
        MatchCase{"english_dialing", Stamp + "Dialing.", Dialing},
        MatchCase{"german_dialing_in_windows_1252", Stamp + "W\xE4hlen.", Dialing},
        MatchCase{"german_dialing_in_utf8_is_foreign", Stamp + "W\xC3\xA4hlen.", NotRecognised},
        MatchCase{"dial_command", Stamp + "Send: ATDT0123<cr>", DialCommand},
        MatchCase{"german_dial_command", Stamp + "Sende: ATDT0123<cr>", DialCommand},
        MatchCase{"received_connect", Stamp + "Recv: <cr><lf>CONNECT 49333<cr><lf>", ConnectResponse},
        MatchCase{"german_received_connect", Stamp + "Empfangen: CONNECT<cr>", ConnectResponse},
        MatchCase{"bare_connect_stops_the_search", Stamp + "CONNECT Interpreted response: Connect", NotRecognised},
        MatchCase{"connect_response_wins_over_interpreted", Stamp + "Recv: CONNECT Interpreted response: Connect",
                  ConnectResponse},
        MatchCase{"interpreted_connect", Stamp + "Interpreted response: Connect", InterpretedConnect},
        MatchCase{"german_interpreted_connect", Stamp + "Interpretierte Antwort: Connect", InterpretedConnect},
        MatchCase{"established", Stamp + "Connection established at 28800bps.", ConnectionEstablished},
        MatchCase{"german_established", Stamp + "Verbindung hergestellt mit 28800bps.", ConnectionEstablished},
        MatchCase{"totals", Stamp + "Read: Total: 579, Per/Sec: 16, Written: Total: 991, Per/Sec: 30",
                  ReadWrittenTotals},
        MatchCase{"german_totals", Stamp + "Gelesen: Gesamt: 5, Geschrieben: Gesamt: 7, ", ReadWrittenTotals},
        MatchCase{"hanging_up", Stamp + "Hanging up the modem.", HangingUp},
        MatchCase{"german_hanging_up", Stamp + "Modem aufh\xE4ngen.", HangingUp},
        MatchCase{"hardware_hangup", Stamp + "Hardware hangup by lowering DTR.", HardwareHangUp},
        MatchCase{"german_hardware_hangup", Stamp + "Modem hat nach DTR-Signal aufgeh\xE4ngt.", HardwareHangUp},
        MatchCase{"received_no_carrier", Stamp + "Recv: <cr><lf>NO CARRIER<cr><lf>", NoCarrier},
        MatchCase{"bare_no_carrier", Stamp + "NO CARRIER", NotRecognised},
        MatchCase{"interpreted_no_carrier", Stamp + "Interpreted response: No Carrier", InterpretedNoCarrier},
        MatchCase{"hang_up_command", Stamp + "Send: ATH<cr>", HangUpCommand},
        MatchCase{"german_hang_up_command_needs_literal_cr", Stamp + "Sende: ATH<cr>", HangUpCommand},
        MatchCase{"german_hang_up_without_cr_text", Stamp + "Sende: ATH", NotRecognised},
        MatchCase{"statistics", Stamp + "Session Statistics:", SessionStatistics},
        MatchCase{"german_statistics_blank_before_colon", Stamp + "Sitzungsstatistik :", SessionStatistics},
        MatchCase{"reads", Stamp + "   Reads : 1800000 bytes", Reads},
        MatchCase{"reads_needs_three_blanks", Stamp + "x  Reads : 1800000 bytes", NotRecognised},
        MatchCase{"german_reads", Stamp + "       Gelesen: 10 Bytes", Reads},
        MatchCase{"writes", Stamp + "   Writes: 90000 bytes", Writes},
        MatchCase{"german_writes", Stamp + "       Geschrieben: 10 Bytes", Writes},
        MatchCase{"overrun", Stamp + "Serial Overrun Errors: 3", SerialOverrun},
        MatchCase{"case_matters", Stamp + "dialing", NotRecognised},
        MatchCase{"chatter", Stamp + "Initializing modem.", NotRecognised}, MatchCase{"empty", "", NotRecognised}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MatchLogLine, GivesThePositionOfTheMatchAndAfterIt)
{
    const TLineMatch match = MatchLogLine(Stamp + "Connection established at 28800bps.");
    EXPECT_EQ(match.Position, Stamp.size());
    EXPECT_EQ(match.End, Stamp.size() + std::string("Connection established at ").size());
}

TEST(MatchLogLine, LowerEntryWinsWhereverItStands)
{
    // "Dialing" (entry 1) wins over an earlier "Send: ATDT" (entry 2).
    const TLineMatch match = MatchLogLine(Stamp + "Send: ATDT Dialing");
    EXPECT_EQ(match.Kind, Dialing);
    EXPECT_EQ(match.Position, Stamp.size() + 11);
}

TEST(MatchLogLine, FindsTheFirstOccurrenceOfAnEntry)
{
    const TLineMatch match = MatchLogLine("Dialing Dialing");
    EXPECT_EQ(match.Position, 0u);
}

TEST(Vocabulary, HasFifteenEnglishAndFifteenGermanEntries)
{
    EXPECT_EQ(LogVocabulary.size(), 30u);
    EXPECT_EQ(LogVocabulary[15 + Writes - 1], "       Geschrieben: ");
    EXPECT_EQ(LogVocabulary[Reads - 1], "   Reads : ");
}

}  // namespace
}  // namespace kellvar
