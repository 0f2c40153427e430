// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimalseparator.h"

#include "asciitext.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace kellvar::platform {

namespace {

// The parts of a locale name as Qt splits it; empty where absent.
struct TLocaleTags {
    std::string Language;
    std::string Script;
    std::string Territory;
};

std::string Cased(std::string_view text, char (*caseOf)(char))
{
    std::string cased(text);
    std::transform(cased.begin(), cased.end(), cased.begin(), caseOf);
    return cased;
}

bool EndsTag(char c)
{
    return c == '_' || c == '-' || c == '.' || c == '@';
}

bool IsScript(std::string_view tag, std::string_view scriptCodes)
{
    if (tag.size() != 4)
        return false;
    const size_t at = scriptCodes.find(tag);
    return at != std::string_view::npos && at % 4 == 0 && scriptCodes.substr(at, 4) == tag;
}

// Qt reads tags of ASCII letters and digits up to the first that is not
// one; the language must be two or three long, else the name is no locale.
std::optional<TLocaleTags> SplitLocaleName(std::string_view name, std::string_view scriptCodes)
{
    enum TPart { LanguagePart, ScriptPart, TerritoryPart, Done };
    TLocaleTags tags;
    TPart part = LanguagePart;
    while (!name.empty() && part != Done) {
        const std::string_view tag = name.substr(0, std::find_if(name.begin(), name.end(), EndsTag) - name.begin());
        if (tag.empty() || !std::all_of(tag.begin(), tag.end(), IsAsciiAlphanumeric))
            break;
        name.remove_prefix(tag.size());
        const bool more = !name.empty();
        if (more)
            name.remove_prefix(1);
        if (part == LanguagePart) {
            if (tag.size() != 2 && tag.size() != 3)
                return std::nullopt;
            tags.Language = Cased(tag, AsciiLower);
            part = more ? ScriptPart : Done;
        } else if (part == ScriptPart && IsScript(tag, scriptCodes)) {
            tags.Script = tag;
            part = more ? TerritoryPart : Done;
        } else {
            tags.Territory = Cased(tag, AsciiUpper);
            part = Done;
        }
    }
    if (part == LanguagePart)
        return std::nullopt;
    return tags;
}

// The row of the code, or none: rows are sorted by their first member.
template <typename TRow, std::string_view TRow::*Key>
const TRow* FindRow(std::span<const TRow> rows, std::string_view code)
{
    const auto row =
        std::lower_bound(rows.begin(), rows.end(), code, [](const TRow& r, std::string_view c) { return r.*Key < c; });
    return row != rows.end() && (*row).*Key == code ? &*row : nullptr;
}

}  // namespace

std::string DecimalSeparatorOfLocale(std::string_view localeName, const TLocaleSeparatorTable& table)
{
    const std::optional<TLocaleTags> tags = SplitLocaleName(localeName, table.ScriptCodes);
    if (!tags)
        return ".";
    std::string language = tags->Language;
    if (const TLanguageAlias* alias = FindRow<TLanguageAlias, &TLanguageAlias::Code>(table.Aliases, language))
        language = alias->Primary;
    // The most particular row first, as Qt falls back from a locale it
    // has no data for: without the territory, then without the script.
    const std::string& script = tags->Script;
    const std::string& territory = tags->Territory;
    for (const std::string& key : {script.empty() || territory.empty() ? "" : language + "_" + script + "_" + territory,
                                   script.empty() ? "" : language + "_" + script,
                                   territory.empty() ? "" : language + "_" + territory, language}) {
        const TLocaleSeparator* row = FindRow<TLocaleSeparator, &TLocaleSeparator::Locale>(table.Separators, key);
        if (!key.empty() && row != nullptr)
            return std::string(row->Separator);
    }
    return ".";
}

std::string LocaleDecimalSeparator()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return DecimalSeparatorOfLocale(value);
    }
    return ".";
}

}  // namespace kellvar::platform
