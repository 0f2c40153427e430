// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

struct LanguageCase {
    const char* name;
    int user;
    int system;
    bool german;
};

class ChooseGermanTest : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(ChooseGermanTest, UserLanguageFirstThenSystemsGerman)
{
    EXPECT_EQ(ChooseGerman(GetParam().user, GetParam().system), GetParam().german);
}

constexpr int French = 0x040C;
constexpr int GermanGermany = 0x0407;
constexpr int EnglishUs = 0x0409;

INSTANTIATE_TEST_SUITE_P(Ids, ChooseGermanTest,
                         ::testing::Values(LanguageCase{"user_german_system_english", GermanGermany, EnglishUs, true},
                                           LanguageCase{"user_english_system_german", EnglishUs, GermanGermany, false},
                                           LanguageCase{"user_french_system_german", French, GermanGermany, true},
                                           LanguageCase{"user_french_system_french", French, French, false},
                                           LanguageCase{"austrian_german_counts_as_german", 0x0C07, French, true},
                                           LanguageCase{"swiss_german_system", French, 0x0807, true},
                                           LanguageCase{"no_language_anywhere", 0, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kellvar
