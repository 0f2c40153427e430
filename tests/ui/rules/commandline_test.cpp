// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/commandline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kellvar {
namespace {

struct QuietCase {
    const char* name;
    std::vector<std::string> arguments;
    bool quiet;
    bool quietTotal;
};

class QuietFlagsTest : public ::testing::TestWithParam<QuietCase> {};

TEST_P(QuietFlagsTest, WholeArgumentsInAnyCase)
{
    const TQuietFlags flags = ParseQuietFlags(GetParam().arguments);
    EXPECT_EQ(flags.Quiet, GetParam().quiet);
    EXPECT_EQ(flags.QuietTotal, GetParam().quietTotal);
}

INSTANTIATE_TEST_SUITE_P(Arguments, QuietFlagsTest,
                         ::testing::Values(QuietCase{"none", {}, false, false},
                                           QuietCase{"quiet", {"-quiet"}, true, false},
                                           QuietCase{"upper_case", {"-QUIET"}, true, false},
                                           QuietCase{"mixed_case", {"-Quiet"}, true, false},
                                           QuietCase{"quiet_total", {"-quiettotal"}, true, true},
                                           QuietCase{"twice", {"-quiet", "-quiet"}, true, false},
                                           QuietCase{"never_cleared", {"-quiettotal", "-quiet"}, true, true},
                                           QuietCase{"file_then_quiet", {"file.log", "-quiet"}, true, false},
                                           QuietCase{"with_value", {"-quiet=1"}, false, false},
                                           QuietCase{"slash_form", {"/quiet"}, false, false},
                                           QuietCase{"double_dash", {"--quiet"}, false, false},
                                           QuietCase{"abbreviated", {"-q"}, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartUpArgument, FirstUnlessItIsAnOptionThenSecond)
{
    EXPECT_FALSE(StartUpArgument({}).FromCommandLine);
    EXPECT_EQ(StartUpArgument({"file.log", "-quiet"}).File, "file.log");
    EXPECT_EQ(StartUpArgument({"-quiet", "file.log"}).File, "file.log");
    EXPECT_EQ(StartUpArgument({"-quiet", "-quiettotal"}).File, "-quiettotal");
    EXPECT_FALSE(StartUpArgument({"-quiet"}).FromCommandLine);
    EXPECT_TRUE(StartUpArgument({"my log.txt"}).FromCommandLine);
}

TEST(StartUpArgument, AllTimeLogFilesInAnyCase)
{
    EXPECT_TRUE(IsAllTimeLogFile("/opt/kellvar.ATL"));
    EXPECT_TRUE(IsAllTimeLogFile("k.atl"));
    EXPECT_FALSE(IsAllTimeLogFile("/x.atl/ModemLog.txt"));
    EXPECT_FALSE(IsAllTimeLogFile("ModemLog.txt"));
}

}  // namespace
}  // namespace kellvar
