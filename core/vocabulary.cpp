// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kellvar {

namespace {

// For every byte, the vocabulary entries that begin with it.
struct TFirstByteIndex {
    std::array<uint32_t, 256> EntriesStartingWith{};

    constexpr TFirstByteIndex()
    {
        for (size_t entry = 0; entry < LogVocabulary.size(); ++entry)
            EntriesStartingWith[static_cast<unsigned char>(LogVocabulary[entry].Text[0])] |= uint32_t{1} << entry;
    }
};

constexpr TFirstByteIndex FirstByteIndex;

constexpr size_t ShortestEntry =
    std::ranges::min(LogVocabulary, {}, [](const TVocabularyEntry& e) { return e.Text.size(); }).Text.size();

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
        for (const TVocabularyEntry& entry : LogVocabulary)
            for (size_t j = 1; j < ShortestEntry; ++j) {
                uint8_t& shift = Shift[Bigram(entry.Text.data() + j - 1)];
                shift = std::min<uint8_t>(shift, static_cast<uint8_t>(ShortestEntry - 1 - j));
            }
    }
};

const TBigramShifts BigramShifts;

uint64_t Load8(const char* at)
{
    uint64_t bytes = 0;
    std::memcpy(&bytes, at, 8);
    return bytes;
}

// The first byte is known to match. Compared here eight bytes at a time: the
// entries are a few dozen bytes, too short to be worth a call to memcmp.
bool OccursAt(std::string_view line, size_t position, std::string_view text)
{
    if (line.size() - position < text.size())
        return false;
    const char* at = line.data() + position;
    size_t i = 1;
    for (; i + 8 <= text.size(); i += 8)
        if (Load8(at + i) != Load8(text.data() + i))
            return false;
    for (; i < text.size(); ++i)
        if (at[i] != text[i])
            return false;
    return true;
}

// The driver's stamp "MM-DD-YYYY hh:mm:ss.cc": where its digits stand.
constexpr std::array<size_t, 16> StampDigits = {0, 1, 3, 4, 6, 7, 8, 9, 11, 12, 14, 15, 17, 18, 20, 21};
constexpr size_t StampLength = 22;

constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// No entry has a digit among its first two bytes, so none can begin in a
// stamp whose digit places all hold digits: a match must begin after it.
constexpr bool NoEntryBeginsWithADigitPair()
{
    for (const TVocabularyEntry& entry : LogVocabulary)
        if (IsDigit(entry.Text[0]) || IsDigit(entry.Text[1]))
            return false;
    return true;
}
static_assert(NoEntryBeginsWithADigitPair());

// Bit i set for each digit place i of the stamp below 16, and for each one
// from 16 on counted from the second look at bytes 6 to 21.
constexpr unsigned DigitPlaces(size_t from)
{
    unsigned bits = 0;
    for (const size_t at : StampDigits)
        if (at >= from && at < from + 16)
            bits |= 1u << (at - from);
    return bits;
}

bool StampDigitsPresent(const char* stamp)
{
#if defined(__SSE2__)
    // Bytes '0' to '9' moved to the bottom of the signed range: the digits are
    // what then lies below its tenth value.
    const auto digits = [](const char* at) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i moved = _mm_sub_epi8(bytes, _mm_set1_epi8(static_cast<char>('0' + 128)));
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmplt_epi8(moved, _mm_set1_epi8(-128 + 10))));
    };
    constexpr size_t SecondLook = StampLength - 16;
    return (digits(stamp) & DigitPlaces(0)) == DigitPlaces(0)
           && (digits(stamp + SecondLook) & DigitPlaces(SecondLook)) == DigitPlaces(SecondLook);
#else
    return std::ranges::all_of(StampDigits, [stamp](size_t at) { return IsDigit(stamp[at]); });
#endif
}

size_t SearchStart(std::string_view line)
{
    return line.size() >= StampLength && StampDigitsPresent(line.data()) ? StampLength : 0;
}

bool ContainsReceivedMarker(std::string_view text)
{
    for (std::string_view marker : ReceivedMarkers)
        if (text.find(marker) != std::string_view::npos)
            return true;
    return false;
}

// A dial command that the driver's wording does not spell as its entry does:
// pulse dialling ("Send: ATDP"), a plain "ATD" or a command in small
// letters. Like the entry's, such a line only names the number dialled.
TLineMatch OtherDialCommand(std::string_view line, size_t start)
{
    for (const std::string_view sent : {std::string_view("Send: "), std::string_view("Sende: ")}) {
        const size_t at = line.find(sent, start);
        if (at == std::string_view::npos || line.size() - at - sent.size() < 3)
            continue;
        const std::string_view command = line.substr(at + sent.size(), 3);
        const auto is = [](char c, char upper) { return c == upper || c == upper + ('a' - 'A'); };
        if (is(command[0], 'A') && is(command[1], 'T') && is(command[2], 'D'))
            return {DialCommand, at, at + sent.size() + 3};
    }
    return {};
}

