// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kellvar {

// The texts a chart writes beside its lines: value marks and axis labels.
// A chart of bytes or bytes per second gives unit "byte" or "byte/s" and
// shows the program's binary prefixes; a chart of seconds gives no unit.

// A value mark: the value in hundredths, as the table shows it, with the
// prefix and the unit where there is a unit ("28.61Mbyte", "4430byte/s").
std::string ValueMarkText(double value, std::string_view unit, std::string_view decimalSeparator);

// An axis of a unit reaching up to high shows its values divided by Divisor,
// each label followed by Suffix ("Kbyte"); values too small for a prefix are
// labelled bare, since the axis title names the unit.
struct TAxisUnit {
    double Divisor = 1;
    std::string Suffix;
};
TAxisUnit AxisUnit(double high, std::string_view unit);

// Marks markWidth pixels wide (their gap included) side by side over a plot
// plotWidth pixels wide showing visiblePoints points: every step-th point
// carries a mark.
size_t MarkStep(size_t visiblePoints, double plotWidth, double markWidth);

}  // namespace kellvar
