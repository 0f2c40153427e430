// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagescrollarea.h"

#include <QEvent>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace kellvar {

namespace {

// Room around the page for the focus frame.
constexpr int FocusMargin = 1;

}  // namespace

TPageScrollArea::TPageScrollArea(QWidget* content, QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(content);
    setViewportMargins(FocusMargin, FocusMargin, FocusMargin, FocusMargin);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        connect(bar, &QScrollBar::rangeChanged, this, [this] { UpdateFocusPolicy(); });
    UpdateFocusPolicy();
}

void TPageScrollArea::UpdateFocusPolicy()
{
    const bool scrolls = horizontalScrollBar()->maximum() > 0 || verticalScrollBar()->maximum() > 0;
    setFocusPolicy(scrolls ? Qt::StrongFocus : Qt::NoFocus);
}

bool TPageScrollArea::event(QEvent* event)
{
    const bool handled = QScrollArea::event(event);
    if (event->type() == QEvent::Paint && hasFocus()) {
        // The margin around the viewport is this widget's own; the frame goes there.
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        update();
    }
    return handled;
}

}  // namespace kellvar
