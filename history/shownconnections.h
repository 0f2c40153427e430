// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/connectionrecord.h"
#include "core/tariffs.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kellvar {

// The connections one run showed, kept as they came so that other tariffs
// price them anew without reading the log again: each connection the table
// listed, with its row number, its cost and the overrun count the log gave
// after its row, and each dialled session that got no row.
class TShownConnections {
public:
    struct TShown {
        TConnectionRecord Record;
        // 0 for a session that got no row.
        int32_t RowNumber = 0;
        // None while no tariff prices it.
        std::optional<TCost> Cost;
        // The overrun counts the log gave after the row, as its late cells.
        std::vector<std::string> LateCells;

        bool Listed() const { return RowNumber != 0; }
    };

    // Prices every kept connection, and those to come, by the tariffs (none:
    // nothing is priced). The tariffs outlive their use here.
    void PriceBy(const TTariffs* tariffs);
    void Clear()
    {
        shown_.clear();
        lastRow_.reset();
    }
    const TShown& AddRow(const TConnectionRecord& record, int32_t rowNumber);
    // To the last row added; nothing without one.
    void AddLateCell(const std::string& text);
    const TShown& AddUnlisted(const TConnectionRecord& record);

    const std::vector<TShown>& All() const { return shown_; }
    // The costs of the listed connections, in their order.
    std::vector<std::optional<TCost>> RowCosts() const;

private:
    std::optional<TCost> Price(const TConnectionRecord& record) const;

    const TTariffs* tariffs_ = nullptr;
    std::vector<TShown> shown_;
    std::optional<size_t> lastRow_;
};

}  // namespace kellvar
