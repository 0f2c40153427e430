// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyedtexts.h"

#include <array>
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

inline constexpr std::array<TKeyedText<TCostWording>, 19> CostWordingRows = {{
    {TCostWording::Costs, "Kosten", "Costs"},
    {TCostWording::TotalCosts, "Gesamtkosten", "Total Costs"},
    {TCostWording::MeanPerConnection, "Mittlere Kosten je Verbindung", "Mean Costs per Connection"},
    {TCostWording::PerHourOnline, "Kosten je Stunde online", "Costs per Hour Online"},
    {TCostWording::Unpriced, "Verbindungen ohne Tarif", "Connections without a Tariff"},
    {TCostWording::Tariff, "Tarif", "Tariff"},
    {TCostWording::TariffFiles,
     "Tarifdateien (die erste passende gilt):", "Tariff files (the first that fits applies):"},
    {TCostWording::AddTariff, "Hinzufügen...", "Add..."},
    {TCostWording::RemoveTariff, "Entfernen", "Remove"},
    {TCostWording::MoveTariffUp, "Nach oben", "Up"},
    {TCostWording::MoveTariffDown, "Nach unten", "Down"},
    {TCostWording::Month, "Monat", "Month"},
    {TCostWording::OnlineTime, "Online-Zeit", "Online Time"},
    {TCostWording::Volume, "Volumen", "Volume"},
    {TCostWording::CostsPerMonth, "Kosten pro Monat", "Costs per Month"},
    {TCostWording::NoTariff,
     "Kein Tarif gewählt: Fügen Sie eine Tarifdatei hinzu, um zu sehen, was die Verbindungen gekostet haben.",
     "No tariff chosen: add a tariff file to see what the connections cost."},
    {TCostWording::UnpricedColumn, "Ohne Preis", "Unpriced"},
    {TCostWording::LeastCost, "Günstigster je Verbindung", "Cheapest per connection"},
    {TCostWording::Cheapest, "am günstigsten", "cheapest"},
}};
static_assert(RowsInKeyOrder(CostWordingRows));

constexpr std::string_view CostWording(TCostWording wording, bool german)
{
    return KeyedText(CostWordingRows, wording, german);
}

// The captions of the columns a price adds to the connection table, in the
// table's order.
constexpr std::array<std::string_view, 2> PricedColumnCaptions(bool german)
{
    return {CostWording(TCostWording::Costs, german), CostWording(TCostWording::Tariff, german)};
}

}  // namespace kellvar
