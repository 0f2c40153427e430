// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kellvar {

// Message kinds of the modem driver, numbered as in the vocabulary below.
enum TMessageKind : int {
    NotRecognised = 0,
    Dialing = 1,
    DialCommand = 2,
    ConnectResponse = 3,
    InterpretedConnect = 4,
    ConnectionEstablished = 5,
    ReadWrittenTotals = 6,
    HangingUp = 7,
    HardwareHangUp = 8,
    NoCarrier = 9,
    InterpretedNoCarrier = 10,
    HangUpCommand = 11,
    SessionStatistics = 12,
    Reads = 13,
    Writes = 14,
    SerialOverrun = 15,
};

inline constexpr int MessageKindCount = 15;

enum class TLanguage { English, German };

// One wording of the driver's: its text (Windows-1252 bytes), the kind of
// message it marks, and the language of the driver that writes it.
struct TVocabularyEntry {
    std::string_view Text;
    TMessageKind Kind;
    TLanguage Language;
};

// The driver's wording, the English entries then their German counterparts.
// Order matters: the first entry found in a line wins.
inline constexpr std::array<TVocabularyEntry, 2 * MessageKindCount> LogVocabulary = {{
    {"Dialing", Dialing, TLanguage::English},
    {"Send: ATDT", DialCommand, TLanguage::English},
    {"CONNECT", ConnectResponse, TLanguage::English},
    {"Interpreted response: Connect", InterpretedConnect, TLanguage::English},
    {"Connection established at ", ConnectionEstablished, TLanguage::English},
    {"- Read: Total: ", ReadWrittenTotals, TLanguage::English},
    {"Hanging up the modem", HangingUp, TLanguage::English},
    {"Hardware hangup by lowering DTR", HardwareHangUp, TLanguage::English},
    {"NO CARRIER", NoCarrier, TLanguage::English},
    {"Interpreted response: No Carrier", InterpretedNoCarrier, TLanguage::English},
    {"Send: ATH", HangUpCommand, TLanguage::English},
    {"Session Statistics:", SessionStatistics, TLanguage::English},
    {"   Reads : ", Reads, TLanguage::English},
    {"   Writes: ", Writes, TLanguage::English},
    {"Serial Overrun Errors: ", SerialOverrun, TLanguage::English},
    {"W\xE4hlen", Dialing, TLanguage::German},
    {"Sende: ATDT", DialCommand, TLanguage::German},
    {"CONNECT", ConnectResponse, TLanguage::German},
    {"Interpretierte Antwort: Connect", InterpretedConnect, TLanguage::German},
    {"Verbindung hergestellt mit ", ConnectionEstablished, TLanguage::German},
    {"- Gelesen: Gesamt: ", ReadWrittenTotals, TLanguage::German},
    {"Modem aufh\xE4ngen", HangingUp, TLanguage::German},
    {"Modem hat nach DTR-Signal aufgeh\xE4ngt", HardwareHangUp, TLanguage::German},
    {"NO CARRIER", NoCarrier, TLanguage::German},
    {"Interpretierte Antwort: No Carrier", InterpretedNoCarrier, TLanguage::German},
    {"Sende: ATH<cr>", HangUpCommand, TLanguage::German},
    {"Sitzungsstatistik :", SessionStatistics, TLanguage::German},
    {"       Gelesen: ", Reads, TLanguage::German},
    {"       Geschrieben: ", Writes, TLanguage::German},
    {"Serial Overrun Errors: ", SerialOverrun, TLanguage::German},
}};

// Each kind has exactly one wording in each language.
constexpr bool EveryKindOncePerLanguage()
{
    for (int kind = 1; kind <= MessageKindCount; ++kind)
        for (const TLanguage language : {TLanguage::English, TLanguage::German}) {
            int found = 0;
            for (const TVocabularyEntry& entry : LogVocabulary)
                found += entry.Kind == kind && entry.Language == language ? 1 : 0;
            if (found != 1)
                return false;
        }
    return true;
}
static_assert(EveryKindOncePerLanguage(), "a kind without its wording, or with two, in a language");

// A bare "CONNECT" or "NO CARRIER" counts only as a modem response the driver received.
inline constexpr std::array<std::string_view, 2> ReceivedMarkers = {"Recv: ", "Empfangen: "};

struct TLineMatch {
    TMessageKind Kind = NotRecognised;
    size_t Position = 0;  // offset of the matched text in the line
    size_t End = 0;       // offset right after it

    bool Found() const { return Kind != NotRecognised; }
};

TLineMatch MatchLogLine(std::string_view line);

// MatchLogLine for a run over a whole log. The driver writes the same few
// dozen messages again and again, so the matcher keeps the last outcome for
// each message text it has seen (the text after the stamp, which alone decides
// the outcome) and gives it again without a search.
class TLineMatcher {
public:
    TLineMatch Match(std::string_view line);

private:
    // Texts are kept in sets of four by their hash: a text written once
    // (a session's byte counts) takes the place of one not asked for since
    // the set was last full, so the recurring texts stay however many
    // unique ones pass.
    static constexpr int SetBits = 7;
    static constexpr size_t SetCount = size_t{1} << SetBits;
    static constexpr size_t Ways = 4;
    static constexpr size_t LongestKept = 64;

    struct TSlot {
        uint8_t Length = 0;
        bool AskedAgain = false;
        TMessageKind Kind = NotRecognised;
        uint8_t Position = 0;  // from the start of the message text
        uint8_t End = 0;
        std::array<char, LongestKept> Text{};
    };

    // Each set's hashes lie together, apart from the texts, so that a look
    // at a set reads one cache line; 0 marks a free place.
    using THashes = std::array<uint64_t, Ways>;
    using TSlots = std::array<TSlot, Ways>;

    static size_t PlaceFor(const THashes& hashes, TSlots& slots);

    std::array<THashes, SetCount> hashes_{};
    std::array<TSlots, SetCount> slots_{};
};

}  // namespace kellvar
