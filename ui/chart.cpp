#include "chart.h"

#include <QBuffer>
#include <QLinearGradient>
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

const QColor LeftWallColour(255, 255, 128);

}  // namespace

TChart::TChart(const QString& name, const std::vector<TSeriesSpec>& specs, QWidget* parent)
    : QChartView(new QChart, parent), left_(new QValueAxis), right_(new QValueAxis), bottom_(new QValueAxis)
{
    setObjectName(name);
    setRubberBand(QChartView::NoRubberBand);
    setRenderHint(QPainter::Antialiasing, false);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setContextMenuPolicy(Qt::CustomContextMenu);

    QChart* c = chart();
    c->setMargins(QMargins(2, 2, 2, 2));
    c->legend()->setAlignment(Qt::AlignRight);
    c->setBackgroundRoundness(0);
    // The left wall of the plot in light yellow, the rest of it white.
    QLinearGradient wall(0, 0, 1, 0);
    wall.setCoordinateMode(QGradient::ObjectBoundingMode);
    wall.setColorAt(0, LeftWallColour);
    wall.setColorAt(0.02, LeftWallColour);
    wall.setColorAt(0.0201, Qt::white);
    wall.setColorAt(1, Qt::white);
    c->setPlotAreaBackgroundBrush(wall);
    c->setPlotAreaBackgroundVisible(true);

    bottom_->setLabelFormat("%d");
    for (QValueAxis* axis : {left_, right_})
        axis->setLabelFormat("%.10g");
    c->addAxis(bottom_, Qt::AlignBottom);
    c->addAxis(left_, Qt::AlignLeft);
    c->addAxis(right_, Qt::AlignRight);
    for (const TSeriesSpec& spec : specs) {
        auto* line = new QLineSeries(c);
        line->setObjectName(spec.Name);
        // Solid pens only: a dashed pen draws several times slower.
        QPen pen(spec.Colour, 2, Qt::SolidLine);
        line->setPen(pen);
        line->setPointLabelsFormat("@yPoint");
        line->setPointLabelsClipping(true);
        line->setPointLabelsVisible(false);
        c->addSeries(line);
        line->attachAxis(bottom_);
        line->attachAxis(spec.RightAxis ? right_ : left_);
        series_.push_back({line, {}, spec.TrendOf, spec.RightAxis});
    }
    right_->setVisible(std::any_of(specs.begin(), specs.end(), [](const TSeriesSpec& s) { return s.RightAxis; }));
    SetFullRanges();
    connect(bottom_, &QValueAxis::rangeChanged, this, [this] { ShowVisiblePoints(); });
}

QLineSeries* TChart::SeriesNamed(const QString& name) const
{
    for (const TSeries& s : series_)
        if (s.Line->objectName() == name)
            return s.Line;
    return nullptr;
}

void TChart::ClearSeries()
{
    for (TSeries& s : series_) {
        s.Points.clear();
        s.Line->clear();
    }
}

void TChart::SetSourceValues(const std::vector<const std::vector<double>*>& values)
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
    // New data is shown whole: a zoom would hide it.
    Unzoom();
    SetFullRanges();
    ShowVisiblePoints();
}

void TChart::RecalculateTrends()
{
    for (TSeries& s : series_) {
        if (s.TrendOf < 0)
            continue;
        std::vector<double> source;
        for (const TPlotPoint& p : series_[static_cast<size_t>(s.TrendOf)].Points)
            source.push_back(p.Y);
        s.Points = AverageTrend(source);
    }
    ShowVisiblePoints();
}

void TChart::SetMarksVisible(bool visible)
{
    for (TSeries& s : series_)
        s.Line->setPointLabelsVisible(visible);
}

void TChart::Unzoom()
{
    if (chart()->isZoomed())
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
    const auto setRange = [](QValueAxis* axis, double low, double high) {
        if (high <= low)
            high = low + 1;
        axis->setRange(std::min(0.0, low), high);
        axis->applyNiceNumbers();
    };
    setRange(left_, lowLeft, highLeft);
    setRange(right_, lowRight, highRight);
    // Whole point numbers at round ticks; the range may reach a little past the last point.
    bottom_->setRange(0, std::max<double>(1, static_cast<double>(count) - 1));
    bottom_->applyNiceNumbers();
}

void TChart::ShowVisiblePoints()
{
    const int columns = std::max(1, static_cast<int>(chart()->plotArea().width()));
    for (TSeries& s : series_) {
        const std::vector<TPlotPoint> shown = ThinnedForDisplay(s.Points, bottom_->min(), bottom_->max(), columns);
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(shown.size()));
        for (const TPlotPoint& p : shown)
            points.append(QPointF(p.X, p.Y));
        // One replace() instead of appends: Qt Charts re-lays out the whole series on every change.
        s.Line->replace(points);
    }
}

QImage TChart::Picture()
{
    return grab().toImage();
}

QByteArray TChart::SvgPicture()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size());
    generator.setViewBox(rect());
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

void TChart::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    ShowVisiblePoints();
}

}  // namespace kellvar
