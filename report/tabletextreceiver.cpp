#include "tabletextreceiver.h"

#include "core/rowtexts.h"

#include <algorithm>

namespace kellvar {

namespace {

// Lines are handed to the output in pieces of about this size.
constexpr size_t WriteSize = 64 * 1024;

}  // namespace

TTableTextReceiver::TTableTextReceiver(std::string decimalSeparator, std::vector<std::string> captions, std::FILE* out)
    : decimalSeparator_(std::move(decimalSeparator)), captions_(std::move(captions)), out_(out)
{
    text_.reserve(2 * WriteSize);
}

void TTableTextReceiver::ClearTable()
{
    text_.clear();
    pendingRow_.clear();
    pendingCells_ = 0;
    rowsWritten_ = false;
}

void TTableTextReceiver::AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber)
{
    FinishPendingRow();
    pendingCells_ = AppendConnectionCells(pendingRow_, record, rowNumber, decimalSeparator_);
}

void TTableTextReceiver::AppendCellToLastRow(const std::string& text)
{
    pendingRow_ += '\t';
    pendingRow_ += text;
    ++pendingCells_;
}

void TTableTextReceiver::ShowSummary(const TAnalysisCounters& counters)
{
    FinishPendingRow();
    Flush();
    counters_ = counters;
}

void TTableTextReceiver::FinishPendingRow()
{
    if (pendingCells_ == 0)
        return;
    // The captions as far as the first row reaches, as the copied table has them.
    if (!rowsWritten_) {
        const std::vector<std::string> header(
            captions_.begin(),
            captions_.begin() + static_cast<std::ptrdiff_t>(std::min(pendingCells_, captions_.size())));
        AppendRowText(text_, header);
        rowsWritten_ = true;
    }
    text_ += pendingRow_;
    text_ += "\r\n";
    pendingRow_.clear();
    pendingCells_ = 0;
    if (text_.size() >= WriteSize)
        Flush();
}

void TTableTextReceiver::Flush()
{
    written_ = written_ && std::fwrite(text_.data(), 1, text_.size(), out_) == text_.size();
    text_.clear();
}

}  // namespace kellvar
