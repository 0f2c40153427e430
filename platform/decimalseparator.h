// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kellvar::platform {

// The decimal separator of the user's locale, as Qt gives it
// (QLocale::system().decimalPoint()), without loading Qt: kellvar-report
// needs nothing else of it, and Qt with ICU costs every run more time to
// load than a short log takes to read.

// A language code Qt also takes ("deu" or "ger" for "de") and the code
// under which the table files that language.
struct TLanguageAlias {
    std::string_view Code;
    std::string_view Primary;
};

// A locale, "de", "de_CH" or "sr_Latn_ME", and its decimal separator.
struct TLocaleSeparator {
    std::string_view Locale;
    std::string_view Separator;
};

// Qt's locale data as far as decimal separators go, rows sorted by their
// first member. A language without a row has ".", a script's or
// territory's row is there only where it differs from what the lookup
// falls back to.
struct TLocaleSeparatorTable {
    std::span<const TLanguageAlias> Aliases;
    std::span<const TLocaleSeparator> Separators;
    // Every script code Qt knows, four letters each: a name's second part
    // is read as a script only when it is one of them ("sr_Latn_ME").
    std::string_view ScriptCodes;
};

// The table made from Qt's locale data (localeseparatortable.cpp).
const TLocaleSeparatorTable& QtLocaleSeparators();

// The decimal separator of a locale named as LANG names it ("de_DE.UTF-8"
// gives ","), read as Qt reads such a name: language, then a script or a
// territory, then a territory, each ended by "_", "-", "." or "@"; an
// unknown language is the "C" locale's ".".
std::string DecimalSeparatorOfLocale(std::string_view localeName,
                                     const TLocaleSeparatorTable& table = QtLocaleSeparators());

// The user's: the locale named by LC_ALL, LC_NUMERIC or LANG, the first of
// them set, else "C".
std::string LocaleDecimalSeparator();

}  // namespace kellvar::platform
