#include "chartpoints.h"

namespace kellvar {

void TChartPoints::Clear()
{
    for (auto& series : values_)
        series.clear();
    sums_.fill(0);
    dialHundredths_ = 0;
}

void TChartPoints::Add(const TConnectionRecord& r)
{
    const std::array<double, SourceSeriesCount> point = {
        r.ReadRate * 0.01, r.WriteRate * 0.01, r.DialDuration * 0.01, r.ConnectionDuration * 0.01,
        static_cast<double>(r.BytesRead), static_cast<double>(r.BytesWritten)};
    for (int series = 0; series < SourceSeriesCount; ++series) {
        values_[series].push_back(point[series]);
        sums_[series] += point[series];
    }
    dialHundredths_ += r.DialDuration;
}

std::vector<TTrendPoint> AverageTrend(const std::vector<double>& values)
{
    std::vector<TTrendPoint> trend;
    trend.reserve(values.size() / 3);
    for (size_t first = 0; first + 2 < values.size(); first += 3) {
        const double mean = (values[first] + values[first + 1] + values[first + 2]) / 3;
        trend.push_back({static_cast<double>(first + 1), mean});
    }
    return trend;
}

}  // namespace kellvar
