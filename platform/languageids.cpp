// SPDX-License-Identifier: GPL-3.0-or-later
#include "languageids.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace kellvar::platform {

int LanguageIdOfLocale(const std::string& localeName)
{
    if (localeName.rfind("de", 0) == 0)
        return LangGerman;
    if (localeName.rfind("en", 0) == 0)
        return LangEnglish;
    return 0;
}

int GetUserDefaultLangID()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return LanguageIdOfLocale(value);
    }
    return 0;
}

std::string LangOfLocaleConfig(const std::string& configText)
{
    std::istringstream lines(configText);
    std::string line;
    std::string lang;
    while (std::getline(lines, line)) {
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, 5, "LANG=") != 0)
            continue;
        lang = line.substr(start + 5);
        while (!lang.empty() && (lang.back() == '\r' || lang.back() == ' '))
            lang.pop_back();
        if (lang.size() >= 2 && (lang.front() == '"' || lang.front() == '\'') && lang.back() == lang.front())
            lang = lang.substr(1, lang.size() - 2);
    }
    return lang;
}

int GetSystemDefaultLangID()
{
    for (const char* path : {"/etc/default/locale", "/etc/locale.conf"}) {
        std::ifstream file(path);
        if (!file)
            continue;
        std::stringstream text;
        text << file.rdbuf();
        const std::string lang = LangOfLocaleConfig(text.str());
        if (!lang.empty())
            return LanguageIdOfLocale(lang);
    }
    return 0;
}

}  // namespace kellvar::platform
