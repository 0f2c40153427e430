// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartpoints.h"
#include "connectionrecord.h"
#include "rowtexts.h"

#include <optional>
#include <string>

namespace kellvar {

// The figures of the overview and status panels after one run. A figure
// without a value keeps the text it had (its condition failed).
struct TSummaryFigures {
    std::string TriedConnects;
    std::string TriedDialIns;
    std::string SuccessfulConnects;
    std::optional<std::string> AverageReadRate;
    std::optional<std::string> AverageWriteRate;
    std::string SumWrittenData;
    std::string SumReadData;
    std::optional<std::string> MeanWrittenData;
    std::optional<std::string> MeanReadData;
    std::string SumConnectionTime;
    std::optional<std::string> MeanConnectionTime;
    std::optional<std::string> AverageDialingTime;
    std::string UnclosedEntries;
    std::string LogFileSize;
};

// The mean dialing time in hundredths of a second, cut (not rounded) from the
// exact mean as the overview shows it; count > 0.
constexpr int64_t MeanDialHundredths(int64_t totalHundredths, int64_t count)
{
    return totalHundredths / count;
}

TSummaryFigures SummaryFigureTexts(const TAnalysisCounters& counters, const TChartPoints& points,
                                   const std::string& decimalSeparator);

// The block of the last successful connection, copied from its row's cells.
struct TLastConnection {
    std::string Start;
    std::string End;
    std::string Sent;
    std::string Received;
    std::string SendRate;
    std::string ReceiveRate;
};

TLastConnection LastConnectionTexts(const TRowCells& lastRow);

}  // namespace kellvar
