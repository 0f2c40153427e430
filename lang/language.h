// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/languageids.h"

namespace kellvar {

// The one language flag: German texts when true, English otherwise. Chosen
// once at program start and read only afterwards.
extern bool IsGerman;

using platform::LangEnglish;
using platform::LangGerman;

// The user's language decides when it is German or English; otherwise the
// system's German wins, and every other language gets English. Only the
// primary language (the low ten bits) of each identifier counts.
bool ChooseGerman(int userLanguageId, int systemLanguageId);

// Sets IsGerman from the platform's user and system languages.
void ChooseLanguage();

}  // namespace kellvar
