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

// Where a key's value lives in the settings; a list's entries are kept
// under numbered keys (Tariff1, Tariff2, ...).
using TSettingsField = std::variant<bool TWindowSettings::*, int32_t TWindowSettings::*, std::string TWindowSettings::*,
                                    int TWindowBounds::*, int32_t TPeriodRules::*, bool TPeriodRules::*,
                                    std::vector<std::string> TWindowSettings::*>;

// Which stored integers a key takes; others leave the value it had, or give -1.
enum class TAccepted { Any, FilterIndex, PageOrNone, DayOfMonth };

// When a key is written: always, or once its value differs from the
// default or the file has it (the Costs page's keys, which a file of the
// window's first keys never had), or for a list, after its last entry an
// empty key where the file has more.
enum class TWritten { Always, OnceSet, AsList };

struct TSettingsKey {
    const char* Name;
    TSettingsField Field;
    // Read only when this holds of the keys read before it.
    bool (*Gate)(const TWindowSettings&);
    TAccepted Accepted = TAccepted::Any;
    bool IsBound = false;  // not written by quiet runs
    TWritten Written = TWritten::Always;
    // A list of one entry per entry of this one (a limit's period told,
    // empty while it was never told); other lists end at the first empty key.
    std::vector<std::string> TWindowSettings::*OnePerEntryOf = nullptr;
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

// The keys in the order they are read: the window's fourteen, then the
// Costs page's tariff files, limits and when each was told, how billing
// months and weeks are cut and where the HTML report goes. Defaults are the
// values the settings come in with.
constexpr size_t WindowKeyCount = 14;
constexpr std::array<TSettingsKey, WindowKeyCount + 6> Keys = {{
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
    {"Tariff", &TWindowSettings::TariffFiles, Always, TAccepted::Any, false, TWritten::AsList},
    {"Limit", &TWindowSettings::Limits, Always, TAccepted::Any, false, TWritten::AsList},
    {"Alerted", &TWindowSettings::AlertedPeriods, Always, TAccepted::Any, false, TWritten::AsList,
     &TWindowSettings::Limits},
    {"BillingMonthStart", &TPeriodRules::MonthStart, Always, TAccepted::DayOfMonth, false, TWritten::OnceSet},
    {"WeekStartsOnSunday", &TPeriodRules::WeekStartsOnSunday, Always, TAccepted::Any, false, TWritten::OnceSet},
    {"HtmlReportFolder", &TWindowSettings::HtmlReportFolder, Always, TAccepted::Any, false, TWritten::OnceSet},
}};

// The window's keys in the order it writes them when it closes; the Costs
// page's follow in the order they are read.
constexpr std::array<std::string_view, WindowKeyCount> WriteOrder = {"Width",
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

// Each of the window's keys written once: a name missing from the keys
// would not compile.
static_assert([] {
    for (size_t i = 0; i < WriteOrder.size(); ++i) {
        size_t found = 0;
        for (size_t key = 0; key < WindowKeyCount; ++key)
            found += WriteOrder[i] == Keys[key].Name ? 1 : 0;
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
    case TAccepted::DayOfMonth:
        return read >= 1 && read <= 31 ? read : current;
    case TAccepted::Any:
        break;
    }
    return read;
}

std::string NumberedKey(const char* prefix, size_t number)
{
    return prefix + std::to_string(number);
}

void ReadList(const TSettingsFile& file, const TSettingsKey& key, std::vector<std::string>& values,
              const TWindowSettings& s)
{
    values.clear();
    const size_t count = key.OnePerEntryOf != nullptr ? (s.*key.OnePerEntryOf).size() : SIZE_MAX;
    for (size_t number = 1; number <= count; ++number) {
        std::string value = file.ReadText(NumberedKey(key.Name, number), "");
        if (value.empty() && key.OnePerEntryOf == nullptr)
            break;
        values.push_back(std::move(value));
    }
}

// A file where a list was never set gets no key of it; one that had more
// entries than now gets an empty key after the last, which ends the list.
void WriteList(TSettingsFile& file, const TSettingsKey& key, const std::vector<std::string>& values)
{
    for (size_t i = 0; i < values.size(); ++i)
        file.WriteText(NumberedKey(key.Name, i + 1), values[i]);
    const std::string end = NumberedKey(key.Name, values.size() + 1);
    if (!file.ReadText(end, "").empty())
        file.WriteText(end, "");
}

void ReadKey(const TSettingsFile& file, const TSettingsKey& key, TWindowSettings& s)
{
    std::visit(
        [&](auto field) {
            using TField = decltype(field);
            if constexpr (std::is_same_v<TField, bool TWindowSettings::*>)
                s.*field = file.ReadBool(key.Name, s.*field);
            else if constexpr (std::is_same_v<TField, bool TPeriodRules::*>)
                s.Periods.*field = file.ReadBool(key.Name, s.Periods.*field);
            else if constexpr (std::is_same_v<TField, std::string TWindowSettings::*>)
                s.*field = file.ReadText(key.Name, s.*field);
            else if constexpr (std::is_same_v<TField, int TWindowBounds::*>)
                s.Bounds.*field = file.ReadInteger(key.Name, s.Bounds.*field);
            else if constexpr (std::is_same_v<TField, int32_t TPeriodRules::*>)
                // One out of its range reads as its default.
                s.Periods.*field =
                    Accept(key.Accepted, file.ReadInteger(key.Name, s.Periods.*field), TPeriodRules{}.*field);
            else if constexpr (std::is_same_v<TField, std::vector<std::string> TWindowSettings::*>)
                ReadList(file, key, s.*field, s);
            else
                s.*field = Accept(key.Accepted, file.ReadInteger(key.Name, s.*field), s.*field);
        },
        key.Field);
}

template <typename TValue> bool Differs(const TValue& value, const TValue& defaultValue)
{
    return value != defaultValue;
}

void WriteKey(TSettingsFile& file, const TSettingsKey& key, const TWindowSettings& s)
{
    static const TWindowSettings defaults;
    // A key set once is written from then on, as it stands.
    const bool stored = key.Written == TWritten::OnceSet && !file.ReadText(key.Name, "").empty();
    const auto written = [&](const auto& value, const auto& defaultValue) {
        return key.Written != TWritten::OnceSet || stored || Differs(value, defaultValue);
    };
    std::visit(
        [&](auto field) {
            using TField = decltype(field);
            if constexpr (std::is_same_v<TField, bool TWindowSettings::*>) {
                file.WriteBool(key.Name, s.*field);
            } else if constexpr (std::is_same_v<TField, bool TPeriodRules::*>) {
                if (written(s.Periods.*field, defaults.Periods.*field))
                    file.WriteBool(key.Name, s.Periods.*field);
            } else if constexpr (std::is_same_v<TField, std::string TWindowSettings::*>) {
                if (written(s.*field, defaults.*field))
                    file.WriteText(key.Name, s.*field);
            } else if constexpr (std::is_same_v<TField, int TWindowBounds::*>) {
                file.WriteInteger(key.Name, s.Bounds.*field);
            } else if constexpr (std::is_same_v<TField, int32_t TPeriodRules::*>) {
                if (written(s.Periods.*field, defaults.Periods.*field))
                    file.WriteInteger(key.Name, s.Periods.*field);
            } else if constexpr (std::is_same_v<TField, std::vector<std::string> TWindowSettings::*>) {
                WriteList(file, key, s.*field);
            } else {
                file.WriteInteger(key.Name, s.*field);
            }
        },
        key.Field);
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
}

void KeepLaterAlerts(const TSettingsFile& file, TWindowSettings& s)
{
    TWindowSettings stored;
    for (const char* list : {"Limit", "Alerted"})
        ReadKey(file, KeyNamed(list), stored);
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
    for (size_t i = WindowKeyCount; i < Keys.size(); ++i)
        WriteKey(file, Keys[i], s);
    return file.Save();
}

}  // namespace kellvar
