// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kellvar::platform {

// Language identifiers as the Windows API gives them; only the primary
// languages German (7) and English (9) are told apart, every other locale
// gives 0 (no language).

inline constexpr int LangGerman = 7;
inline constexpr int LangEnglish = 9;
// A language identifier's low ten bits name its primary language.
inline constexpr int PrimaryLanguageMask = 0x3FF;

// From a locale name such as "de_AT.UTF-8": 7 for "de...", 9 for "en...", else 0.
int LanguageIdOfLocale(const std::string& localeName);

// The user's language: the first non-empty of LC_ALL, LC_MESSAGES and LANG.
int GetUserDefaultLangID();

// The system's language: LANG in /etc/default/locale or /etc/locale.conf.
int GetSystemDefaultLangID();

// LANG=... from the text of a locale configuration file ("" when absent).
std::string LangOfLocaleConfig(const std::string& configText);

}  // namespace kellvar::platform
