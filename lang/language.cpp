// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include "platform/languageids.h"

namespace kellvar {

bool IsGerman = false;

bool ChooseGerman(int userLanguageId, int systemLanguageId)
{
    const int user = userLanguageId & platform::PrimaryLanguageMask;
    if (user == LangGerman)
        return true;
    if (user == LangEnglish)
        return false;
    return (systemLanguageId & platform::PrimaryLanguageMask) == LangGerman;
}

void ChooseLanguage()
{
    IsGerman = ChooseGerman(platform::GetUserDefaultLangID(), platform::GetSystemDefaultLangID());
}

}  // namespace kellvar
