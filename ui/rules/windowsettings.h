// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/rules/settingsfile.h"
#include "ui/rules/windowbounds.h"

#include "core/periodspans.h"

#include <string>
#include <vector>

namespace kellvar {

// What the settings file keeps of the window between runs.
struct TWindowSettings {
    bool UseLastWindowPosition = false;  // SavePosCheckBox
    TWindowBounds Bounds;
    bool LoadDefaultLogFile = true;  // DefaultLoadLogFileCheckBox
    std::string DefaultLogFile;      // FDefaultLogFile
    bool UseLastSettings = false;    // SaveSettingsCheckBox
    bool ShowValueLabels = false;    // ShowLabelsCheckBox
    bool StoreAllTimeLog = false;    // StoreAllTimeLogCheckBox
    bool UseLastDirectory = false;   // SaveDirCheckBox
    std::string InitialDirectory;    // OpenDialog1's initial directory
    int32_t FilterIndex = 1;         // OpenDialog1's filter, counted from 1
    int32_t DefaultTabPage = -1;     // DefaultTabComboBox's selection
    // The Costs page's tariff files, in the order matching uses: keys
    // Tariff1, Tariff2, ... that exist only once a file was chosen.
    std::vector<std::string> TariffFiles;
    // The Costs page's limits ("month:cost~>40") and, for each, the first
    // day of the period it was last told exceeded in, so that the daily
    // timer tells it once a period.
    std::vector<std::string> Limits;
    std::vector<std::string> AlertedPeriods;
    // How the limits cut billing months and weeks.
    TPeriodRules Periods;
    // Where the daily timer writes the HTML report; empty for none.
    std::string HtmlReportFolder;
};

// Reads the keys in their order, each only when its gate is open; a key not
// read leaves the value that the settings came in with (the layout's).
void ReadWindowSettings(const TSettingsFile& file, TWindowSettings& settings);

// Where the window system places windows itself (Wayland), a window's own
// idea of its place means nothing: the place stored in the file stays (the
// size still follows the window).
void KeepStoredPlace(const TSettingsFile& file, TWindowSettings& settings);

// A quiet run may have told a limit exceeded while the window was open:
// for each limit that the file holds at the same place, the later of the
// periods it was told in stays.
void KeepLaterAlerts(const TSettingsFile& file, TWindowSettings& settings);

// Writes every key (the bounds only when not quiet) in one replacement of the
// file; false when it cannot be written, and the file is then left as it was.
bool WriteWindowSettings(TSettingsFile file, const TWindowSettings& settings, bool quiet);

}  // namespace kellvar
