// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart.h"

#include "layouthelpers.h"

#include "chartaccessible.h"

#include "core/axisticks.h"
#include "history/chartdescription.h"
#include "history/contrast.h"
#include "lang/language.h"
#include "lang/wordings.h"
#include "platform/decimalseparator.h"

#include <QAccessible>
#include <QBuffer>
#include <QEvent>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace kellvar {

namespace {

// A drag must span more than this both ways to zoom or unzoom.
constexpr int ZoomThreshold = 16;

// Marks stand on the chart's ground, a little transparent.
constexpr int MarkGroundAlpha = 208;

TRgb Rgb(const QColor& c)
{
    return {c.red(), c.green(), c.blue()};
}

QColor Colour(TRgb c)
{
    return QColor(c.Red, c.Green, c.Blue);
}

}  // namespace

TChart::TChart(const QString& name, const std::vector<TLineSpec>& specs, std::string unit, TPointAxis pointAxis,
               QWidget* parent)
    : QChartView(new QChart, parent), left_(new QValueAxis), right_(new QValueAxis),
      bottom_(pointAxis == TPointAxis::Named ? new QCategoryAxis : new QValueAxis), unit_(std::move(unit))
{
    named_ = qobject_cast<QCategoryAxis*>(bottom_);
    if (named_ != nullptr)
        named_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    static const bool describedAsPictures = [] {
        QAccessible::installFactory(ChartAccessibleFactory);
        return true;
    }();
    Q_UNUSED(describedAsPictures);
    setObjectName(name);
    setRubberBand(QChartView::NoRubberBand);
    setRenderHint(QPainter::Antialiasing, false);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setContextMenuPolicy(Qt::CustomContextMenu);

    QChart* c = chart();
    c->setMargins(QMargins(2, 2, 2, 2));
    c->legend()->setAlignment(Qt::AlignRight);
    // The view paints the background, left wall included (drawBackground).
    c->setBackgroundVisible(false);
    c->setPlotAreaBackgroundVisible(true);
    // Axis labels in the locale's numbers (German: decimal comma), never grouped.
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    c->setLocale(locale);
    c->setLocalizeNumbers(true);
    decimalSeparator_ = platform::LocaleDecimalSeparator();

    // Ticks at multiples of a round step. The axis makes an item per tick as
    // soon as its range changes, so the step is always set before the range.
    for (QValueAxis* axis : {bottom_, left_, right_}) {
        axis->setTickAnchor(0);
        axis->setTickInterval(1);
        axis->setTickType(QValueAxis::TicksDynamic);
    }
    // One set of grid lines: the right axis has its own scale, not its own grid.
    right_->setGridLineVisible(false);
    c->addAxis(bottom_, Qt::AlignBottom);
    c->addAxis(left_, Qt::AlignLeft);
    c->addAxis(right_, Qt::AlignRight);
    for (const TLineSpec& spec : specs) {
        auto* line = new QLineSeries(c);
        line->setObjectName(spec.Name);
        // Solid pens only: a dashed pen draws several times slower.
        QPen pen(Colour(spec.Colour), 2, Qt::SolidLine);
        line->setPen(pen);
        c->addSeries(line);
        line->attachAxis(bottom_);
        line->attachAxis(spec.RightAxis ? right_ : left_);
        series_.push_back({line, {}, spec.TrendOf, spec.RightAxis, Colour(spec.Colour)});
    }
    ApplyPalette();
    right_->setVisible(std::any_of(specs.begin(), specs.end(), [](const TLineSpec& s) { return s.RightAxis; }));
    SetFullRanges();
    connect(bottom_, &QValueAxis::rangeChanged, this, [this] { ShowVisiblePoints(); });
    for (QValueAxis* axis : {bottom_, left_, right_})
        connect(axis, &QValueAxis::rangeChanged, this, [this, axis] { UpdateTicks(axis); });
    // The plot's true width decides the thinning.
    connect(c, &QChart::plotAreaChanged, this, [this] { ShowVisiblePoints(); });
}

QColor TChart::Ground() const
{
    return palette().color(QPalette::Base);
}

void TChart::ApplyPalette()
{
    const QColor ground = Ground();
    QChart* c = chart();
    c->setPlotAreaBackgroundBrush(ground);
    const bool dark = !IsLight(Rgb(ground));
    for (TSeries& s : series_) {
        QPen pen = s.Line->pen();
        pen.setColor(dark ? Colour(ReadableOn(Rgb(s.Colour), Rgb(ground), LineContrast)) : s.Colour);
        s.Line->setPen(pen);
    }
    // On a light ground the chart keeps the look it was designed with.
    if (!dark)
        return;
    const QColor text = palette().color(QPalette::Text);
    c->setTitleBrush(text);
    c->legend()->setLabelColor(text);
    for (QValueAxis* axis : {bottom_, left_, right_}) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(text);
        QColor grid = text;
        grid.setAlpha(64);
        axis->setGridLineColor(grid);
    }
}

