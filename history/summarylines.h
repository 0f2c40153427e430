// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/summaryfigures.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kellvar {

// Where one figure of a run shows: the caption label beside its overview
// field (also the report's caption), the overview field, and the label on a
// status panel (none for figures the overview alone shows).
struct TFigureSlot {
    const char* Caption;
    const char* OverviewField;
    const char* StatusLabel;
    // The longest text the figure shows, which its fields must show whole.
    const char* Widest;
    // No value leaves the field with the text it had.
    std::optional<std::string> (*Value)(const TSummaryFigures&, const std::optional<TLastConnection>&);
    // The name the report's summary gives the figure's raw value.
    const char* Field;
    // The overview's group box that holds the figure; none for the log's size.
    const char* Group;
};

// Every figure, in the overview's reading order.
std::span<const TFigureSlot> FigureSlots();

// The place in FigureSlots of the figure a status panel shows in the label
// so named; std::invalid_argument for a name no figure has.
size_t FigureSlotOfStatusLabel(std::string_view statusLabel);

// The overview after one run in a freshly started program, in its reading
// order: one "caption TAB value LF" line per figure, "-" where a figure has
// no value yet.
std::string SummaryLines(const TSummaryFigures& figures, const std::optional<TLastConnection>& last, bool german);

}  // namespace kellvar
