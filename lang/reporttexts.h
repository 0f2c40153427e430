// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace kellvar {

// Captions of kellvar-report's period totals that the window has no text for.
enum class TReportText { Period, Connections, Duration, MeanDuration, MeanReceived, MeanSent, Total };

constexpr std::string_view ReportText(TReportText text, bool german)
{
    switch (text) {
    case TReportText::Period:
        return german ? "Zeitraum" : "Period";
    case TReportText::Connections:
        return german ? "Verbindungen" : "Connections";
    case TReportText::Duration:
        return german ? "Verbindungsdauer" : "Connection time";
    case TReportText::MeanDuration:
        return german ? "Mittlere Dauer" : "Mean time";
    case TReportText::MeanReceived:
        return german ? "Mittel empfangen" : "Mean received";
    case TReportText::MeanSent:
        return german ? "Mittel gesendet" : "Mean sent";
    case TReportText::Total:
        break;
    }
    return german ? "Summe" : "Total";
}

}  // namespace kellvar
