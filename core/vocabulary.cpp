#include "vocabulary.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace kellvar {

namespace {

// For every byte, the vocabulary entries that begin with it, so one pass over
// the line finds the first occurrence of every entry.
struct TFirstByteIndex {
    std::array<uint32_t, 256> EntriesStartingWith{};

    constexpr TFirstByteIndex()
    {
        for (size_t entry = 0; entry < LogVocabulary.size(); ++entry)
            EntriesStartingWith[static_cast<unsigned char>(LogVocabulary[entry][0])] |= uint32_t{1} << entry;
    }
};

constexpr TFirstByteIndex FirstByteIndex;

bool OccursAt(std::string_view line, size_t position, std::string_view text)
{
    return line.size() - position >= text.size()
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
    std::array<size_t, LogVocabulary.size()> firstPosition{};
    uint32_t found = 0;
    for (size_t position = 0; position < line.size(); ++position) {
        uint32_t candidates =
            FirstByteIndex.EntriesStartingWith[static_cast<unsigned char>(line[position])] & ~found;
        while (candidates != 0) {
            const int entry = std::countr_zero(candidates);
            candidates &= candidates - 1;
            if (OccursAt(line, position, LogVocabulary[entry])) {
                found |= uint32_t{1} << entry;
                firstPosition[entry] = position;
            }
        }
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
