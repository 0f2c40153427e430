// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyedtexts.h"

#include <array>
#include <string_view>

namespace kellvar {

// The words of kellvar-report --explain: how one connection was priced.
enum class TPricingText {
    Connection,
    Connected,
    Online,
    Tariff,
    PricesFromTheBeginning,
    PricesFrom,
    Line,
    Fee,
    FirstBlock,
    After,
    UnitsOf,
    Each,
    Minimum,
    RaisesTheSumBy,
    Sum,
    RoundedHalfUp,
    Cost,
    NoTariffPricesIt,
    NoSuchConnection,
};

inline constexpr std::array<TKeyedText<TPricingText>, 19> PricingTextRows = {{
    {TPricingText::Connection, "Verbindung", "Connection"},
    {TPricingText::Connected, "verbunden", "connected"},
    {TPricingText::Online, "online", "online"},
    {TPricingText::Tariff, "Tarif", "tariff"},
    {TPricingText::PricesFromTheBeginning, "Preise von Anfang an", "Prices from the beginning"},
    {TPricingText::PricesFrom, "Preise ab", "Prices from"},
    {TPricingText::Line, "Zeile", "line"},
    {TPricingText::Fee, "Grundgebühr", "fee"},
    {TPricingText::FirstBlock, "erster Takt", "first block"},
    {TPricingText::After, "nach", "after"},
    {TPricingText::UnitsOf, "Einheiten zu", "units of"},
    {TPricingText::Each, "je", "at"},
    {TPricingText::Minimum, "Mindestbetrag", "minimum"},
    {TPricingText::RaisesTheSumBy, "erhöht die Summe um", "raises the sum by"},
    {TPricingText::Sum, "Summe", "Sum"},
    {TPricingText::RoundedHalfUp, "kaufmännisch gerundet auf", "rounded half up to"},
    {TPricingText::Cost, "Kosten", "Cost"},
    {TPricingText::NoTariffPricesIt, "keine Tarifdatei bepreist sie", "no tariff file prices it"},
    {TPricingText::NoSuchConnection, "keine Verbindung mit dieser Nummer", "no connection of that number"},
}};
static_assert(RowsInKeyOrder(PricingTextRows));

constexpr std::string_view PricingText(TPricingText text, bool german)
{
    return KeyedText(PricingTextRows, text, german);
}

}  // namespace kellvar
