// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/messages.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

// Why a file could not be used, as each language's users read it after the
// file's name.
TEST(Messages, ReasonsInBothLanguages)
{
    EXPECT_EQ(LogShrankReason(true), "die Datei wurde während des Lesens kürzer");
    EXPECT_EQ(LogShrankReason(false), "the file became shorter while it was read");
    EXPECT_EQ(LogReplacedReason(true), "die Datei wurde während des Lesens ersetzt");
    EXPECT_EQ(SettingsTooLargeReason(true), "größer als 1 MB");
    EXPECT_EQ(AnalysedAsLogReason(true), "es wird gerade als Log gelesen");
}

}  // namespace
}  // namespace kellvar
