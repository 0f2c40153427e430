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

// The driver's wording, English entries 1-15 then their German counterparts 16-30,
// as Windows-1252 bytes. Order matters: the first entry found in a line wins.
inline constexpr std::array<std::string_view, 2 * MessageKindCount> LogVocabulary = {
    "Dialing",
    "Send: ATDT",
    "CONNECT",
    "Interpreted response: Connect",
    "Connection established at ",
    "- Read: Total: ",
    "Hanging up the modem",
    "Hardware hangup by lowering DTR",
    "NO CARRIER",
    "Interpreted response: No Carrier",
    "Send: ATH",
    "Session Statistics:",
    "   Reads : ",
    "   Writes: ",
    "Serial Overrun Errors: ",
    "W\xE4hlen",
    "Sende: ATDT",
    "CONNECT",
    "Interpretierte Antwort: Connect",
    "Verbindung hergestellt mit ",
    "- Gelesen: Gesamt: ",
    "Modem aufh\xE4ngen",
    "Modem hat nach DTR-Signal aufgeh\xE4ngt",
    "NO CARRIER",
    "Interpretierte Antwort: No Carrier",
    "Sende: ATH<cr>",
    "Sitzungsstatistik :",
    "       Gelesen: ",
    "       Geschrieben: ",
    "Serial Overrun Errors: ",
};

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
    static constexpr size_t SlotCount = 256;
    static constexpr size_t LongestKept = 64;

    struct TSlot {
        uint8_t Length = 0;
        bool Used = false;
        TMessageKind Kind = NotRecognised;
        uint8_t Position = 0;  // from the start of the message text
        uint8_t End = 0;
        std::array<char, LongestKept> Text{};
    };

    std::array<TSlot, SlotCount> slots_{};
};

}  // namespace kellvar
