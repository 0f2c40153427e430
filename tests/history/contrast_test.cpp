// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/contrast.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

TEST(Contrast, RatiosAsWcagGivesThem)
{
    EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio({255, 255, 255}, {255, 255, 255}), 1.0, 1e-9);
    // The pale value marks of the trends as they were measured.
    EXPECT_NEAR(ContrastRatio({0xAA, 0xAA, 0x55}, {0xFF, 0xFF, 0xE8}), 2.4, 0.05);
    EXPECT_NEAR(ContrastRatio({0xAA, 0x55, 0xAA}, {0xFF, 0xE8, 0xFF}), 4.0, 0.05);
    // The overview's navy title on a dark desktop's window.
    EXPECT_NEAR(ContrastRatio({0, 0, 0x80}, {0x22, 0x20, 0x20}), 1.0, 0.1);
    // A channel of 10/255 lies on the straight part of the sRGB curve:
    // 10 / 255 / 12.92 = 0.003035, and (0.003035 + 0.05) / 0.05 = 1.0607.
    EXPECT_NEAR(ContrastRatio({10, 10, 10}, {0, 0, 0}), 1.0607, 0.0002);
}

// Light where black reads at least as well as white: the two ratios are
// equal at a luminance of sqrt(0.05 * 1.05) - 0.05 = 0.17913.
TEST(Contrast, LightGroundsAreThoseBlackReadsBetterOn)
{
    EXPECT_FALSE(IsLight({117, 117, 117})) << "luminance 0.1779";
    EXPECT_TRUE(IsLight({118, 118, 118})) << "luminance 0.1812";
    // 0.2126 * 0.10946 + 0.7152 * 0.11697 + 0.0722 = 0.17912898, two
    // ten-millionths above the boundary (0.17912878): black reads barely better.
    EXPECT_TRUE(IsLight({93, 96, 255}));
    EXPECT_TRUE(IsLight({255, 255, 255}));
    EXPECT_FALSE(IsLight({0, 0, 0}));
}

// White text on white mixes toward black step by step (a hundredth of the
// way each): step 53 gives grey 120, luminance 0.18781, a ratio of 4.415;
// step 54 gives 255 - 137.7 = 117, luminance 0.17789, a ratio of 4.607.
TEST(Contrast, ReadableIsTheFirstStepThatIsEnough)
{
    EXPECT_EQ(ReadableOn({255, 255, 255}, {255, 255, 255}, TextContrast), (TRgb{117, 117, 117}));
    // Black on black mixes toward white: step 45 gives grey 115, a ratio of
    // 0.22144 / 0.05 = 4.429; step 46 gives 255 * 0.46 = 117, 4.558.
    EXPECT_EQ(ReadableOn({0, 0, 0}, {0, 0, 0}, TextContrast), (TRgb{117, 117, 117}));
}

struct ReadableCase {
    const char* name;
    TRgb colour;
    TRgb ground;
    double minimum;
    bool keepsColour;
};

class ReadableTest : public ::testing::TestWithParam<ReadableCase> {};

TEST_P(ReadableTest, ReachesTheContrastWithTheLeastChange)
{
    const ReadableCase& c = GetParam();
    const TRgb readable = ReadableOn(c.colour, c.ground, c.minimum);
    EXPECT_GE(ContrastRatio(readable, c.ground), c.minimum);
    EXPECT_EQ(readable == c.colour, c.keepsColour);
    // Toward black on a light ground, toward white on a dark one.
    const bool lighter = readable.Red + readable.Green + readable.Blue > c.colour.Red + c.colour.Green + c.colour.Blue;
    EXPECT_TRUE(c.keepsColour || lighter != IsLight(c.ground));
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ReadableTest,
    ::testing::Values(ReadableCase{"navy_title_on_light_window", {0, 0, 128}, {0xEF, 0xEF, 0xEF}, TextContrast, true},
                      ReadableCase{"navy_title_on_dark_window", {0, 0, 128}, {0x22, 0x20, 0x20}, TextContrast, false},
                      ReadableCase{"yellow_trend_mark_on_white", {170, 170, 85}, {255, 255, 255}, TextContrast, false},
                      ReadableCase{"aqua_trend_mark_on_white", {85, 170, 170}, {255, 255, 255}, TextContrast, false},
                      ReadableCase{"blue_line_on_dark_plot", {0, 0, 255}, {0x3C, 0x3C, 0x3C}, LineContrast, false},
                      ReadableCase{"yellow_line_on_dark_plot", {255, 255, 128}, {0x3C, 0x3C, 0x3C}, LineContrast, true},
                      ReadableCase{
                          "white_on_white_becomes_black", {255, 255, 255}, {255, 255, 255}, TextContrast, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kellvar
