// SPDX-License-Identifier: GPL-3.0-or-later
#include "summaryfigures.h"

#include "formatting.h"

#include "lang/fixedtexts.h"

namespace kellvar {

TSummaryFigures SummaryFigureTexts(const TAnalysisCounters& c, const TChartPoints& points, const std::string& sep)
{
    const double read = points.Sum(BytesReadSeries);
    const double written = points.Sum(BytesWrittenSeries);
    const double connected = points.Sum(ConnectionDurationSeries);
    const auto n = static_cast<double>(points.Count());

    TSummaryFigures f;
    f.TriedConnects = std::to_string(c.TriedConnects);
    f.TriedDialIns = std::to_string(c.TriedDialIns);
    f.SuccessfulConnects = std::to_string(c.SuccessfulConnects);
    if (connected > 0) {
        f.AverageReadRate = FormatPrefixed(100, read / connected, sep) + "byte/s";
        f.AverageWriteRate = FormatPrefixed(100, written / connected, sep) + "byte/s";
    }
    f.SumWrittenData = FormatBytes(written, sep);
    f.SumReadData = FormatBytes(read, sep);
    f.SumConnectionTime = FormatClock(points.ConnectionHundredths());
    if (points.Count() > 0) {
        f.MeanWrittenData = FormatBytes(written / n, sep);
        f.MeanReadData = FormatBytes(read / n, sep);
        f.MeanConnectionTime =
            FormatClock(DivideHalfEven(points.ConnectionHundredths(), static_cast<int64_t>(points.Count())));
        // Cut to hundredths from the exact mean; 0.29 * 100 in doubles would cut to 0.28.
        const int64_t meanDial = MeanDialHundredths(points.DialHundredths(), static_cast<int64_t>(points.Count()));
        f.AverageDialingTime = FloatText(static_cast<double>(meanDial) / 100, sep) + std::string(DialingTimeUnit);
    }
    f.UnclosedEntries = std::to_string(c.UnclosedEntries);
    f.LogFileSize = FloatText(static_cast<double>(RoundHalfEven(c.LogFileBlocks * 128.0L / 1024)), sep) + "Kbyte";
    return f;
}

TLastConnection LastConnectionTexts(const TRowCells& row)
{
    const auto cell = [&](TTableColumn column) {
        return static_cast<size_t>(column) < row.size() ? std::string(row[column]) : std::string();
    };
    return {cell(ConnectStampColumn), cell(HangUpStampColumn), cell(SentColumn),
            cell(ReceivedColumn),     cell(WriteRateColumn),   cell(ReadRateColumn)};
}

}  // namespace kellvar
