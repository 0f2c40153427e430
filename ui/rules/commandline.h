// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kellvar {

// The quiet options, any letter case, whole arguments only; once set a flag stays set.
struct TQuietFlags {
    bool Quiet = false;
    bool QuietTotal = false;
};
TQuietFlags ParseQuietFlags(const std::vector<std::string>& arguments);

// The log file named on the command line: the first argument unless it starts
// with "-", else the second one, whatever it looks like.
struct TStartUpArgument {
    bool FromCommandLine = false;
    std::string File;
};
TStartUpArgument StartUpArgument(const std::vector<std::string>& arguments);

// True when the start-up file is an All-Time-Log (extension ".ATL" in any case),
// which is analysed without the size warning.
bool IsAllTimeLogFile(const std::string& path);

}  // namespace kellvar
