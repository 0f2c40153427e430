// SPDX-License-Identifier: GPL-3.0-or-later
#include "shownconnections.h"

namespace kellvar {

std::optional<TCost> TShownConnections::Price(const TConnectionRecord& record) const
{
    return tariffs_ != nullptr ? tariffs_->Price(record) : std::nullopt;
}

void TShownConnections::PriceBy(const TTariffs* tariffs)
{
    tariffs_ = tariffs;
    for (TShown& shown : shown_)
        if (shown.Listed())
            shown.Cost = Price(shown.Record);
}

const TShownConnections::TShown& TShownConnections::AddRow(const TConnectionRecord& record, int32_t rowNumber)
{
    lastRow_ = shown_.size();
    return shown_.emplace_back(TShown{record, rowNumber, Price(record), {}});
}

void TShownConnections::AddLateCell(const std::string& text)
{
    if (lastRow_)
        shown_[*lastRow_].LateCells.push_back(text);
}

std::vector<std::optional<TCost>> TShownConnections::RowCosts() const
{
    std::vector<std::optional<TCost>> costs;
    costs.reserve(shown_.size());
    for (const TShown& shown : shown_)
        if (shown.Listed())
            costs.push_back(shown.Cost);
    return costs;
}

const TShownConnections::TShown& TShownConnections::AddUnlisted(const TConnectionRecord& record)
{
    return shown_.emplace_back(TShown{record, 0, std::nullopt, {}});
}

}  // namespace kellvar
