// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberpattern.h"

#include <algorithm>

namespace kellvar {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

bool IsNumberPattern(std::string_view pattern)
{
    return !pattern.empty()
           && std::all_of(pattern.begin(), pattern.end(), [](char c) { return IsDigit(c) || c == '*' || c == '?'; });
}

bool NumberMatches(std::string_view pattern, std::string_view number)
{
    if (!std::all_of(number.begin(), number.end(), IsDigit))
        return false;
    // Greedy, going back only to the last '*': a '*' before it never needs
    // to take more, so this stays linear in the pattern times the number.
    size_t p = 0;
    size_t n = 0;
    size_t star = std::string_view::npos;
    size_t resume = 0;
    while (n < number.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == number[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

}  // namespace kellvar
