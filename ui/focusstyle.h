// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace kellvar {

// The application's style with a keyboard focus that can be seen: Fusion
// marks a focused tab or check box with a faint tint that is easily missed;
// this style frames it in the full highlight colour, once the keyboard moved
// the focus. Lists, texts and charts, which Fusion leaves unmarked, are framed
// whenever they have the focus.
class TFocusStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    // Tabs draw their focus without asking this style's drawPrimitive.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace kellvar
