// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartdescription.h"
#include "lang/wordings.h"

namespace kellvar {

namespace {

std::string Range(const TDescribedAxis& axis, bool german)
{
    return axis.Title + " " + axis.From + std::string(Wording(TWording::To, german)) + axis.To;
}

}  // namespace

std::string ChartDescription(const std::vector<TDescribedSeries>& series, const TDescribedAxis& points,
                             const std::vector<TDescribedAxis>& valueAxes, bool german)
{
    std::string text;
    for (const TDescribedSeries& s : series) {
        text += s.Name + ": " + std::to_string(s.Points)
                + std::string(Wording(s.Points == 1 ? TWording::PointAfterCount : TWording::PointsAfterCount, german));
        if (s.Last)
            text += std::string(Wording(TWording::Last, german)) + *s.Last;
        text += ". ";
    }
    text += Range(points, german);
    for (const TDescribedAxis& axis : valueAxes)
        text += "; " + Range(axis, german);
    return text + ".";
}

}  // namespace kellvar
