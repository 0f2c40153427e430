// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <vector>

namespace kellvar {

// A widget whose children stand at the layout's positions, scaled to the
// font; a child that needs more room than its scaled size gets it, and the
// ones to its right on the same row move along. Children that do not fit the
// widget are clipped, never squeezed onto each other.
class TFixedPlacement : public QWidget {
    Q_OBJECT

public:
    explicit TFixedPlacement(QWidget* parent = nullptr) : QWidget(parent) {}

    // x, y, width and height in layout pixels; 0 takes the child's own size.
    void Place(QWidget* child, int x, int y, int width = 0, int height = 0);
    void Relayout();

    // All children at their places; a scroll area around it scrolls below that.
    QSize sizeHint() const override { return extent_; }
    QSize minimumSizeHint() const override { return extent_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    struct TPlace {
        QWidget* Child;
        int X, Y, Width, Height;
    };
    std::vector<TPlace> places_;
    QSize extent_;
};

}  // namespace kellvar
