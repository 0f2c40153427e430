// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyedtexts.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace kellvar {

// The words the window's newer pages, the report and the charts put
// together with figures: each a row with both languages side by side.
enum class TWording {
    Limit,
    SetLimit,
    DeleteLimit,
    Limits,
    BillingMonthFromDay,
    WeekFrom,
    Monday,
    Sunday,
    LimitExceeded,
    Points,
    PointsAfterCount,
    PointAfterCount,
    To,
    Last,
    SoFar,
    Foreseen,
    ForeseenFrom,
    ExceededBy,
    BillingMonth,
    Projected,
    Estimate,
    Pages,
    StandardOutput,
    WeekMapName,
    BusiestHour,
    WeekMapShows,
    TariffFilesFilter,
    AllFilesFilter,
};

inline constexpr std::array<TKeyedText<TWording>, 28> WordingRows = {{
    {TWording::Limit, "&Grenze:", "&Limit:"},
    {TWording::SetLimit, "Setzen", "Set"},
    {TWording::DeleteLimit, "Löschen", "Delete"},
    {TWording::Limits, "Grenzen", "Limits"},
    {TWording::BillingMonthFromDay, "Abrechnungsmonat ab Tag:", "Billing month from day:"},
    {TWording::WeekFrom, "Woche ab:", "Week from:"},
    {TWording::Monday, "Montag", "Monday"},
    {TWording::Sunday, "Sonntag", "Sunday"},
    {TWording::LimitExceeded, "Grenze überschritten", "limit exceeded"},
    {TWording::Points, "Punkte", "Points"},
    // "7 points", "1 point": German says "Punkte" of any number.
    {TWording::PointsAfterCount, " Punkte", " points"},
    {TWording::PointAfterCount, " Punkte", " point"},
    {TWording::To, " bis ", " to "},
    {TWording::Last, ", zuletzt ", ", last "},
    {TWording::SoFar, " bisher, ", " so far, "},
    {TWording::Foreseen, " erwartet", " foreseen"},
    {TWording::ForeseenFrom, " erwartet (", " foreseen ("},
    {TWording::ExceededBy, ", überschritten um ", ", exceeded by "},
    {TWording::BillingMonth, "Abrechnungsmonat ", "Billing month "},
    {TWording::Projected, " voraussichtlich", " projected"},
    {TWording::Estimate, "Hochrechnung ", "Estimate "},
    {TWording::Pages, "Seiten", "Pages"},
    {TWording::StandardOutput, "Standardausgabe", "standard output"},
    {TWording::WeekMapName, "Online-Zeit nach Wochentag und Stunde", "Time online by weekday and hour"},
    {TWording::BusiestHour, "Meistgenutzte Stunde: ", "Busiest hour: "},
    {TWording::WeekMapShows, "Wochenkarte zeigt:", "Week map shows:"},
    {TWording::TariffFilesFilter, "Tarifdateien (*.tariff)", "Tariff files (*.tariff)"},
    {TWording::AllFilesFilter, "Alle Dateien (*)", "All files (*)"},
}};

constexpr std::string_view Wording(TWording wording, bool german)
{
    return KeyedText(WordingRows, wording, german);
}

static_assert(RowsInKeyOrder(WordingRows));

// The days of the week from Monday, short ("Mon", "Mo") and whole.
inline constexpr std::array<std::array<std::string_view, 7>, 2> ShortDayNames = {
    {{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"}, {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}}};
inline constexpr std::array<std::array<std::string_view, 7>, 2> DayNames = {
    {{"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
     {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"}}};
constexpr std::string_view DayName(int weekday, bool german, bool whole)
{
    return (whole ? DayNames : ShortDayNames)[german ? 0 : 1][static_cast<size_t>(weekday)];
}

// The language's code for HTML and for the chart program: "de" or "en".
constexpr std::string_view LanguageCode(bool german)
{
    return german ? "de" : "en";
}

}  // namespace kellvar
