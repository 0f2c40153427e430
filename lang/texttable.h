// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace kellvar {

// Which property of a control a text row is written to.
enum class TTextProperty { Caption, Hint, ChartTitle, LeftAxisTitle, RightAxisTitle, SeriesTitle, ColumnCaption };

// One row of the bilingual text table (UTF-8). Columns of ListView1 are named
// by their index in Control ("0" to "10").
struct TTextRow {
    std::string_view Control;
    TTextProperty Property;
    std::string_view German;
    std::string_view English;

    std::string_view Text(bool german) const { return german ? German : English; }
};

// Every text of the window, in the order the window applies them.
std::span<const TTextRow> TextTable();

// The text of one control's property; empty when the table has no such row.
std::string_view TextOf(std::string_view control, TTextProperty property, bool german);

// Help file names per language.
std::string_view HelpFileName(bool german);

// The about page's text, lines ended by CR LF.
std::string_view AboutText(bool german);

// The table columns whose captions the text table holds (0 to 10); the last
// column, "OvrErr", is the same in both languages.
inline constexpr int TranslatedColumnCount = 11;

// Captions of the table columns 0 to 11 in the chosen language.
std::vector<std::string_view> ColumnCaptions(bool german);

// The pages of PageControl1 in page order; the digits in the names do not follow it.
inline constexpr std::array<std::string_view, 8> PageNames = {"TabSheet0", "TabSheet1", "TabSheet2", "TabSheet7",
                                                              "TabSheet4", "TabSheet3", "TabSheet6", "TabSheet5"};

// DefaultTabComboBox offers the first six pages; the settings and about
// pages can be start pages only by a stored number.
inline constexpr size_t DefaultTabPageChoices = 6;

// Page captions in page order.
std::vector<std::string_view> PageCaptions(bool german);

}  // namespace kellvar
