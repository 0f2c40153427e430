// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kellvar::platform {

// Files written whole or not at all.

// Writes the text to a new file beside the target (a hidden sibling, locked
// while it is written) and renames it over the target, so a crash or a full
// disk leaves the old file or the new one, never a mix. The target keeps its
// permissions where it is a plain file of the user's own (set-id bits
// dropped); else it gets 0666 less the umask. Temporaries that a killed write left are removed. False, with
// errno set, when it could not be written; the target is then untouched.
bool ReplaceFile(const std::string& fileName, std::string_view text);

// Writes the text over the file where it stands: the one way left when its
// directory takes no new file but the file itself may be written. The room
// for the new text is taken first, so a full disk leaves the old file as it
// was; only a longer old text is cut, after every new byte is on disk.
bool OverwriteInPlace(const std::string& fileName, std::string_view text);

}  // namespace kellvar::platform
