// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace kellvar {

// Texts the program shows in the same wording whatever the language.

// Beside the log size on the overview while the default log is shown.
inline constexpr std::string_view LogFileMaxSizeNote = "(max. 255KB)";

// The settings page's group box keeps its design caption.
inline constexpr std::string_view SettingsGroupCaption = "Voreinstellungen";

// The unit of the mean dialing time, blank included.
inline constexpr std::string_view DialingTimeUnit = " Sekunden";

// The pop-up menus of the charts and of the table.
inline constexpr std::string_view UnzoomCaption = "Unzoom";
inline constexpr std::string_view CopyBitmapCaption = "Copy Bitmap";
inline constexpr std::string_view CopyMetaCaption = "Copy Meta";
inline constexpr std::string_view CopyTableCaption = "Copy Data (Table)";
inline constexpr std::string_view CopyLineCaption = "Copy Data (Line)";

// The file dialog's filters as "description (patterns)"; the dialog hides
// the trailing pattern list. "All file" takes names without a dot too.
inline constexpr std::array<std::string_view, 4> OpenDialogFilters = {
    "Logfiles (*.txt,*.log) (*.txt *.log)", "All-Time-Log (*.atl) (*.atl)",
    "All Logfiles (*.txt,*.log,*.atl) (*.txt *.log *.atl)", "All file (*)"};

}  // namespace kellvar
