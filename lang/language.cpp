#include "language.h"

#include "platform/languageids.h"

namespace kellvar {

bool IsGerman = false;

bool ChooseGerman(int userLanguageId, int systemLanguageId)
{
    const int user = userLanguageId & 0x3FF;
    if (user == LangGerman)
        return true;
    if (user == LangEnglish)
        return false;
    return (systemLanguageId & 0x3FF) == LangGerman;
}

void ChooseLanguage()
{
    IsGerman = ChooseGerman(platform::GetUserDefaultLangID(), platform::GetSystemDefaultLangID());
}

}  // namespace kellvar
