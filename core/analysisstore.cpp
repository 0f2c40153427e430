#include "analysisstore.h"

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

void TAnalysisStore::ShowSummary(const TAnalysisCounters& counters)
{
    counters_ = counters;
    figures_ = SummaryFigureTexts(counters, points_, decimalSeparator_);
    if (table_.RowCount() > 0)
        lastConnection_ = LastConnectionTexts(table_.Rows().back());
}

}  // namespace kellvar
