#include "tabletextreceiver.h"

#include <algorithm>

namespace kellvar {

TTableTextReceiver::TTableTextReceiver(std::string decimalSeparator, std::vector<std::string> captions)
    : decimalSeparator_(std::move(decimalSeparator)), captions_(std::move(captions))
{
}

void TTableTextReceiver::ClearTable()
{
    text_.clear();
    pending_.clear();
    rowsWritten_ = false;
}

void TTableTextReceiver::AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber)
{
    WritePendingRow();
    pending_ = ConnectionRowCells(record, rowNumber, decimalSeparator_);
}

void TTableTextReceiver::ShowSummary(const TAnalysisCounters& counters)
{
    WritePendingRow();
    counters_ = counters;
}

void TTableTextReceiver::WritePendingRow()
{
    if (pending_.empty())
        return;
    // The captions as far as the first row reaches, as the copied table has them.
    if (!rowsWritten_) {
        const std::vector<std::string> header(
            captions_.begin(),
            captions_.begin() + static_cast<std::ptrdiff_t>(std::min(pending_.size(), captions_.size())));
        AppendRowText(text_, header);
        rowsWritten_ = true;
    }
    AppendRowText(text_, pending_);
    pending_.clear();
}

}  // namespace kellvar
