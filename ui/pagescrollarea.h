// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>

namespace kellvar {

// A page whose content keeps its size and scrolls when the window is smaller.
// It is a stop of the Tab key only while there is something to scroll, and
// then shows its focus by a frame around the page.
class TPageScrollArea : public QScrollArea {
public:
    explicit TPageScrollArea(QWidget* content, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    void UpdateFocusPolicy();
};

}  // namespace kellvar