void TChart::showEvent(QShowEvent* event)
{
    BringPlotUpToDate();
    QChartView::showEvent(event);
}

void TChart::changeEvent(QEvent* event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        ApplyPalette();
}

void TChart::ClearSeries()
{
    for (TSeries& s : series_)
        s.Points.clear();
    plotBehind_ = true;
    if (isVisible())
        for (TSeries& s : series_)
            s.Line->clear();
}

void TChart::SetSourceValues(const std::vector<const std::vector<double>*>& values, TTrends trends)
{
    for (size_t i = 0; i < series_.size() && i < values.size(); ++i) {
        if (values[i] == nullptr)
            continue;
        std::vector<TPlotPoint>& points = series_[i].Points;
        const std::vector<double>& y = *values[i];
        // Points already here keep their place; only new ones are converted.
        points.reserve(y.size());
        if (points.size() > y.size())
            points.clear();
        for (size_t x = points.size(); x < y.size(); ++x)
            points.push_back({static_cast<double>(x), y[x]});
    }
    if (trends == TTrends::Recalculated)
        for (TSeries& s : series_) {
            if (s.TrendOf < 0)
                continue;
            std::vector<double> source;
            for (const TPlotPoint& p : series_[static_cast<size_t>(s.TrendOf)].Points)
                source.push_back(p.Y);
            s.Points = AverageTrend(source);
        }
    plotBehind_ = true;
    if (isVisible())
        BringPlotUpToDate();
}

void TChart::BringPlotUpToDate()
{
    if (!plotBehind_)
        return;
    plotBehind_ = false;
    // New data is shown whole: a zoom would hide it. A trend's means lie
    // within its source's values, so the sources alone decide the ranges.
    Unzoom();
    SetFullRanges();
    ShowVisiblePoints();
}

void TChart::SetMarksVisible(bool visible)
{
    marksVisible_ = visible;
    viewport()->update();
}

void TChart::Unzoom()
{
    if (!chart()->isZoomed())
        return;
    // The full ranges come back with the steps made for them.
    for (QValueAxis* axis : {bottom_, left_, right_})
        axis->setTickInterval(fullSteps_[axis]);
    chart()->zoomReset();
}

void TChart::SetFullRanges()
{
    size_t count = 0;
    double lowLeft = 0, highLeft = 0, lowRight = 0, highRight = 0;
    bool anyLeft = false, anyRight = false;
    for (const TSeries& s : series_) {
        count = std::max(count, s.Points.size());
        for (const TPlotPoint& p : s.Points) {
            double& low = s.RightAxis ? lowRight : lowLeft;
            double& high = s.RightAxis ? highRight : highLeft;
            bool& any = s.RightAxis ? anyRight : anyLeft;
            low = any ? std::min(low, p.Y) : p.Y;
            high = any ? std::max(high, p.Y) : p.Y;
            any = true;
        }
    }
    // Each axis from 0 (or a lower value) to its data's end, widened to whole
    // round steps of the unit it shows.
    const auto setRange = [this](QValueAxis* axis, double low, double high, bool wholeNumbers) {
        const TAxisUnit& unit = axisUnits_[axis] =
            AxisUnit(std::max(std::abs(low), std::abs(high)), axis == bottom_ ? "" : unit_);
        const TAxisTicks ticks =
            RoundTicks(std::min(0.0, low / unit.Divisor), high / unit.Divisor, ChartTargetTicks, wholeNumbers);
        axis->setTickInterval(ticks.Step);
        axis->setRange(ticks.Low, ticks.High);
    };
    setRange(left_, lowLeft, highLeft, false);
    setRange(right_, lowRight, highRight, false);
    // A single point stands in the middle, clear of the left wall.
    if (count == 1)
        setRange(bottom_, -1, 1, true);
    else
        setRange(bottom_, 0, std::max<double>(1, static_cast<double>(count) - 1), true);
    for (QValueAxis* axis : {bottom_, left_, right_}) {
        UpdateTicks(axis);
        fullSteps_[axis] = axis->tickInterval();
    }
}

