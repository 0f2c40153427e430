// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kellvar {

// A table of texts by key, a row a text with both languages side by side,
// the rows in the order of their keys' values.
template <typename TKey> struct TKeyedText {
    TKey Key;
    std::string_view German;
    std::string_view English;
};

// Each row stands at its key's place, so that a text needs no search.
template <typename TKey, size_t Count> constexpr bool RowsInKeyOrder(const std::array<TKeyedText<TKey>, Count>& rows)
{
    for (size_t i = 0; i < Count; ++i)
        if (static_cast<size_t>(rows[i].Key) != i)
            return false;
    return true;
}

template <typename TKey, size_t Count>
constexpr std::string_view KeyedText(const std::array<TKeyedText<TKey>, Count>& rows, TKey key, bool german)
{
    const TKeyedText<TKey>& row = rows[static_cast<size_t>(key)];
    return german ? row.German : row.English;
}

}  // namespace kellvar
