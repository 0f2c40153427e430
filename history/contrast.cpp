// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kellvar {

namespace {

double LinearOf(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Linear(int channel)
{
    // Each of the 256 channel values worked out once: a colour readable on a
    // ground is looked for step by step, for every line of every chart.
    static const std::array<double, 256> Channels = [] {
        std::array<double, 256> channels{};
        for (int value = 0; value < 256; ++value)
            channels[static_cast<size_t>(value)] = LinearOf(value);
        return channels;
    }();
    return channel >= 0 && channel < 256 ? Channels[static_cast<size_t>(channel)] : LinearOf(channel);
}

double Luminance(TRgb c)
{
    return 0.2126 * Linear(c.Red) + 0.7152 * Linear(c.Green) + 0.0722 * Linear(c.Blue);
}

TRgb Mixed(TRgb from, TRgb to, double share)
{
    const auto mix = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    return {mix(from.Red, to.Red), mix(from.Green, to.Green), mix(from.Blue, to.Blue)};
}

}  // namespace

double ContrastRatio(TRgb a, TRgb b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsLight(TRgb ground)
{
    return ContrastRatio(ground, {0, 0, 0}) >= ContrastRatio(ground, {255, 255, 255});
}

TRgb ReadableOn(TRgb colour, TRgb ground, double minimumRatio)
{
    const TRgb extreme = IsLight(ground) ? TRgb{0, 0, 0} : TRgb{255, 255, 255};
    // The first step that is enough is the least change; the extreme itself
    // has the most contrast the ground allows.
    for (int step = 0; step <= 100; ++step)
        if (const TRgb mixed = Mixed(colour, extreme, step / 100.0); ContrastRatio(mixed, ground) >= minimumRatio)
            return mixed;
    return extreme;
}

}  // namespace kellvar