void TChart::UpdateTicks(QValueAxis* axis)
{
    const bool wholeNumbers = axis == bottom_;
    const TAxisTicks ticks = RoundTicks(axis->min(), axis->max(), ChartTargetTicks, wholeNumbers);
    axis->setTickAnchor(0);
    axis->setTickInterval(ticks.Step);
    axis->setLabelFormat(QString("%.%1f").arg(ticks.Decimals) + QString::fromStdString(axisUnits_[axis].Suffix));
    if (axis != named_)
        return;
    // The names stand at the ticks the numbers would have, as thinned.
    for (const QString& label : named_->categoriesLabels())
        named_->remove(label);
    named_->setStartValue(axis->min());
    const double step = std::max(1.0, ticks.Step);
    for (double x = std::ceil(axis->min() / step) * step; x <= axis->max(); x += step)
        if (x >= 0 && x < static_cast<double>(pointNames_.size()))
            named_->append(pointNames_[static_cast<size_t>(x)], x);
}

void TChart::SetPointNames(std::vector<QString> names)
{
    pointNames_ = std::move(names);
    UpdateTicks(bottom_);
    Describe();
}

void TChart::ShowVisiblePoints()
{
    if (plotBehind_)
        return;
    const int columns = std::max(1, static_cast<int>(chart()->plotArea().width()));
    for (TSeries& s : series_) {
        const std::vector<TPlotPoint> shown = ThinnedForDisplay(s.Points, bottom_->min(), bottom_->max(), columns);
        const double divisor = axisUnits_[AxisOf(s)].Divisor;
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(shown.size()));
        for (const TPlotPoint& p : shown)
            points.append(QPointF(p.X, p.Y / divisor));
        // One replace() instead of appends: Qt Charts re-lays out the whole series on every change.
        s.Line->replace(points);
        // A line needs two points; a single one is drawn as a marker large
        // enough to be seen.
        s.Line->setPointsVisible(s.Points.size() == 1);
        if (s.Points.size() == 1)
            s.Line->setMarkerSize(10);
    }
    Describe();
}

void TChart::Describe()
{
    const auto value = [this](double v) { return ValueMarkText(v, unit_, decimalSeparator_); };
    std::vector<TDescribedSeries> series;
    for (const TSeries& s : series_) {
        std::optional<std::string> last;
        if (!s.Points.empty())
            last = value(s.Points.back().Y);
        series.push_back({s.Line->name().toStdString(), s.Points.size(), last});
    }
    const auto range = [&](QValueAxis* axis, const QString& title, bool inUnit) {
        const double divisor = axisUnits_[axis].Divisor;
        const auto text = [&](double v) {
            return inUnit ? value(v * divisor) : QString::number(v, 'f', 0).toStdString();
        };
        return TDescribedAxis{title.toStdString(), text(axis->min()), text(axis->max())};
    };
    std::vector<TDescribedAxis> valueAxes{range(left_, left_->titleText(), true)};
    if (right_->isVisible())
        valueAxes.push_back(range(right_, right_->titleText(), true));
    const QString points = UiText(Wording(TWording::Points, IsGerman));
    TDescribedAxis pointRange = range(bottom_, points, false);
    // Named points are told by the names of the first and last shown.
    if (named_ != nullptr && !pointNames_.empty()) {
        const auto name = [this](double x) {
            const auto at =
                static_cast<size_t>(std::clamp(std::round(x), 0.0, static_cast<double>(pointNames_.size() - 1)));
            return pointNames_[at].toStdString();
        };
        pointRange = {bottom_->titleText().toStdString(), name(bottom_->min()), name(bottom_->max())};
    }
    setAccessibleName(chart()->title());
    setAccessibleDescription(QString::fromStdString(ChartDescription(series, pointRange, valueAxes, IsGerman)));
}

QImage TChart::Picture()
{
    BringPlotUpToDate();
    return grab().toImage();
}

QByteArray TChart::SvgPicture()
{
    // A chart never shown has not yet taken its size: grabbing it once lays
    // it out at its size, as the bitmap's grab does, before it is drawn.
    BringPlotUpToDate();
    grab();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size());
    generator.setViewBox(rect());
    // The screen's resolution, so that texts are as large as they are shown
    // and a chart of 800 x 450 pixels shows that large in a browser (96 an inch).
    generator.setResolution(logicalDpiX());
    generator.setTitle(chart()->title());
    QPainter painter(&generator);
    render(&painter);
    painter.end();
    return buffer.data();
}

void TChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QChartView::mousePressEvent(event);
        return;
    }
    dragStart_ = event->position().toPoint();
    dragging_ = true;
    if (band_ == nullptr)
        band_ = new QRubberBand(QRubberBand::Rectangle, this);
    band_->setGeometry(QRect(dragStart_, QSize()));
    band_->show();
}

