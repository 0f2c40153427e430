// SPDX-License-Identifier: GPL-3.0-or-later
#include "focusstyle.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QStyleOption>

namespace kellvar {

namespace {

bool ShowsKeyboardFocus(const QStyleOption* option)
{
    return (option->state & QStyle::State_KeyboardFocusChange) && (option->state & QStyle::State_HasFocus);
}

void DrawFocusFrame(QPainter* painter, const QRect& rect, const QPalette& palette)
{
    painter->save();
    painter->setPen(QPen(palette.color(QPalette::Highlight), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

}  // namespace

void TFocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (element == PE_FrameFocusRect && (option->state & State_KeyboardFocusChange)) {
        DrawFocusFrame(painter, option->rect, option->palette);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // A list, a text or a chart with the focus shows it in its frame; Fusion
    // shows nothing there but the selection.
    if (element == PE_Frame && widget != nullptr && widget->hasFocus()
        && qobject_cast<const QAbstractScrollArea*>(widget))
        DrawFocusFrame(painter, option->rect, option->palette);
}

void TFocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_TabBarTabLabel && ShowsKeyboardFocus(option)) {
        const int inset = pixelMetric(PM_DefaultFrameWidth, option, widget) + 2;
        DrawFocusFrame(painter, option->rect.adjusted(inset, inset, -inset, -inset), option->palette);
    }
}

}  // namespace kellvar
