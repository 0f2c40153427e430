#include "vocabulary.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace kellvar {

namespace {

// For every byte, the vocabulary entries that begin with it.
struct TFirstByteIndex {
    std::array<uint32_t, 256> EntriesStartingWith{};

    constexpr TFirstByteIndex()
    {
        for (size_t entry = 0; entry < LogVocabulary.size(); ++entry)
            EntriesStartingWith[static_cast<unsigned char>(LogVocabulary[entry][0])] |= uint32_t{1} << entry;
    }
};

constexpr TFirstByteIndex FirstByteIndex;

constexpr size_t ShortestEntry = std::ranges::min(LogVocabulary, {}, &std::string_view::size).size();

unsigned Bigram(const char* at)
{
    return static_cast<unsigned>(static_cast<unsigned char>(at[0])) << 8 | static_cast<unsigned char>(at[1]);
}

// How far a window of ShortestEntry bytes may move on, given the two bytes at
// its end, without stepping over the start of any entry (Wu-Manber with
// bigrams): most windows of driver chatter skip several bytes at once.
struct TBigramShifts {
    std::array<uint8_t, 65536> Shift{};

    TBigramShifts()
    {
        Shift.fill(ShortestEntry - 1);
        for (std::string_view entry : LogVocabulary)
            for (size_t j = 1; j < ShortestEntry; ++j) {
                uint8_t& shift = Shift[Bigram(entry.data() + j - 1)];
                shift = std::min<uint8_t>(shift, static_cast<uint8_t>(ShortestEntry - 1 - j));
            }
    }
};

const TBigramShifts BigramShifts;

// The first byte is known to match; the second one settles most candidates without a call.
bool OccursAt(std::string_view line, size_t position, std::string_view text)
{
    return line.size() - position >= text.size() && line[position + 1] == text[1]
           && std::memcmp(line.data() + position, text.data(), text.size()) == 0;
}

bool ContainsReceivedMarker(std::string_view line)
{
    for (std::string_view marker : ReceivedMarkers)
        if (line.find(marker) != std::string_view::npos)
            return true;
    return false;
}

}  // namespace

TLineMatch MatchLogLine(std::string_view line)
{
    std::array<size_t, LogVocabulary.size()> firstPosition;  // read only where found has the bit
    uint32_t found = 0;
    const auto tryEntriesAt = [&](size_t position) {
        uint32_t candidates = FirstByteIndex.EntriesStartingWith[static_cast<unsigned char>(line[position])] & ~found;
        while (candidates != 0) {
            const int entry = std::countr_zero(candidates);
            candidates &= candidates - 1;
            if (OccursAt(line, position, LogVocabulary[entry])) {
                found |= uint32_t{1} << entry;
                firstPosition[entry] = position;
            }
        }
    };
    // Windows are visited left to right, so the first hit of an entry is its first occurrence.
    for (size_t end = ShortestEntry - 1; end < line.size();) {
        const uint8_t shift = BigramShifts.Shift[Bigram(line.data() + end - 1)];
        if (shift != 0) {
            end += shift;
            continue;
        }
        tryEntriesAt(end + 1 - ShortestEntry);
        ++end;
    }
    if (found == 0)
        return {};

    const int entry = std::countr_zero(found);
    const auto kind = static_cast<TMessageKind>(entry % MessageKindCount + 1);
    if ((kind == ConnectResponse || kind == NoCarrier) && !ContainsReceivedMarker(line))
        return {};
    return {kind, firstPosition[entry], firstPosition[entry] + LogVocabulary[entry].size()};
}

}  // namespace kellvar
