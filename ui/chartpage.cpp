// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartpage.h"

#include "layouthelpers.h"
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
    : QWidget(parent), spec_(spec), chart_(new TChart(spec.Name, spec.Lines, std::string(spec.Unit))), panel_(panel)
{
    const char* chartName = spec.Name;
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(chart_, 1);
    column->addWidget(panel_);

    texts_.Hint(chart_, chartName);
}

void ApplyWindowChartTexts(TChart& chart, const TLineChartSpec& spec, bool german)
{
    const auto text = [german](const char* name, TTextProperty property) {
        return UiText(TextOf(name, property, german));
    };
    chart.chart()->setTitle(text(spec.Name, TTextProperty::ChartTitle));
    chart.LeftAxis()->setTitleText(text(spec.Name, TTextProperty::LeftAxisTitle));
    chart.RightAxis()->setTitleText(text(spec.Name, TTextProperty::RightAxisTitle));
    for (int index = 0; index < chart.SeriesCount(); ++index)
        chart.Series(index)->setName(text(spec.Lines[static_cast<size_t>(index)].Name, TTextProperty::SeriesTitle));
}

void TChartPage::ApplyTexts(bool german) const
{
    texts_.Apply(german);
    ApplyWindowChartTexts(*chart_, spec_, german);
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
