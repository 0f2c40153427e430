// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace kellvar {

// The wordings of what connections cost, in the window and the report.
enum class TCostWording {
    Costs,
    TotalCosts,
    MeanPerConnection,
    PerHourOnline,
    Unpriced,
    Tariff,
    TariffFiles,
    AddTariff,
    RemoveTariff,
    MoveTariffUp,
    MoveTariffDown,
    Month,
    OnlineTime,
    Volume,
    CostsPerMonth,
    NoTariff,
    UnpricedColumn,
    LeastCost,
    Cheapest,
};

constexpr std::string_view CostWording(TCostWording wording, bool german)
{
    switch (wording) {
    case TCostWording::Costs:
        return german ? "Kosten" : "Costs";
    case TCostWording::TotalCosts:
        return german ? "Gesamtkosten" : "Total Costs";
    case TCostWording::MeanPerConnection:
        return german ? "Mittlere Kosten je Verbindung" : "Mean Costs per Connection";
    case TCostWording::PerHourOnline:
        return german ? "Kosten je Stunde online" : "Costs per Hour Online";
    case TCostWording::Unpriced:
        return german ? "Verbindungen ohne Tarif" : "Connections without a Tariff";
    case TCostWording::Tariff:
        return german ? "Tarif" : "Tariff";
    case TCostWording::TariffFiles:
        return german ? "Tarifdateien (die erste passende gilt):" : "Tariff files (the first that fits applies):";
    case TCostWording::AddTariff:
        return german ? "Hinzufügen..." : "Add...";
    case TCostWording::RemoveTariff:
        return german ? "Entfernen" : "Remove";
    case TCostWording::MoveTariffUp:
        return german ? "Nach oben" : "Up";
    case TCostWording::MoveTariffDown:
        return german ? "Nach unten" : "Down";
    case TCostWording::Month:
        return german ? "Monat" : "Month";
    case TCostWording::OnlineTime:
        return german ? "Online-Zeit" : "Online Time";
    case TCostWording::Volume:
        return german ? "Volumen" : "Volume";
    case TCostWording::CostsPerMonth:
        return german ? "Kosten pro Monat" : "Costs per Month";
    case TCostWording::NoTariff:
        return german ? "Kein Tarif gewählt: Fügen Sie eine Tarifdatei hinzu, um zu sehen, was die Verbindungen "
                        "gekostet haben."
                      : "No tariff chosen: add a tariff file to see what the connections cost.";
    case TCostWording::LeastCost:
        return german ? "Günstigster je Verbindung" : "Cheapest per connection";
    case TCostWording::UnpricedColumn:
        return german ? "Ohne Preis" : "Unpriced";
    case TCostWording::Cheapest:
        break;
    }
    return german ? "am günstigsten" : "cheapest";
}

}  // namespace kellvar
