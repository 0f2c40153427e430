// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyedtexts.h"

#include <array>
#include <string_view>

namespace kellvar {

// Captions of kellvar-report's period totals that the window has no text for.
enum class TReportText { Period, Connections, Duration, MeanDuration, MeanReceived, MeanSent, Total };

inline constexpr std::array<TKeyedText<TReportText>, 7> ReportTextRows = {{
    {TReportText::Period, "Zeitraum", "Period"},
    {TReportText::Connections, "Verbindungen", "Connections"},
    {TReportText::Duration, "Verbindungsdauer", "Connection time"},
    {TReportText::MeanDuration, "Mittlere Dauer", "Mean time"},
    {TReportText::MeanReceived, "Mittel empfangen", "Mean received"},
    {TReportText::MeanSent, "Mittel gesendet", "Mean sent"},
    {TReportText::Total, "Summe", "Total"},
}};
static_assert(RowsInKeyOrder(ReportTextRows));

constexpr std::string_view ReportText(TReportText text, bool german)
{
    return KeyedText(ReportTextRows, text, german);
}

}  // namespace kellvar
