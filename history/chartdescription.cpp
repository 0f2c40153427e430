// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartdescription.h"

namespace kellvar {

namespace {

std::string Range(const TDescribedAxis& axis, bool german)
{
    return axis.Title + " " + axis.From + (german ? " bis " : " to ") + axis.To;
}

}  // namespace

std::string ChartDescription(const std::vector<TDescribedSeries>& series, const TDescribedAxis& points,
                             const std::vector<TDescribedAxis>& valueAxes, bool german)
{
    std::string text;
    for (const TDescribedSeries& s : series) {
        text +=
            s.Name + ": " + std::to_string(s.Points) + (german ? " Punkte" : (s.Points == 1 ? " point" : " points"));
        if (s.Last)
            text += (german ? ", zuletzt " : ", last ") + *s.Last;
        text += ". ";
    }
    text += Range(points, german);
    for (const TDescribedAxis& axis : valueAxes)
        text += "; " + Range(axis, german);
    return text + ".";
}

}  // namespace kellvar
