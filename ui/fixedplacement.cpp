// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixedplacement.h"

#include "layouthelpers.h"

#include <QEvent>

#include <algorithm>

namespace kellvar {

void TFixedPlacement::Place(QWidget* child, int x, int y, int width, int height)
{
    child->setParent(this);
    places_.push_back({child, x, y, width, height});
    Relayout();
}

void TFixedPlacement::Relayout()
{
    const TLayoutScale px(font());
    const int gap = px(6);
    QSize extent;
    // Children to the right of a grown one on the same row move along.
    std::vector<QRect> placed;
    for (const TPlace& p : places_) {
        const QSize hint = p.Child->sizeHint();
        const int width = std::max(p.Width > 0 ? px(p.Width) : 0, hint.width());
        const int height = std::max(p.Height > 0 ? px(p.Height) : 0, hint.height());
        int x = px(p.X);
        const int y = px(p.Y);
        for (const QRect& other : placed)
            if (other.top() < y + height && y < other.bottom() + 1 && other.left() <= x)
                x = std::max(x, other.right() + 1 + gap);
        const QRect rect(x, y, width, height);
        p.Child->setGeometry(rect);
        placed.push_back(rect);
        extent = extent.expandedTo(QSize(rect.right() + 1 + gap, rect.bottom() + 1 + gap));
    }
    extent_ = extent;
    updateGeometry();
}

void TFixedPlacement::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange)
        Relayout();
}

}  // namespace kellvar
