// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartspecs.h"

namespace kellvar {

namespace {

constexpr TRgb LightAqua{128, 255, 255};
constexpr TRgb LightFuchsia{255, 128, 255};
constexpr TRgb LightYellow{255, 255, 128};

}  // namespace

const std::array<TLineChartSpec, 4>& WindowCharts()
{
    static const std::array<TLineChartSpec, 4> charts = {{
        {"Chart1",
         {{"Series1", ChartBlue, false, -1, ReadRateSeries},
          {"Series2", ChartRed, true, -1, WriteRateSeries},
          {"Series3", LightAqua, false, 0},
          {"Series4", LightFuchsia, true, 1}},
         "byte/s"},
        {"Chart2",
         {{"LineSeries1", ChartBlue, false, -1, DialDurationSeries}, {"LineSeries3", LightYellow, false, 0}},
         {}},
        {"Chart3",
         {{"LineSeries2", ChartBlue, false, -1, ConnectionDurationSeries}, {"LineSeries4", LightYellow, false, 0}},
         {}},
        {"Chart4",
         {{"LineSeries5", ChartBlue, false, -1, BytesReadSeries},
          {"LineSeries6", ChartRed, true, -1, BytesWrittenSeries},
          {"LineSeries7", LightAqua, false, 0},
          {"LineSeries8", LightFuchsia, true, 1}},
         "byte"},
    }};
    return charts;
}

}  // namespace kellvar
