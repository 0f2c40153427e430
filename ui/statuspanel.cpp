// SPDX-License-Identifier: GPL-3.0-or-later
#include "statuspanel.h"

#include "figurelabel.h"

#include "layouthelpers.h"

#include "history/summarylines.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>

namespace kellvar {

namespace {

constexpr int Gap = 6;

}  // namespace

TStatusPanel::TStatusPanel(const char* name, int height, const std::vector<TFigure>& figures, QWidget* parent)
    : QFrame(parent), figures_(figures), height_(height)
{
    setObjectName(name);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    for (const TFigure& figure : figures_) {
        QLabel* caption = CaptionLabel(texts_, figure.Caption, Qt::AlignRight);
        auto* value = Named(new TFigureLabel(caption, "0"), FigureSlots()[figure.Slot].StatusLabel);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        for (QLabel* label : {caption, static_cast<QLabel*>(value)})
            label->setParent(this);
        captions_.push_back(caption);
        values_.push_back(value);
    }
    Relayout();
}

void TStatusPanel::Relayout()
{
    const TLayoutScale px(font());
    const int gap = px(Gap);
    const int height = std::max(px(height_), fontMetrics().height() + 2 * frameWidth() + 4);
    setFixedHeight(height);
    int x = 0;
    for (size_t i = 0; i < figures_.size(); ++i) {
        const int captionX = std::max(px(figures_[i].CaptionX), x);
        const int captionWidth = TextWidth(captions_[i], captions_[i]->text());
        const int valueX = std::max(px(figures_[i].ValueX), captionX + captionWidth + gap);
        const int nextCaption = i + 1 < figures_.size() ? px(figures_[i + 1].CaptionX) : 0;
        const int width =
            std::max(TextWidth(values_[i], FigureSlots()[figures_[i].Slot].Widest) + gap, nextCaption - gap - valueX);
        captions_[i]->setGeometry(captionX, 0, valueX - gap - captionX, height);
        values_[i]->setGeometry(valueX, 0, width, height);
        x = valueX + width + gap;
    }
}

void TStatusPanel::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Relayout();
}

}  // namespace kellvar
