// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

constexpr std::string_view PricingText(TPricingText text, bool german)
{
    switch (text) {
    case TPricingText::Connection:
        return german ? "Verbindung" : "Connection";
    case TPricingText::Connected:
        return german ? "verbunden" : "connected";
    case TPricingText::Online:
        return "online";
    case TPricingText::Tariff:
        return german ? "Tarif" : "tariff";
    case TPricingText::PricesFromTheBeginning:
        return german ? "Preise von Anfang an" : "Prices from the beginning";
    case TPricingText::PricesFrom:
        return german ? "Preise ab" : "Prices from";
    case TPricingText::Line:
        return german ? "Zeile" : "line";
    case TPricingText::Fee:
        return german ? "Grundgebühr" : "fee";
    case TPricingText::FirstBlock:
        return german ? "erster Takt" : "first block";
    case TPricingText::After:
        return german ? "nach" : "after";
    case TPricingText::UnitsOf:
        return german ? "Einheiten zu" : "units of";
    case TPricingText::Each:
        return german ? "je" : "at";
    case TPricingText::Minimum:
        return german ? "Mindestbetrag" : "minimum";
    case TPricingText::RaisesTheSumBy:
        return german ? "erhöht die Summe um" : "raises the sum by";
    case TPricingText::Sum:
        return german ? "Summe" : "Sum";
    case TPricingText::RoundedHalfUp:
        return german ? "kaufmännisch gerundet auf" : "rounded half up to";
    case TPricingText::Cost:
        return german ? "Kosten" : "Cost";
    case TPricingText::NoTariffPricesIt:
        return german ? "keine Tarifdatei bepreist sie" : "no tariff file prices it";
    case TPricingText::NoSuchConnection:
        break;
    }
    return german ? "keine Verbindung mit dieser Nummer" : "no connection of that number";
}

}  // namespace kellvar
