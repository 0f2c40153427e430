// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowsettings.h"

#include "lang/fixedtexts.h"
#include "lang/texttable.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <variant>

namespace kellvar {

namespace {

// Where a key's value lives in the settings.
using TSettingsField = std::variant<bool TWindowSettings::*, int32_t TWindowSettings::*, std::string TWindowSettings::*,
                                    int TWindowBounds::*>;

// Which stored integers a key takes; others leave the value it had, or give -1.
enum class TAccepted { Any, FilterIndex, PageOrNone };

struct TSettingsKey {
    const char* Name;
    TSettingsField Field;
    // Read only when this holds of the keys read before it.
    bool (*Gate)(const TWindowSettings&);
    TAccepted Accepted = TAccepted::Any;
    bool IsBound = false;  // not written by quiet runs
};

bool Always(const TWindowSettings&)
{
    return true;
}

bool WithLastPosition(const TWindowSettings& s)
{
    return s.UseLastWindowPosition;
}

bool WithDefaultLog(const TWindowSettings& s)
{
    return s.LoadDefaultLogFile;
}

// The options of the Options page count only while "Use last settings" is on.
bool WithLastSettings(const TWindowSettings& s)
{
    return s.UseLastSettings;
}

bool WithLastDirectory(const TWindowSettings& s)
{
    return s.UseLastSettings && s.UseLastDirectory;
}

// The fourteen keys in the order they are read. Defaults are the values the
// settings come in with.
constexpr std::array<TSettingsKey, 14> Keys = {{
    {"UseLastWindowPosition", &TWindowSettings::UseLastWindowPosition, Always},
    {"Width", &TWindowBounds::Width, WithLastPosition, TAccepted::Any, true},
    {"Height", &TWindowBounds::Height, WithLastPosition, TAccepted::Any, true},
    {"Top", &TWindowBounds::Top, WithLastPosition, TAccepted::Any, true},
    {"Left", &TWindowBounds::Left, WithLastPosition, TAccepted::Any, true},
    {"LoadDefaultLogFile", &TWindowSettings::LoadDefaultLogFile, Always},
    {"DefaultLogFile", &TWindowSettings::DefaultLogFile, WithDefaultLog},
    {"UseLastSettings", &TWindowSettings::UseLastSettings, Always},
    {"ShowValueLabels", &TWindowSettings::ShowValueLabels, WithLastSettings},
    {"StoreAllTimeLog", &TWindowSettings::StoreAllTimeLog, WithLastSettings},
    {"UseLastDirectory", &TWindowSettings::UseLastDirectory, WithLastSettings},
    {"InitialDirectory", &TWindowSettings::InitialDirectory, WithLastDirectory},
    {"FilterIndex", &TWindowSettings::FilterIndex, WithLastSettings, TAccepted::FilterIndex},
    {"DefaultTabPage", &TWindowSettings::DefaultTabPage, Always, TAccepted::PageOrNone},
}};

// The same keys in the order the window writes them when it closes.
constexpr std::array<std::string_view, Keys.size()> WriteOrder = {"Width",
                                                                  "Height",
                                                                  "Top",
                                                                  "Left",
                                                                  "ShowValueLabels",
                                                                  "UseLastSettings",
                                                                  "UseLastWindowPosition",
                                                                  "StoreAllTimeLog",
                                                                  "FilterIndex",
                                                                  "UseLastDirectory",
                                                                  "InitialDirectory",
                                                                  "LoadDefaultLogFile",
                                                                  "DefaultLogFile",
                                                                  "DefaultTabPage"};

// Each key written once: a name missing from the keys would not compile.
static_assert([] {
    for (size_t i = 0; i < WriteOrder.size(); ++i) {
        size_t found = 0;
        for (const TSettingsKey& key : Keys)
            found += WriteOrder[i] == key.Name ? 1 : 0;
        for (size_t j = 0; j < i; ++j)
            found += WriteOrder[i] == WriteOrder[j] ? 1 : 0;
        if (found != 1)
            return false;
    }
    return true;
}());

const TSettingsKey& KeyNamed(std::string_view name)
{
    return *std::find_if(Keys.begin(), Keys.end(), [name](const TSettingsKey& key) { return key.Name == name; });
}

int32_t Accept(TAccepted accepted, int32_t read, int32_t current)
{
    switch (accepted) {
    case TAccepted::FilterIndex:
        return read >= 1 && read <= static_cast<int32_t>(OpenDialogFilters.size()) ? read : current;
    case TAccepted::PageOrNone:
        return read >= -1 && read < static_cast<int32_t>(PageNames.size()) ? read : -1;
    case TAccepted::Any:
        break;
    }
    return read;
}

void ReadKey(const TSettingsFile& file, const TSettingsKey& key, TWindowSettings& s)
{
    std::visit(
        [&](auto field) {
            using TField = decltype(field);
            if constexpr (std::is_same_v<TField, bool TWindowSettings::*>)
                s.*field = file.ReadBool(key.Name, s.*field);
            else if constexpr (std::is_same_v<TField, std::string TWindowSettings::*>)
                s.*field = file.ReadText(key.Name, s.*field);
            else if constexpr (std::is_same_v<TField, int TWindowBounds::*>)
                s.Bounds.*field = file.ReadInteger(key.Name, s.Bounds.*field);
            else
                s.*field = Accept(key.Accepted, file.ReadInteger(key.Name, s.*field), s.*field);
        },
        key.Field);
}

void WriteKey(TSettingsFile& file, const TSettingsKey& key, const TWindowSettings& s)
{
    std::visit(
        [&](auto field) {
            using TField = decltype(field);
            if constexpr (std::is_same_v<TField, bool TWindowSettings::*>)
                file.WriteBool(key.Name, s.*field);
            else if constexpr (std::is_same_v<TField, std::string TWindowSettings::*>)
                file.WriteText(key.Name, s.*field);
            else if constexpr (std::is_same_v<TField, int TWindowBounds::*>)
                file.WriteInteger(key.Name, s.Bounds.*field);
            else
                file.WriteInteger(key.Name, s.*field);
        },
        key.Field);
}

// Lists kept under numbered keys (Tariff1, Tariff2, ...) after the window's
// own keys, up to the first missing or empty one; a list of one entry per
// entry of another (a limit's period told, empty while it was never told)
// has as many as that one.
struct TNumberedList {
    const char* Prefix;
    std::vector<std::string> TWindowSettings::*Values;
    std::vector<std::string> TWindowSettings::*OnePerEntryOf = nullptr;
};
constexpr std::array<TNumberedList, 3> NumberedLists = {
    {{"Tariff", &TWindowSettings::TariffFiles},
     {"Limit", &TWindowSettings::Limits},
     {"Alerted", &TWindowSettings::AlertedPeriods, &TWindowSettings::Limits}}};

std::string NumberedKey(const char* prefix, size_t number)
{
    return prefix + std::to_string(number);
}

void ReadNumberedLists(const TSettingsFile& file, TWindowSettings& s)
{
    for (const TNumberedList& list : NumberedLists) {
        std::vector<std::string>& values = s.*list.Values;
        values.clear();
        const size_t count = list.OnePerEntryOf != nullptr ? (s.*list.OnePerEntryOf).size() : SIZE_MAX;
        for (size_t number = 1; number <= count; ++number) {
            std::string value = file.ReadText(NumberedKey(list.Prefix, number), "");
            if (value.empty() && list.OnePerEntryOf == nullptr)
                break;
            values.push_back(std::move(value));
        }
    }
}

// A file where a list was never set gets no key of it; one that had more
// entries than now gets an empty key after the last, which ends the list.
void WriteNumberedLists(TSettingsFile& file, const TWindowSettings& s)
{
    for (const TNumberedList& list : NumberedLists) {
        const std::vector<std::string>& values = s.*list.Values;
        for (size_t i = 0; i < values.size(); ++i)
            file.WriteText(NumberedKey(list.Prefix, i + 1), values[i]);
        const std::string end = NumberedKey(list.Prefix, values.size() + 1);
        if (!file.ReadText(end, "").empty())
            file.WriteText(end, "");
    }
}

// Keys of the Costs page: how billing months and weeks are cut and where the
// HTML report goes. Each is written only once it differs from its default
// or the file has it; an integer out of its range reads as its default.
template <typename TValue> using TAccess = TValue& (*)(TWindowSettings&);
struct TOptionalKey {
    const char* Name;
    std::variant<TAccess<int32_t>, TAccess<bool>, TAccess<std::string>> Field;
    int32_t Least = 0;
    int32_t Most = 0;
};

constexpr std::array<TOptionalKey, 3> OptionalKeys = {{
    {"BillingMonthStart", +[](TWindowSettings& s) -> int32_t& { return s.Periods.MonthStart; }, 1, 31},
    {"WeekStartsOnSunday", +[](TWindowSettings& s) -> bool& { return s.Periods.WeekStartsOnSunday; }},
    {"HtmlReportFolder", +[](TWindowSettings& s) -> std::string& { return s.HtmlReportFolder; }},
}};

void ReadOptionalKeys(const TSettingsFile& file, TWindowSettings& s)
{
    TWindowSettings defaults;
    for (const TOptionalKey& key : OptionalKeys) {
        if (const auto* number = std::get_if<TAccess<int32_t>>(&key.Field)) {
            const int32_t read = file.ReadInteger(key.Name, (*number)(s));
            (*number)(s) = read >= key.Least && read <= key.Most ? read : (*number)(defaults);
        } else if (const auto* flag = std::get_if<TAccess<bool>>(&key.Field)) {
            (*flag)(s) = file.ReadBool(key.Name, (*flag)(s));
        } else {
            (*std::get<TAccess<std::string>>(key.Field))(s) = file.ReadText(key.Name, "");
        }
    }
}

void WriteOptionalKeys(TSettingsFile& file, TWindowSettings s)
{
    TWindowSettings defaults;
    for (const TOptionalKey& key : OptionalKeys) {
        const bool stored = !file.ReadText(key.Name, "").empty();
        if (const auto* number = std::get_if<TAccess<int32_t>>(&key.Field)) {
            if ((*number)(s) != (*number)(defaults) || stored)
                file.WriteInteger(key.Name, (*number)(s));
        } else if (const auto* flag = std::get_if<TAccess<bool>>(&key.Field)) {
            if ((*flag)(s) != (*flag)(defaults) || stored)
                file.WriteBool(key.Name, (*flag)(s));
        } else {
            const std::string& text = (*std::get<TAccess<std::string>>(key.Field))(s);
            if (text != (*std::get<TAccess<std::string>>(key.Field))(defaults) || stored)
                file.WriteText(key.Name, text);
        }
    }
}

}  // namespace

void KeepStoredPlace(const TSettingsFile& file, TWindowSettings& s)
{
    for (const TSettingsKey& key : Keys) {
        const auto* bound = std::get_if<int TWindowBounds::*>(&key.Field);
        if (bound != nullptr && (*bound == &TWindowBounds::Left || *bound == &TWindowBounds::Top))
            ReadKey(file, key, s);
    }
}

void ReadWindowSettings(const TSettingsFile& file, TWindowSettings& s)
{
    for (const TSettingsKey& key : Keys)
        if (key.Gate(s))
            ReadKey(file, key, s);
    ReadNumberedLists(file, s);
    ReadOptionalKeys(file, s);
}

void KeepLaterAlerts(const TSettingsFile& file, TWindowSettings& s)
{
    TWindowSettings stored;
    ReadNumberedLists(file, stored);
    s.AlertedPeriods.resize(s.Limits.size());
    for (size_t i = 0; i < s.Limits.size() && i < stored.Limits.size() && i < stored.AlertedPeriods.size(); ++i)
        if (stored.Limits[i] == s.Limits[i] && stored.AlertedPeriods[i] > s.AlertedPeriods[i])
            s.AlertedPeriods[i] = stored.AlertedPeriods[i];
}

bool WriteWindowSettings(TSettingsFile file, const TWindowSettings& s, bool quiet)
{
    for (const std::string_view name : WriteOrder)
        if (const TSettingsKey& key = KeyNamed(name); !(quiet && key.IsBound))
            WriteKey(file, key, s);
    WriteNumberedLists(file, s);
    WriteOptionalKeys(file, s);
    return file.Save();
}

}  // namespace kellvar
