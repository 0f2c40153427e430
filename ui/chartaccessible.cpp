// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartaccessible.h"

#include "chart.h"
#include "figurelabel.h"
#include "profilemap.h"

#include <QAccessibleWidget>

namespace kellvar {

namespace {

class TChartAccessible : public QAccessibleWidget {
public:
    explicit TChartAccessible(QWidget* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    // A hidden chart says what it will show, not what it showed last.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description)
            static_cast<TChart*>(widget())->BringPlotUpToDate();
        return QAccessibleWidget::text(kind);
    }
};

class TFigureAccessible : public QAccessibleWidget {
public:
    explicit TFigureAccessible(TFigureLabel* value) : QAccessibleWidget(value, QAccessible::StaticText) {}
    QString text(QAccessible::Text kind) const override
    {
        const auto* value = static_cast<TFigureLabel*>(widget());
        if (kind == QAccessible::Name)
            return value->SpokenName();
        return kind == QAccessible::Value ? value->text() : QAccessibleWidget::text(kind);
    }
};

}  // namespace

QAccessibleInterface* ChartAccessibleFactory(const QString&, QObject* object)
{
    if (auto* chart = qobject_cast<TChart*>(object))
        return new TChartAccessible(chart);
    // The week map is a picture that says its busiest hour.
    if (auto* map = qobject_cast<TProfileMap*>(object))
        return new QAccessibleWidget(map, QAccessible::Graphic);
    if (auto* value = qobject_cast<TFigureLabel*>(object))
        return new TFigureAccessible(value);
    if (object->inherits("kellvar::TModemLogDialog"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace kellvar
