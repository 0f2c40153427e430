// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kellvar {

// The ticks of a chart axis: a round step (1, 2 or 5 times a power of ten),
// the decimals that step needs, and the range widened to whole steps.
struct TAxisTicks {
    double Low = 0;
    double High = 1;
    double Step = 1;
    int Decimals = 0;
};

// About targetTicks steps over low..high. Whole numbers only (a point-number
// axis) take no step below 1.
TAxisTicks RoundTicks(double low, double high, int targetTicks, bool wholeNumbers);

}  // namespace kellvar
