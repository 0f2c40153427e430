// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vocabulary.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

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

// The search starts after the stamp only where every digit place of the
// stamp holds a digit: an entry written over any of them is found.
TEST(MatchLogLine, AnEntryInThePlaceOfAStampDigitIsFound)
{
    const std::string stamp = "01-05-2000 10:00:00.00";
    for (const size_t place : {0, 1, 3, 4, 6, 7, 8, 9, 11, 12, 14, 15, 17, 18, 20, 21}) {
        const TLineMatch match = MatchLogLine(stamp.substr(0, place) + "Dialing" + std::string(20, 'x'));
        EXPECT_EQ(match.Kind, Dialing) << place;
        EXPECT_EQ(match.Position, place);
    }
}

TEST(MatchLogLine, FindsTheFirstOccurrenceOfAnEntry)
{
    const TLineMatch match = MatchLogLine("Dialing Dialing");
    EXPECT_EQ(match.Position, 0u);
}

// A run's matcher remembers outcomes by message text; it must give exactly
// what a search of each line gives, whatever came before.
void ExpectSameAsSearch(TLineMatcher& matcher, const std::string& line)
{
    const TLineMatch searched = MatchLogLine(line);
    const TLineMatch remembered = matcher.Match(line);
    EXPECT_EQ(remembered.Kind, searched.Kind) << line;
    if (searched.Found()) {
        EXPECT_EQ(remembered.Position, searched.Position) << line;
        EXPECT_EQ(remembered.End, searched.End) << line;
    }
}

TEST(LineMatcher, RemembersNothingThatASearchWouldNotFind)
{
    const std::vector<std::string> stamps = {"01-05-2000 10:00:00.00", "01-05-2000 10:00:00.004",
                                             "12-31-1999 23:59:59.99", "01-05-2000 10:00:00.0012345",
                                             "01-05-2000x10:00:00.00", "",
                                             "1-5-2000 10:00:00.00"};
    const std::vector<std::string> messages = {" - Dialing.",
                                               " - Send: ATDT0123<cr>",
                                               " - Recv: <cr><lf>CONNECT 49333<cr><lf>",
                                               " - CONNECT 49333",
                                               " - Interpreted response: Connect",
                                               " - Read: Total: 5, Written: Total: 7, ",
                                               " - Session Statistics:",
                                               " -    Reads : 1800000 bytes",
                                               " - Recv: NO CARRIER",
                                               " - NO CARRIER",
                                               " - Initializing modem.",
                                               "Dialing",
                                               "   Reads : 1 bytes",
                                               "01-05-2000 10:00:00.00 - Dialing",
                                               " - " + std::string(70, 'x') + "Dialing",
                                               " - " + std::string(61, 'x') + "Dialing",
                                               " - W\xE4hlen",
                                               " - Hanging up the modem. Send: ATDT",
                                               "",
                                               " "};
    TLineMatcher matcher;
    for (int round = 0; round < 2; ++round)
        for (const std::string& message : messages)
            for (const std::string& stamp : stamps)
                ExpectSameAsSearch(matcher, stamp + message);
}

TEST(LineMatcher, GivesWhatASearchGivesOverWholeLogs)
{
    for (const char* name :
         {"/examples/ModemLog.txt", "/examples/ModemLog-de.txt", "/tests/data/reallogs/nt4-incoming-excerpt.log",
          "/tests/data/reallogs/xp-gprs-excerpt.log"}) {
        std::ifstream file(std::string(KELLVAR_SOURCE_DIR) + name, std::ios::binary);
        ASSERT_TRUE(file) << name;
        TLineMatcher matcher;
        size_t lines = 0;
        for (std::string line; std::getline(file, line); ++lines) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            ExpectSameAsSearch(matcher, line);
        }
        EXPECT_GT(lines, 30u) << name;
    }
}

// Far more texts than the matcher keeps, differing in a few bytes only,
// replace each other in its sets.
TEST(LineMatcher, TextsThatReplaceEachOtherStayApart)
{
    TLineMatcher matcher;
    std::mt19937 random(3);
    const std::string alphabet = "Dialing CONNECT Recv: NO CARRIER Send: ATDT-";
    for (int i = 0; i < 20'000; ++i) {
        std::string middle(8, ' ');
        for (char& c : middle)
            c = alphabet[random() % alphabet.size()];
        ExpectSameAsSearch(matcher, "01-05-2000 10:00:00.00 - Recv: " + middle + " Dialing.");
    }
}

// Texts of every length, shorter than a word of eight bytes and longer than
// the longest kept, come and go in the same sets.
TEST(LineMatcher, TextsOfEveryLengthStayApart)
{
    TLineMatcher matcher;
    std::mt19937 random(5);
    const std::vector<std::string> pieces = {"Dialing", "CONNECT", "Recv: ", "NO CARRIER", " ", "x", "   Reads : "};
    for (int i = 0; i < 20'000; ++i) {
        std::string text;
        while (text.size() < random() % 70)
            text += pieces[random() % pieces.size()];
        ExpectSameAsSearch(matcher, "01-05-2000 10:00:00.00 - " + text.substr(0, random() % (text.size() + 1)));
    }
}

TEST(Vocabulary, HasFifteenEnglishAndFifteenGermanEntries)
{
    EXPECT_EQ(LogVocabulary.size(), 30u);
    EXPECT_EQ(LogVocabulary[15 + Writes - 1].Text, "       Geschrieben: ");
    EXPECT_EQ(LogVocabulary[15 + Writes - 1].Kind, Writes);
    EXPECT_EQ(LogVocabulary[Reads - 1].Text, "   Reads : ");
    EXPECT_EQ(LogVocabulary[Reads - 1].Language, TLanguage::English);
}

}  // namespace
}  // namespace kellvar
