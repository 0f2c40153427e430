// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabletextreceiver.h"

#include "core/rowtexts.h"

#include <algorithm>

namespace kellvar {

TTableTextReceiver::TTableTextReceiver(std::string decimalSeparator, std::vector<std::string> captions,
                                       TOutputStream& output, TConnectionFilter filter, const TTariffs* tariffs)
    : decimalSeparator_(std::move(decimalSeparator)), captions_(std::move(captions)), output_(output),
      filter_(std::move(filter)), tariffs_(tariffs)
{
}

void TTableTextReceiver::ClearTable()
{
    pendingRow_.clear();
    pendingCells_ = 0;
    rowsWritten_ = false;
}

void TTableTextReceiver::AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber)
{
    FinishPendingRow();
    skipping_ = !filter_.Holds(record);
    if (skipping_)
        return;
    pendingCells_ = AppendConnectionCells(pendingRow_, record, rowNumber, decimalSeparator_);
    if (tariffs_ != nullptr) {
        const std::optional<TCost> cost = tariffs_->Price(record);
        pendingCost_.clear();
        for (int column = CostsColumn; column < CostsColumn + PricedColumnCount; ++column)
            (pendingCost_ += '\t') += PricedCell(column, cost, decimalSeparator_);
    }
}

void TTableTextReceiver::AppendCellToLastRow(const std::string& text)
{
    if (skipping_)
        return;
    pendingRow_ += '\t';
    pendingRow_ += text;
    ++pendingCells_;
}

void TTableTextReceiver::ShowSummary(const TAnalysisCounters& counters)
{
    FinishPendingRow();
    counters_ = counters;
}

void TTableTextReceiver::FinishPendingRow()
{
    if (pendingCells_ == 0)
        return;
    if (tariffs_ != nullptr) {
        for (; pendingCells_ < TableColumnCount; ++pendingCells_)
            pendingRow_ += '\t';
        pendingRow_ += pendingCost_;
        pendingCells_ += PricedColumnCount;
    }
    // The captions as far as the first row reaches, as the copied table has them.
    if (!rowsWritten_) {
        TRowCells header;
        for (size_t column = 0; column < std::min(pendingCells_, captions_.size()); ++column)
            header.Append(captions_[column]);
        std::string line;
        AppendRowText(line, header);
        output_.Write(line);
        rowsWritten_ = true;
    }
    pendingRow_ += "\r\n";
    output_.Write(pendingRow_);
    pendingRow_.clear();
    pendingCells_ = 0;
}

}  // namespace kellvar
