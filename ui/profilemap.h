// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/usageprofile.h"

#include <QByteArray>
#include <QImage>
#include <QWidget>

namespace kellvar {

// The week as a heat map: a row a weekday (from Monday or Sunday), a column
// an hour, each cell as strong as the time online in it (the busiest hour
// strongest), drawn from the palette's ground toward a colour that stands
// out from it 3:1, so that it reads on light and dark desktops.
class TProfileMap : public QWidget {
    Q_OBJECT

public:
    explicit TProfileMap(QWidget* parent = nullptr);

    void ApplyTexts(bool german);
    // The profile and what its cells show; costs in the money's currency.
    void SetProfile(const TWeekHourProfile& profile, const TTariff* money);
    void SetMeasure(TWeekHourProfile::TMeasure measure);
    void SetWeekFromSunday(bool fromSunday);
    TWeekHourProfile::TMeasure Measure() const { return measure_; }
    const TWeekHourProfile& Profile() const { return profile_; }

    // The map alone at a size, for kellvar-report --chart=profile.
    QImage Picture(QSize size) const;
    QByteArray SvgPicture(QSize size) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Changed();
    void Paint(QPainter& painter, QRect area) const;

    // The busiest hour and what it holds, as the legend says it.
    QString BusiestText() const;

    TWeekHourProfile profile_;
    TWeekHourProfile::TMeasure measure_ = TWeekHourProfile::Time;
    const TTariff* money_ = nullptr;
    bool german_ = true;
    bool fromSunday_ = false;
};

}  // namespace kellvar
