// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysisstore.h"

#include "core/logstamp.h"

namespace kellvar {

TAnalysisStore::TAnalysisStore(std::string decimalSeparator)
    : decimalSeparator_(decimalSeparator), table_(std::move(decimalSeparator))
{
}

void TAnalysisStore::AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber)
{
    table_.AddConnectionRow(record, rowNumber);
    records_.push_back(record);
}

void TAnalysisStore::AppendCellToLastRow(const std::string& text)
{
    table_.AppendCellToLastRow(text);
    int32_t count = 0;
    if (!records_.empty() && ReadInteger(text, count))
        records_.back().OverrunErrors = count;
}

void TAnalysisStore::ShowSummary(const TAnalysisCounters& counters)
{
    counters_ = counters;
    figures_ = SummaryFigureTexts(counters, points_, decimalSeparator_);
    if (table_.RowCount() > 0)
        lastConnection_ = LastConnectionTexts(table_.Rows().back());
}

}  // namespace kellvar