// The first entry from start on: the lowest one found, at its first place.
// Depends on nothing before start.
TLineMatch MatchFrom(std::string_view line, size_t start)
{
    // Only the lowest entry that occurs anywhere counts, so once one is found
    // just the entries before it are still looked for.
    constexpr int None = static_cast<int>(LogVocabulary.size());
    int best = None;
    size_t bestPosition = 0;
    uint32_t wanted = (uint32_t{1} << None) - 1;
    // Windows are visited left to right, so the first hit of an entry is its first occurrence.
    for (size_t end = start + ShortestEntry - 1; end < line.size() && wanted != 0;) {
        const uint8_t shift = BigramShifts.Shift[Bigram(line.data() + end - 1)];
        if (shift != 0) {
            end += shift;
            continue;
        }
        const size_t position = end + 1 - ShortestEntry;
        uint32_t candidates = FirstByteIndex.EntriesStartingWith[static_cast<unsigned char>(line[position])] & wanted;
        for (; candidates != 0; candidates &= candidates - 1) {
            const int entry = std::countr_zero(candidates);
            if (OccursAt(line, position, LogVocabulary[entry].Text)) {
                best = entry;
                bestPosition = position;
                wanted = (uint32_t{1} << entry) - 1;
                break;
            }
        }
        ++end;
    }
    if (best == None)
        return OtherDialCommand(line, start);

    const TMessageKind kind = LogVocabulary[best].Kind;
    if ((kind == ConnectResponse || kind == NoCarrier) && !ContainsReceivedMarker(line.substr(start)))
        return {};
    return {kind, bestPosition, bestPosition + LogVocabulary[best].Text.size()};
}

// Where the message text of a stamped line begins: no entry and no marker
// begins in the stamp or in the digits right after it (real stamps carry a
// third digit of the second), so what follows alone decides the outcome.
size_t MessageStart(std::string_view line)
{
    size_t start = SearchStart(line);
    if (start == 0)
        return 0;
    while (start < line.size() && IsDigit(line[start]))
        ++start;
    return start;
}

// A hash of the whole message text, eight bytes at a time: texts that differ
// only in a digit (dialled numbers, connect speeds) must not share it. The
// words are weighed apart and added, so their products do not wait for each
// other.
uint64_t HashOf(std::string_view text)
{
    constexpr uint64_t Multiplier = 0x9E3779B97F4A7C15;
    const char* data = text.data();
    const size_t size = text.size();
    uint64_t sum = size;
    if (size >= 8) {
        size_t at = 0;
        for (uint64_t weight = 0xFF51AFD7ED558CCD; at + 8 < size; at += 8, weight += 2 * Multiplier)
            sum += Load8(data + at) * weight;
        // The last eight bytes, overlapping the ones already taken.
        sum += Load8(data + size - 8) * Multiplier;
    } else {
        uint64_t bytes = 0;
        std::memcpy(&bytes, data, size);
        sum += bytes * Multiplier;
    }
    return (sum ^ sum >> 31) * Multiplier;
}

// Whether a kept text of the same size holds the same bytes, eight at a
// time, the last eight overlapping: too short to be worth a call to memcmp.
bool SameText(const char* kept, std::string_view text)
{
    const size_t size = text.size();
    if (size < 8)
        return std::equal(text.begin(), text.end(), kept);
    for (size_t at = 0; at + 8 < size; at += 8)
        if (Load8(kept + at) != Load8(text.data() + at))
            return false;
    return Load8(kept + size - 8) == Load8(text.data() + size - 8);
}

}  // namespace

TLineMatch MatchLogLine(std::string_view line)
{
    return MatchFrom(line, SearchStart(line));
}

TLineMatch TLineMatcher::Match(std::string_view line)
{
    const size_t start = MessageStart(line);
    const std::string_view text = line.substr(start);
    if (start == 0 || text.size() > LongestKept)
        return MatchFrom(line, start);
    const uint64_t hash = HashOf(text) | 1;
    const size_t set = hash >> (64 - SetBits);
    THashes& hashes = hashes_[set];
    TSlots& slots = slots_[set];
    for (size_t way = 0; way < Ways; ++way) {
        TSlot& slot = slots[way];
        if (hashes[way] == hash && slot.Length == text.size() && SameText(slot.Text.data(), text)) {
            slot.AskedAgain = true;
            if (slot.Kind == NotRecognised)
                return {};
            return {slot.Kind, start + slot.Position, start + slot.End};
        }
    }
    const TLineMatch match = MatchFrom(line, start);
    const size_t way = PlaceFor(hashes, slots);
    hashes[way] = hash;
    TSlot& slot = slots[way];
    slot.AskedAgain = false;
    slot.Length = static_cast<uint8_t>(text.size());
    std::memcpy(slot.Text.data(), text.data(), text.size());
    slot.Kind = match.Kind;
    slot.Position = static_cast<uint8_t>(match.Found() ? match.Position - start : 0);
    slot.End = static_cast<uint8_t>(match.Found() ? match.End - start : 0);
    return match;
}

size_t TLineMatcher::PlaceFor(const THashes& hashes, TSlots& slots)
{
    // A free place first, then one whose text was not asked for again since
    // the set was last full. When every text was, each gets one more chance.
    for (size_t way = 0; way < Ways; ++way)
        if (hashes[way] == 0)
            return way;
    for (size_t way = 0; way < Ways; ++way)
        if (!slots[way].AskedAgain)
            return way;
    for (TSlot& slot : slots)
        slot.AskedAgain = false;
    return 0;
}

}  // namespace kellvar
