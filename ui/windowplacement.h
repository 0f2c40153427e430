// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/rules/windowbounds.h"
#include "ui/rules/windowframe.h"

#include <QMargins>
#include <QObject>

#include <optional>
#include <string>

class QWidget;

namespace kellvar {

// Where the window stands and how large it is. Bounds are the outer
// rectangle, frame included, but a window manager frames a window only once
// it is mapped: until then the frame measured on an earlier start stands in
// for it, and once the frame is there the bounds are applied again.
class TWindowPlacement : public QObject {
public:
    // The frame file remembers the frame between starts; none for a window
    // nobody sees.
    TWindowPlacement(QWidget& window, std::string frameFile);

    // The bounds moved and shrunk onto the screen as the bounds rules say.
    TWindowBounds OnScreen(const TWindowBounds& bounds) const;
    // Before the window is made: the frame at the bounds' place, and the size
    // the window keeps once it is framed as it was last time.
    void PlaceBeforeMapping(const TWindowBounds& bounds);
    void Apply(const TWindowBounds& bounds);
    // After the settings are read: stored bounds (where used) onto the
    // screen, else the place the window system gave, moved only where a rule
    // says so. The frame is measured for the next start either way.
    void Correct(bool useStoredBounds);
    const TWindowBounds& Bounds() const { return bounds_; }

private:
    // The frame around the window now, null while there is none.
    QMargins Frame() const;
    // The frame the window will most likely get: the one measured last.
    QMargins ExpectedFrame() const;
    void WaitForFrame();
    void FrameAppeared();

    QWidget& window_;
    std::string frameFile_;
    std::optional<TFrameEdges> remembered_;
    TWindowBounds bounds_;
    bool boundsGiven_ = false;
    bool waitingForFrame_ = false;
};

}  // namespace kellvar
