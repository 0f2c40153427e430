// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyedtexts.h"

#include <array>
#include <string_view>

namespace kellvar {

// The texts of the figures per dialled number, in the report and on the
// window's Numbers page.
enum class TNumberText {
    Number,
    Attempts,
    Connects,
    Success,
    MedianConnect,
    SlowConnect,
    LowestSpeed,
    MedianSpeed,
    HighestSpeed,
    CarrierLost,
    HungUpHere,
    TimeOnline,
    Received,
    Sent,
    Throughput,
    Costs,
    CostPerHour,
    Hidden,
    Unknown,
    PageCaption,
    ChartTitle,
    SuccessSeries,
    SpeedSeries,
    Month,
    NoNumbers,
    CopyTable,
    ChosenHint,
};

inline constexpr std::array<TKeyedText<TNumberText>, 27> NumberTextRows = {{
    {TNumberText::Number, "Nummer", "Number"},
    {TNumberText::Attempts, "Versuche", "Attempts"},
    {TNumberText::Connects, "Verbunden", "Connects"},
    {TNumberText::Success, "Erfolg", "Success"},
    {TNumberText::MedianConnect, "Anwahl (Median)", "To connect (median)"},
    {TNumberText::SlowConnect, "Anwahl (90 %)", "To connect (90%)"},
    {TNumberText::LowestSpeed, "Tempo min.", "Speed min"},
    {TNumberText::MedianSpeed, "Tempo Median", "Speed median"},
    {TNumberText::HighestSpeed, "Tempo max.", "Speed max"},
    {TNumberText::CarrierLost, "Abgebrochen", "Carrier lost"},
    {TNumberText::HungUpHere, "Hier aufgelegt", "Hung up here"},
    {TNumberText::TimeOnline, "Verbindungsdauer", "Connection time"},
    {TNumberText::Received, "Empfangen", "Received"},
    {TNumberText::Sent, "Gesendet", "Sent"},
    {TNumberText::Throughput, "Durchsatz", "Throughput"},
    {TNumberText::Costs, "Kosten", "Costs"},
    {TNumberText::CostPerHour, "Kosten/Stunde", "Cost/hour"},
    {TNumberText::Hidden, "verborgen", "hidden"},
    {TNumberText::Unknown, "unbekannt", "unknown"},
    {TNumberText::PageCaption, "Nummern", "Numbers"},
    {TNumberText::ChartTitle, "Erfolg und Tempo je Monat", "Success and speed per month"},
    {TNumberText::SuccessSeries, "Erfolg %", "Success %"},
    {TNumberText::SpeedSeries, "Tempo (Median, kbps)", "Speed (median, kbps)"},
    {TNumberText::Month, "Monat", "Month"},
    {TNumberText::NoNumbers,
     "Die Log-Datei enthält keine Wählbefehle (die All-Time-Log-Datei speichert keine): öffnen Sie eine "
     "Modem-Log-Datei, um Nummern zu sehen.",
     "The log holds no dial commands (the All-Time-Log keeps none): open a modem log to see its numbers."},
    {TNumberText::CopyTable, "Tabelle kopieren", "Copy table"},
    {TNumberText::ChosenHint,
     "Das Diagramm zeigt die gewählten Nummern zusammen, ohne Wahl die drei mit den meisten Versuchen.",
     "The chart shows the chosen numbers together; with none chosen, the three with the most attempts."},
}};

constexpr std::string_view NumberText(TNumberText text, bool german)
{
    return KeyedText(NumberTextRows, text, german);
}

static_assert(RowsInKeyOrder(NumberTextRows));

}  // namespace kellvar
