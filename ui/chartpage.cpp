// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartpage.h"

#include "statuspanel.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QVBoxLayout>

namespace kellvar {

namespace {

QByteArray Png(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

}  // namespace

TChartPage::TChartPage(const TLineChartSpec& spec, TStatusPanel* panel, QWidget* parent)
    : QWidget(parent), chart_(new TChart(spec.Name, spec.Lines, std::string(spec.Unit))), panel_(panel)
{
    const char* chartName = spec.Name;
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(chart_, 1);
    column->addWidget(panel_);

    TChart* chart = chart_;
    texts_.Bind(chartName, TTextProperty::ChartTitle, [chart](const QString& text) { chart->chart()->setTitle(text); });
    texts_.Hint(chart, chartName);
    texts_.Bind(chartName, TTextProperty::LeftAxisTitle,
                [chart](const QString& text) { chart->LeftAxis()->setTitleText(text); });
    texts_.Bind(chartName, TTextProperty::RightAxisTitle,
                [chart](const QString& text) { chart->RightAxis()->setTitleText(text); });
    for (int index = 0; index < chart->SeriesCount(); ++index) {
        QLineSeries* series = chart->Series(index);
        texts_.Bind(spec.Lines[static_cast<size_t>(index)].Name, TTextProperty::SeriesTitle,
                    [series](const QString& text) { series->setName(text); });
    }
}

void TChartPage::ApplyTexts(bool german) const
{
    texts_.Apply(german);
    panel_->ApplyTexts(german);
    chart_->Describe();
}

void CopyChartPicture(TChart& chart, bool asVector)
{
    const QImage picture = chart.Picture();
    auto* data = new QMimeData;
    if (asVector)
        data->setData("image/svg+xml", chart.SvgPicture());
    else
        data->setImageData(picture);
    data->setData("image/png", Png(picture));
    QApplication::clipboard()->setMimeData(data);
}

}  // namespace kellvar