void TChart::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        band_->setGeometry(QRect(dragStart_, event->position().toPoint()).normalized());
    QChartView::mouseMoveEvent(event);
}

void TChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !dragging_) {
        QChartView::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    band_->hide();
    const QPoint end = event->position().toPoint();
    const int across = end.x() - dragStart_.x();
    const int down = end.y() - dragStart_.y();
    if (std::abs(across) <= ZoomThreshold || std::abs(down) <= ZoomThreshold)
        return;
    if (across > 0 && down > 0)
        chart()->zoomIn(QRectF(mapToScene(dragStart_), mapToScene(end)).intersected(chart()->plotArea()));
    else
        Unzoom();
}

void TChart::drawBackground(QPainter* painter, const QRectF& rect)
{
    painter->fillRect(rect, Ground());
    // The left wall stands outside the plot, between the axis labels and the
    // axis, where no line is ever drawn.
    const QRectF plot = chart()->mapRectToScene(chart()->plotArea());
    painter->fillRect(QRectF(plot.left() - LeftWallWidth, plot.top(), LeftWallWidth, plot.height()),
                      Colour(IsLight(Rgb(Ground())) ? LeftWallColour : DarkLeftWallColour));
}

void TChart::drawForeground(QPainter* painter, const QRectF& rect)
{
    QChartView::drawForeground(painter, rect);
    if (!marksVisible_)
        return;
    painter->save();
    painter->setFont(font());
    std::vector<QRectF> taken;
    for (const TSeries& s : series_)
        if (s.Line->isVisible())
            DrawMarks(painter, s, taken);
    painter->restore();
}

void TChart::DrawMarks(QPainter* painter, const TSeries& s, std::vector<QRectF>& taken)
{
    const auto byX = [](const TPlotPoint& p, double x) { return p.X < x; };
    const auto first = std::lower_bound(s.Points.begin(), s.Points.end(), bottom_->min(), byX);
    const auto end = std::lower_bound(first, s.Points.end(), std::nextafter(bottom_->max(), HUGE_VAL), byX);
    if (first == end)
        return;
    const QRectF plot = chart()->mapRectToScene(chart()->plotArea());
    const QFontMetricsF metrics(font());
    const auto text = [this](double value) {
        return QString::fromStdString(ValueMarkText(value, unit_, decimalSeparator_));
    };
    // Marks as wide as the largest value's, two decimals and a space between them.
    const double largest = std::max_element(first, end, [](const TPlotPoint& a, const TPlotPoint& b) {
                               return std::abs(a.Y) < std::abs(b.Y);
                           })->Y;
    const double markWidth = metrics.horizontalAdvance(text(largest) + "00 ");
    const size_t step = MarkStep(static_cast<size_t>(end - first), plot.width(), markWidth);
    // Every step-th point of the whole series, so that marks keep their points while the range moves.
    const size_t firstIndex = static_cast<size_t>(first - s.Points.begin());
    const size_t endIndex = static_cast<size_t>(end - s.Points.begin());
    const double divisor = axisUnits_.at(AxisOf(s)).Divisor;
    // Darker than the line, and always readable on the marks' ground.
    QColor markGround = Ground();
    painter->setPen(Colour(ReadableOn(Rgb(s.Line->pen().color().darker(150)), Rgb(markGround), TextContrast)));
    markGround.setAlpha(MarkGroundAlpha);
    for (size_t i = (firstIndex + step - 1) / step * step; i < endIndex; i += step) {
        const TPlotPoint& point = s.Points[i];
        const QPointF at = chart()->mapToScene(chart()->mapToPosition(QPointF(point.X, point.Y / divisor), s.Line));
        if (!plot.contains(at))
            continue;
        const QString mark = text(point.Y);
        QRectF box(QPointF(0, 0), QSizeF(metrics.horizontalAdvance(mark), metrics.height()));
        box.moveCenter(at - QPointF(0, metrics.height() * 0.75));
        // Marks near an edge move inside the plot instead of being cut.
        box.moveLeft(std::clamp(box.left(), plot.left(), plot.right() - box.width()));
        box.moveTop(std::clamp(box.top(), plot.top(), plot.bottom() - box.height()));
        // Where another series' mark stands already, this one is left out.
        if (std::any_of(taken.begin(), taken.end(), [&box](const QRectF& other) { return other.intersects(box); }))
            continue;
        taken.push_back(box);
        // A light ground keeps the mark readable over a dense plot.
        painter->fillRect(box, markGround);
        painter->drawText(box, Qt::AlignCenter, mark);
    }
}

}  // namespace kellvar
