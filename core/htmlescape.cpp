// SPDX-License-Identifier: GPL-3.0-or-later
#include "htmlescape.h"

#include <cstdint>
#include <cstring>

namespace kellvar {

namespace {

// Whether any of eight bytes is one that HTML escapes: a byte equal to c
// leaves a zero byte in word ^ c, which the borrow of the subtraction
// finds.
bool HoldsEscaped(uint64_t word)
{
    constexpr uint64_t Ones = 0x0101010101010101;
    constexpr uint64_t Highs = 0x8080808080808080;
    const auto zeroByte = [](uint64_t x) { return (x - Ones) & ~x & Highs; };
    return (zeroByte(word ^ (Ones * '&')) | zeroByte(word ^ (Ones * '<')) | zeroByte(word ^ (Ones * '>'))
            | zeroByte(word ^ (Ones * '"')))
           != 0;
}

}  // namespace

void AppendHtmlEscaped(std::string& out, std::string_view text)
{
    // Most texts are numbers and stamps with nothing to escape: they go in
    // whole, the others piece by piece between the characters replaced.
    // The report's table escapes every cell, so eight bytes are looked at a time.
    size_t clean = 0;
    for (uint64_t word = 0; clean + sizeof word <= text.size(); clean += sizeof word) {
        std::memcpy(&word, text.data() + clean, sizeof word);
        if (HoldsEscaped(word))
            break;
    }
    size_t from = 0;
    for (size_t at = clean; at < text.size(); ++at) {
        std::string_view replacement;
        switch (text[at]) {
        case '&':
            replacement = "&amp;";
            break;
        case '<':
            replacement = "&lt;";
            break;
        case '>':
            replacement = "&gt;";
            break;
        case '"':
            replacement = "&quot;";
            break;
        default:
            continue;
        }
        out.append(text.substr(from, at - from)).append(replacement);
        from = at + 1;
    }
    out.append(text.substr(from));
}

std::string HtmlEscaped(std::string_view text)
{
    std::string escaped;
    AppendHtmlEscaped(escaped, text);
    return escaped;
}

}  // namespace kellvar
