// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/chartspecs.h"

#include "core/chartlabels.h"
#include "core/chartpoints.h"

#include <QCategoryAxis>
#include <QChartView>
#include <QLineSeries>
#include <QPoint>
#include <QValueAxis>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QRubberBand;

namespace kellvar {

// One of the four line charts: a title, left and right axes, the legend of
// series titles, zoom by marking a rectangle with the mouse, value marks, and
// pictures for the clipboard. A chart of a unit ("byte", "byte/s") labels
// its axes and marks with the program's binary prefixes. The full data stays here; the series in the
// chart hold only the points the plot can show (at most two per pixel
// column), recomputed whenever the x range or the size changes.
class TChart : public QChartView {
    Q_OBJECT

public:
    // A chart of periods names its points ("2000-01") on the bottom axis;
    // the others number them.
    enum class TPointAxis { Numbered, Named };
    TChart(const QString& name, const std::vector<TLineSpec>& specs, std::string unit = {},
           TPointAxis pointAxis = TPointAxis::Numbered, QWidget* parent = nullptr);

    int SeriesCount() const { return static_cast<int>(series_.size()); }
    QLineSeries* Series(int index) const { return series_[static_cast<size_t>(index)].Line; }
    QValueAxis* LeftAxis() const { return left_; }
    QValueAxis* RightAxis() const { return right_; }
    QValueAxis* BottomAxis() const { return bottom_; }

    // All points of every series go.
    void ClearSeries();
    // The names of the points of a chart with named points, by their number.
    void SetPointNames(std::vector<QString> names);
    // The trend series are made anew from their sources (means of groups of
    // three) once a run has ended; a run's intermediate views keep them.
    enum class TTrends { AsTheyAre, Recalculated };
    // The source series' y values (x is the point's number); a null entry
    // leaves a series as it is.
    void SetSourceValues(const std::vector<const std::vector<double>*>& values, TTrends trends);
    // The full number of points of a series.
    size_t PointCount(int index) const { return series_[static_cast<size_t>(index)].Points.size(); }
    // A hidden chart keeps new data to itself: laying out the plot is most of
    // a chart's cost, and a run would pay it for four charts nobody sees. The
    // plot takes the data when the chart is shown, copied or described.
    void BringPlotUpToDate();

    // Value marks beside as many points as fit without overlapping (every
    // k-th point of a series), in the table's precision and the locale's
    // decimal separator, kept inside the plot.
    void SetMarksVisible(bool visible);
    bool MarksVisible() const { return marksVisible_; }
    bool IsZoomed() const { return chart()->isZoomed(); }
    void Unzoom();
    QImage Picture();
    QByteArray SvgPicture();
    // Says in the accessible description what the chart shows (series, points,
    // last values, ranges), for screen readers; again after every change.
    void Describe();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    struct TSeries {
        QLineSeries* Line;
        std::vector<TPlotPoint> Points;
        int TrendOf;
        bool RightAxis;
        QColor Colour;  // as designed for a light ground
    };

    // Ground, walls, texts and lines from the palette: a dark desktop gets
    // a dark chart whose lines and texts stand out from it.
    void ApplyPalette();
    QColor Ground() const;

    void SetFullRanges();
    void ShowVisiblePoints();
    // Round ticks for the range an axis shows; whole numbers on the point axis.
    void UpdateTicks(QValueAxis* axis);
    // The axis a series is drawn against, and how that axis shows its values.
    QValueAxis* AxisOf(const TSeries& s) const { return s.RightAxis ? right_ : left_; }
    void DrawMarks(QPainter* painter, const TSeries& s, std::vector<QRectF>& taken);

    std::vector<TSeries> series_;
    QValueAxis* left_;
    QValueAxis* right_;
    QValueAxis* bottom_;
    QRubberBand* band_ = nullptr;
    QPoint dragStart_;
    bool dragging_ = false;
    bool marksVisible_ = false;
    bool plotBehind_ = false;
    std::map<QValueAxis*, double> fullSteps_;
    std::string unit_;
    std::map<QValueAxis*, TAxisUnit> axisUnits_;
    std::string decimalSeparator_;
    // Null where the points are numbered.
    QCategoryAxis* named_ = nullptr;
    std::vector<QString> pointNames_;
};

}  // namespace kellvar
