// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kellvar {

// The outer window rectangle in screen pixels.
struct TWindowBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TWindowBounds&) const = default;
};

// The screen that the bounds must fit: the client size of a full-screen
// window and the height of a title bar.
struct TScreenMetrics {
    int FullScreenWidth = 0;
    int FullScreenHeight = 0;
    int CaptionHeight = 0;
};

// Keeps restored bounds usable: not too small, not off the top or left, not
// larger than the screen, not beyond its right or bottom edge.
TWindowBounds CorrectWindowBounds(TWindowBounds bounds, const TScreenMetrics& screen);

}  // namespace kellvar
