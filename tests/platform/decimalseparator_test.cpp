// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/decimalseparator.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace kellvar::platform {
namespace {

struct TNamedLocale {
    const char* Name;
    const char* Separator;
};

class DecimalSeparatorOfANamedLocale : public testing::TestWithParam<TNamedLocale> {};

TEST_P(DecimalSeparatorOfANamedLocale, IsTheLocalesOwn)
{
    EXPECT_EQ(DecimalSeparatorOfLocale(GetParam().Name), GetParam().Separator) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, DecimalSeparatorOfANamedLocale,
    testing::Values(TNamedLocale{"de_DE.UTF-8", ","}, TNamedLocale{"en_US.UTF-8", "."},
                    // Swiss German writes 3.5, as Switzerland's other languages do.
                    TNamedLocale{"de_CH.UTF-8", "."}, TNamedLocale{"de_CH.ISO-8859-1@euro", "."},
                    TNamedLocale{"it_CH", "."}, TNamedLocale{"it_IT", ","},
                    // English where the country writes commas.
                    TNamedLocale{"en_DE.UTF-8", ","}, TNamedLocale{"en_ZA", ","}, TNamedLocale{"en_GB", "."},
                    // A language alone: its most likely country.
                    TNamedLocale{"de", ","}, TNamedLocale{"pt", ","}, TNamedLocale{"es_US", "."},
                    TNamedLocale{"es_MX", "."}, TNamedLocale{"es_419", "."}, TNamedLocale{"es_ES", ","},
                    // Case, "-" and what follows the territory do not matter.
                    TNamedLocale{"DE_de", ","}, TNamedLocale{"de-AT", ","}, TNamedLocale{"de_CH_XX", "."},
                    // ISO 639-2 and old codes name the same language.
                    TNamedLocale{"deu_CH", "."}, TNamedLocale{"ger", ","}, TNamedLocale{"no_NO", ","},
                    // An unknown territory is the language's country, an unknown language the "C" locale.
                    TNamedLocale{"de_XX", ","}, TNamedLocale{"de_US", ","}, TNamedLocale{"xx_DE", "."},
                    TNamedLocale{"und_DE", "."}, TNamedLocale{"C", "."}, TNamedLocale{"C.UTF-8", "."},
                    TNamedLocale{"POSIX", "."}, TNamedLocale{"", "."}, TNamedLocale{"d", "."},
                    TNamedLocale{"deutsch", "."},
                    // A tag ends at the first byte that is no ASCII letter or digit.
                    TNamedLocale{"de__CH", ","}, TNamedLocale{"de_\xc4T", ","}, TNamedLocale{"_de", "."},
                    // Arabic script's own separator, U+066B.
                    TNamedLocale{"ar_EG", "\xd9\xab"}, TNamedLocale{"ar_MA", ","}, TNamedLocale{"uz_AF", "\xd9\xab"},
                    // A script, title case only, between language and territory.
                    TNamedLocale{"uz_Latn_AF", ","}, TNamedLocale{"sr_Latn_ME", ","}, TNamedLocale{"sr_latn", ","},
                    TNamedLocale{"pa_Arab", "\xd9\xab"}, TNamedLocale{"pa_IN", "."}));

// Qt's answer for every name of a language with a territory, a script or
// both that Qt's locale data can tell apart.
TEST(DecimalSeparator, GivesQtsSeparatorForEveryLocaleQtKnows)
{
    std::set<std::string> territories = {"", "XX", "de", "419"};
    for (int t = 1; t <= QLocale::LastTerritory; ++t)
        territories.insert(QLocale::territoryToCode(QLocale::Territory(t)).toStdString());
    std::set<std::string> scripts;
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
        scripts.insert(QLocale::scriptToCode(locale.script()).toStdString());
    // Every code Qt takes for a language, and some it does not.
    std::set<std::string> codes = {"xx", "und", "zzz"};
    std::set<std::string> primaryCodes;
    std::string code;
    for (char a = 'a'; a <= 'z'; ++a) {
        for (char b = 'a'; b <= 'z'; ++b) {
            for (char c = 'a' - 1; c <= 'z'; ++c) {
                code = c < 'a' ? std::string{a, b} : std::string{a, b, c};
                const QLocale::Language language = QLocale::codeToLanguage(QString::fromLatin1(code));
                if (language == QLocale::AnyLanguage)
                    continue;
                codes.insert(code);
                primaryCodes.insert(QLocale::languageToCode(language).toStdString());
            }
        }
    }

    std::vector<std::string> wrong;
    const auto check = [&wrong](const std::string& name) {
        const std::string qt = QLocale(QString::fromLatin1(name)).decimalPoint().toStdString();
        if (DecimalSeparatorOfLocale(name) != qt && wrong.size() < 20)
            wrong.push_back(name + " gives " + DecimalSeparatorOfLocale(name) + ", Qt " + qt);
    };
    size_t names = 0;
    for (const std::string& code : codes) {
        for (const std::string& territory : territories) {
            check(territory.empty() ? code : code + "_" + territory + ".UTF-8");
            ++names;
        }
    }
    for (const std::string& code : primaryCodes) {
        for (const std::string& script : scripts) {
            for (const std::string& territory : territories) {
                check(code + "_" + script + (territory.empty() ? "" : "_" + territory));
                ++names;
            }
        }
    }
    EXPECT_GT(primaryCodes.size(), 300u) << "Qt 6.4 knows 328 languages";
    EXPECT_GT(names, 3'000'000u);
    EXPECT_TRUE(wrong.empty()) << testing::PrintToString(wrong);
}

// LC_ALL, then LC_NUMERIC, then LANG, the first that is set and not empty.
TEST(DecimalSeparator, TheUsersComesFromTheFirstVariableSet)
{
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_NUMERIC");
    ::unsetenv("LANG");
    EXPECT_EQ(LocaleDecimalSeparator(), ".") << "none set: the C locale";
    ::setenv("LC_MESSAGES", "de_DE.UTF-8", 1);
    EXPECT_EQ(LocaleDecimalSeparator(), ".") << "messages are no numbers";
    ::setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_EQ(LocaleDecimalSeparator(), ",");
    ::setenv("LC_NUMERIC", "en_US.UTF-8", 1);
    EXPECT_EQ(LocaleDecimalSeparator(), ".");
    ::setenv("LC_ALL", "de_AT.UTF-8", 1);
    EXPECT_EQ(LocaleDecimalSeparator(), ",");
    ::setenv("LC_ALL", "", 1);
    ::setenv("LC_NUMERIC", "", 1);
    EXPECT_EQ(LocaleDecimalSeparator(), ",") << "empty ones are skipped";
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_NUMERIC");
    ::unsetenv("LC_MESSAGES");
    ::unsetenv("LANG");
}

}  // namespace
}  // namespace kellvar::platform
