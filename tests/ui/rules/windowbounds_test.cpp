// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/windowbounds.h"

#include <gtest/gtest.h>

#include <string>

namespace kellvar {
namespace {

struct BoundsCase {
    const char* name;
    TWindowBounds stored;
    TWindowBounds corrected;
};

class WindowBoundsTest : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(WindowBoundsTest, KeepsTheWindowOnTheScreen)
{
    EXPECT_EQ(CorrectWindowBounds(GetParam().stored, {1280, 980, 20}), GetParam().corrected);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, WindowBoundsTest,
    ::testing::Values(BoundsCase{"width_383_becomes_320", {10, 10, 383, 400}, {10, 10, 320, 400}},
                      BoundsCase{"width_384_stays", {10, 10, 384, 400}, {10, 10, 384, 400}},
                      BoundsCase{"height_127_becomes_128", {10, 10, 400, 127}, {10, 10, 400, 128}},
                      BoundsCase{"negative_position", {-5, -7, 400, 400}, {0, 0, 400, 400}},
                      BoundsCase{"wider_than_the_screen", {100, 10, 2000, 400}, {0, 10, 1280, 400}},
                      BoundsCase{"higher_than_the_screen", {10, 50, 400, 1200}, {10, 0, 400, 1000}},
                      BoundsCase{"right_of_the_screen", {1300, 10, 400, 400}, {8, 10, 400, 400}},
                      BoundsCase{"below_the_screen", {10, 1001, 400, 400}, {10, 18, 400, 400}},
                      BoundsCase{"as_wide_as_the_screen", {100, 10, 1280, 400}, {100, 10, 1280, 400}},
                      BoundsCase{"as_high_as_the_screen", {10, 50, 400, 1000}, {10, 50, 400, 1000}},
                      BoundsCase{"at_the_right_edge", {1280, 10, 400, 400}, {1280, 10, 400, 400}},
                      BoundsCase{"at_the_bottom_edge", {10, 1000, 400, 400}, {10, 1000, 400, 400}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kellvar
