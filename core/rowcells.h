// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kellvar {

// The cells of one table row, kept joined by TAB (no cell holds one), as the
// row is copied: one allocation a row, where a text for each cell took one
// for every long cell and made a long table slow to fill and to free.
class TRowCells {
public:
    TRowCells() = default;
    TRowCells(std::initializer_list<std::string_view> cells);
    TRowCells(size_t count, std::string_view cell);
    // The count cells of text, already joined by TAB.
    static TRowCells Joined(std::string text, size_t count);

    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // Column must be below size().
    std::string_view operator[](size_t column) const;
    // Every cell, found in one pass.
    std::vector<std::string_view> Split() const;
    // Found from the end: a row's last cells are the ones set late.
    std::string_view back() const { return std::string_view(text_).substr(text_.rfind('\t') + 1); }
    // The cells joined by TAB.
    const std::string& Text() const { return text_; }

    void Append(std::string_view cell);
    void Set(size_t column, std::string_view cell);
    // Drops the cells from count on, or adds empty ones up to it.
    void Resize(size_t count);

    bool operator==(const TRowCells&) const = default;

private:
    // Where a column's cell begins in the text.
    size_t StartOf(size_t column) const;

    std::string text_;
    size_t count_ = 0;
};

}  // namespace kellvar
