// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyedtexts.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace kellvar {

// kellvar-report's usage errors, and what an option's value must be.
enum class TUsageText {
    NotA,
    Unknown,
    NoLogFile,
    SummaryText,
    TopWithoutBy,
    ChartOutput,
    OutputWithoutChart,
    OneLineAlone,
    OneLanguage,
    SinceAfterUntil,
    StandardInputOnce,
    NoTariffFile,
    CompareNeedsTariffs,
    TariffOutputs,
    CostsChartNeedsTariff,
    AlertAlone,
    CostAlertNeedsTariff,
    EstimateWithSummary,
    HtmlFolder,
    ExplainAlone,
    ByNumberAlone,
    NumberOutputs,
    FormatValues,
    ByValues,
    NumberValues,
    DayValues,
    WeekStartValues,
    TodayValues,
    LimitValues,
    ChartValues,
    SizeValues,
    ExplainValues,
    TopValues,
    DateBoundValues,
};

inline constexpr std::array<TKeyedText<TUsageText>, 34> UsageTextRows = {{
    {TUsageText::NotA, " ist nicht ", " is not "},
    {TUsageText::Unknown, "unbekannte Option ", "unknown option "},
    {TUsageText::NoLogFile, "keine LOGFILE angegeben", "no LOGFILE given"},
    {TUsageText::SummaryText,
     "--summary als Text zählt die ganze Log-Datei; --since, --until, --by und --oneline brauchen csv, json oder kein "
     "--summary",
     "--summary as text counts the whole log; --since, --until, --by and --oneline need csv, json or no --summary"},
    {TUsageText::TopWithoutBy, "--top braucht --by", "--top needs --by"},
    {TUsageText::ChartOutput,
     "--chart braucht --output=DATEI mit der Endung .png oder .svg (oder - für die Standardausgabe) und keine andere "
     "Ausgabe-Option",
     "--chart needs --output=FILE ending in .png or .svg (or - for standard output) and no other output option"},
    {TUsageText::OutputWithoutChart, "--output und --size gehören zu --chart", "--output and --size go with --chart"},
    {TUsageText::OneLineAlone, "--oneline hat ein eigenes Format: kein --format oder --by",
     "--oneline has a format of its own: no --format or --by"},
    {TUsageText::OneLanguage, "--german oder --english, nicht beides", "--german or --english, not both"},
    {TUsageText::SinceAfterUntil, "--since liegt nach --until", "--since is after --until"},
    {TUsageText::StandardInputOnce, "- (die Standardeingabe) kann nur einmal gelesen werden",
     "- (standard input) can be read once"},
    {TUsageText::NoTariffFile, "--tariff braucht eine DATEI", "--tariff needs a FILE"},
    {TUsageText::CompareNeedsTariffs, "--compare braucht zwei oder mehr --tariff-Dateien",
     "--compare needs two or more --tariff files"},
    {TUsageText::TariffOutputs,
     "--tariff gehört zu jeder Ausgabe außer --oneline; --compare zur Tabelle, zu csv, json und --by",
     "--tariff goes with any output but --oneline; --compare with the table, csv, json and --by"},
    {TUsageText::CostsChartNeedsTariff, "--chart=costs braucht --tariff", "--chart=costs needs --tariff"},
    {TUsageText::AlertAlone,
     "--alert gehört nur zu --format=text oder json, --month-start, --week-start, --today, --tariff und "
     "--since/--until",
     "--alert goes with --format=text or json, --month-start, --week-start, --today, --tariff and --since/--until "
     "only"},
    {TUsageText::CostAlertNeedsTariff, "eine Kostengrenze braucht --tariff", "a cost limit needs --tariff"},
    {TUsageText::EstimateWithSummary, "--estimate gehört zu --summary oder --by",
     "--estimate goes with --summary or --by"},
    {TUsageText::HtmlFolder,
     "--html braucht ein VERZEICHNIS und gehört nur zu --by=month oder year, --tariff, --compare, --alert, "
     "--since/--until und den Zeitraum-Optionen",
     "--html needs a DIR and goes with --by=month or year, --tariff, --compare, --alert, --since/--until and the "
     "period options only"},
    {TUsageText::ExplainAlone,
     "--explain braucht --tariff und gehört nur zu --format=text oder json und --since/--until",
     "--explain needs --tariff and goes with --format=text or json and --since/--until only"},
    {TUsageText::ByNumberAlone, "--by=number gehört nur zu --format, --top, --tariff, --number und --since/--until",
     "--by=number goes with --format, --top, --tariff, --number and --since/--until only"},
    {TUsageText::NumberOutputs, "--number behält Sitzungen in jeder Ausgabe außer --chart und --summary als Text",
     "--number keeps sessions in every output but --chart and --summary as text"},
    {TUsageText::FormatValues, "text, csv oder json", "text, csv or json"},
    {TUsageText::ByValues, "day, week, billing, month, year, hour, weekday oder number",
     "day, week, billing, month, year, hour, weekday or number"},
    {TUsageText::NumberValues, "ein Muster aus bis zu 40 Ziffern, * und ?", "a pattern of up to 40 digits, * and ?"},
    {TUsageText::DayValues, "ein Tag von 1 bis 31", "a day from 1 to 31"},
    {TUsageText::WeekStartValues, "monday oder sunday", "monday or sunday"},
    {TUsageText::TodayValues, "ein Datum YYYY-MM-DD", "a date YYYY-MM-DD"},
    {TUsageText::LimitValues, "eine Grenze wie month:cost>40, day:time>3h oder month:volume~>500MiB",
     "a limit such as month:cost>40, day:time>3h or month:volume~>500MiB"},
    {TUsageText::ChartValues, "rates, transport, connection, dialing, costs oder profile",
     "rates, transport, connection, dialing, costs or profile"},
    {TUsageText::SizeValues, "BREITExHÖHE von 16 bis 10000 Pixeln", "WIDTHxHEIGHT from 16 to 10000 pixels"},
    {TUsageText::ExplainValues, "die Nummer einer Verbindung ab 0", "a connection's number from 0 on"},
    {TUsageText::TopValues, "eine Zahl ab 1", "a number from 1 on"},
    {TUsageText::DateBoundValues, "ein Datum YYYY-MM-DD, YYYY-MM oder YYYY", "a date YYYY-MM-DD, YYYY-MM or YYYY"},
}};

constexpr std::string_view UsageText(TUsageText text, bool german)
{
    return KeyedText(UsageTextRows, text, german);
}

static_assert(RowsInKeyOrder(UsageTextRows));

}  // namespace kellvar
