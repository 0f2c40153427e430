// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kellvar {

// Colours as the screen shows them, 0 to 255 a channel.
struct TRgb {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    bool operator==(const TRgb&) const = default;
};

// Contrast as WCAG 2 measures it: 1 (none) to 21 (black on white).
double ContrastRatio(TRgb a, TRgb b);

// Texts need 4.5:1 to their ground, lines and marks of a chart 3:1.
inline constexpr double TextContrast = 4.5;
inline constexpr double LineContrast = 3.0;

// The colour as it is where it stands out enough from the ground; otherwise
// mixed toward black on a light ground, or toward white on a dark one, just
// as far as it needs to, so that it keeps as much of its hue as it can.
TRgb ReadableOn(TRgb colour, TRgb ground, double minimumRatio);

// A ground on which black reads better than white.
bool IsLight(TRgb ground);

}  // namespace kellvar
