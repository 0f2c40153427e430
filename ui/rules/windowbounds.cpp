// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowbounds.h"

namespace kellvar {

TWindowBounds CorrectWindowBounds(TWindowBounds b, const TScreenMetrics& screen)
{
    if (b.Width < 384)
        b.Width = 320;
    if (b.Height < 128)
        b.Height = 128;
    if (b.Top < 0)
        b.Top = 0;
    if (b.Left < 0)
        b.Left = 0;
    const int w = screen.FullScreenWidth;
    const int h = screen.FullScreenHeight + screen.CaptionHeight;
    if (w < b.Width) {
        b.Width = w;
        b.Left = 0;
    }
    if (h < b.Height) {
        b.Top = 0;
        b.Height = h;
    }
    if (w < b.Left)
        b.Left = 8;
    if (h < b.Top)
        b.Top = (screen.CaptionHeight + 17) / 2;
    return b;
}

}  // namespace kellvar
