// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart.h"
#include "textbindings.h"

#include <QWidget>

#include <string>
#include <vector>

namespace kellvar {

class TStatusPanel;

// A chart page: one of the four charts with its status panel beneath, the
// chart's texts (title, axes, series, hint) and its pictures for the clipboard.
class TChartPage : public QWidget {
    Q_OBJECT

public:
    // The chart is named, and its texts found, by its name in the charts' table (Chart1 to Chart4).
    TChartPage(const TLineChartSpec& spec, TStatusPanel* panel, QWidget* parent = nullptr);

    TChart* Chart() const { return chart_; }
    TStatusPanel* Panel() const { return panel_; }

    // The chart's texts and its status panel's.
    void ApplyTexts(bool german) const;

private:
    const TLineChartSpec& spec_;
    TChart* chart_;
    TStatusPanel* panel_;
    TTextBindings texts_;
};

// One of the window's four charts worded: title, axes and series, from the
// text table by the chart's and its lines' names.
void ApplyWindowChartTexts(TChart& chart, const TLineChartSpec& spec, bool german);

// A chart as it is shown, to the clipboard: as a bitmap, or as SVG with a
// bitmap beside it for the many programs that take no SVG.
void CopyChartPicture(TChart& chart, bool asVector);

}  // namespace kellvar
