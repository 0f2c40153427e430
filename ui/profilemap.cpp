// SPDX-License-Identifier: GPL-3.0-or-later
#include "profilemap.h"

#include "layouthelpers.h"

#include "core/formatting.h"
#include "history/contrast.h"
#include "lang/wordings.h"
#include "platform/decimalseparator.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <array>

namespace kellvar {

namespace {

// A cell with anything in it is never drawn as the ground itself.
constexpr double LeastShare = 0.12;

std::string DecimalSeparator()
{
    return platform::LocaleDecimalSeparator();
}

// The ground mixed toward the ink by the share.
QColor Mixed(const QColor& ground, const QColor& ink, double share)
{
    const auto channel = [share](int from, int to) { return static_cast<int>(from + (to - from) * share + 0.5); };
    return QColor(channel(ground.red(), ink.red()), channel(ground.green(), ink.green()),
                  channel(ground.blue(), ink.blue()));
}

}  // namespace

TProfileMap::TProfileMap(QWidget* parent) : QWidget(parent)
{
    setObjectName("ProfileMap");
    ApplyTexts(true);
}

void TProfileMap::ApplyTexts(bool german)
{
    german_ = german;
    setAccessibleName(UiText(Wording(TWording::WeekMapName, german)));
    Changed();
}

void TProfileMap::SetProfile(const TWeekHourProfile& profile, const TTariff* money)
{
    profile_ = profile;
    money_ = money;
    Changed();
}

void TProfileMap::SetMeasure(TWeekHourProfile::TMeasure measure)
{
    measure_ = measure;
    Changed();
}

void TProfileMap::SetWeekFromSunday(bool fromSunday)
{
    fromSunday_ = fromSunday;
    Changed();
}

void TProfileMap::Changed()
{
    // A screen reader cannot see the cells; it hears what the legend says.
    setAccessibleDescription(BusiestText());
    update();
}

QString TProfileMap::BusiestText() const
{
    const QString caption = UiText(Wording(TWording::BusiestHour, german_));
    const auto hour = profile_.BusiestHour(measure_);
    if (!hour || (measure_ == TWeekHourProfile::Cost && money_ == nullptr))
        return caption + "-";
    const int64_t busiest = profile_.Busiest(measure_);
    QString value;
    switch (measure_) {
    case TWeekHourProfile::Time: {
        const int64_t minutes = busiest / 6'000;
        // "online" is German too.
        value = QString("%1:%2 online").arg(minutes / 60).arg(minutes % 60, 2, 10, QChar('0'));
        break;
    }
    case TWeekHourProfile::Volume:
        value = QString::fromStdString(FormatBytes(static_cast<double>(busiest), DecimalSeparator()));
        break;
    case TWeekHourProfile::Cost:
        value =
            money_ != nullptr ? QString::fromStdString(CostText(busiest, *money_, DecimalSeparator())) : QString("-");
        break;
    }
    const QString day = UiText(DayName(hour->Weekday, german_, true));
    return caption
           + QString("%1 %2:00-%3:00, ")
                 .arg(day)
                 .arg(hour->Hour, 2, 10, QChar('0'))
                 .arg(hour->Hour + 1, 2, 10, QChar('0'))
           + value;
}

QSize TProfileMap::sizeHint() const
{
    return {fontMetrics().horizontalAdvance("00") * 2 * 25, fontMetrics().height() * 10};
}

QSize TProfileMap::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance("00") * 25, fontMetrics().height() * 9};
}

void TProfileMap::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, rect());
}

void TProfileMap::Paint(QPainter& painter, QRect area) const
{
    const QColor ground = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    const QColor highlight = palette().color(QPalette::Highlight);
    const TRgb strongest = ReadableOn({highlight.red(), highlight.green(), highlight.blue()},
                                      {ground.red(), ground.green(), ground.blue()}, LineContrast);
    const QColor ink(strongest.Red, strongest.Green, strongest.Blue);
    painter.fillRect(area, ground);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const int left = metrics.horizontalAdvance("Mon") + line / 2;
    const int top = line + line / 2;
    const double cellWidth = static_cast<double>(area.width() - left - 2) / 24;
    const double cellHeight = static_cast<double>(area.height() - top - line - 2) / 7;
    painter.setPen(text);
    for (int hour = 0; hour < 24; hour += 3)
        painter.drawText(QRectF(area.left() + left + hour * cellWidth, area.top(), cellWidth * 3, line),
                         Qt::AlignLeft | Qt::AlignVCenter, QString("%1").arg(hour, 2, 10, QChar('0')));
    const int64_t busiest = profile_.Busiest(measure_);
    for (int row = 0; row < 7; ++row) {
        const int day = fromSunday_ ? (row + 6) % 7 : row;
        const double y = area.top() + top + row * cellHeight;
        painter.drawText(QRectF(area.left(), y, left, cellHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         UiText(DayName(day, german_, false)));
        for (int hour = 0; hour < 24; ++hour) {
            const int64_t value = profile_.Value(measure_, day, hour);
            const double share =
                busiest > 0 && value > 0
                    ? LeastShare + (1 - LeastShare) * static_cast<double>(value) / static_cast<double>(busiest)
                    : 0;
            const QRectF cell(area.left() + left + hour * cellWidth, y, cellWidth, cellHeight);
            painter.fillRect(cell.adjusted(0.5, 0.5, -0.5, -0.5), Mixed(ground, ink, share));
        }
    }
    // Which hour is the busiest, and what it holds.
    painter.drawText(QRectF(area.left() + left, area.bottom() - line, area.width() - left, line),
                     Qt::AlignLeft | Qt::AlignVCenter, BusiestText());
}

QImage TProfileMap::Picture(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    Paint(painter, QRect(QPoint(0, 0), size));
    return image;
}

QByteArray TProfileMap::SvgPicture(QSize size) const
{
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    QPainter painter(&generator);
    Paint(painter, QRect(QPoint(0, 0), size));
    painter.end();
    return svg;
}

}  // namespace kellvar
