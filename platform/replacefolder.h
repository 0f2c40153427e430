// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filehandle.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kellvar::platform {

// The names in a folder, without "." and ".."; none, with errno set, when
// it cannot be read.
std::optional<std::vector<std::string>> FolderEntries(const std::string& path);

// A folder whose files are all replaced at once: the new files are written
// into a hidden sibling ".NAME.new-XXXXXX", locked while it is filled, which
// then takes the folder's place in one rename, so that a reader sees the old
// files or the new ones, never a mix. A folder that a killed run left is
// removed by the next one. Where the folder's parent takes no new folder
// (a folder of one's own in a web server's), the new files are written into
// a hidden folder ".new-XXXXXX" inside it and each takes its old file's place
// in one rename: a reader then sees each file whole, the old or the new one.
// Only plain files; names are the caller's. The
// files are not forced to disk: what the folder holds can be made again,
// and after a power cut the next replacement makes it whole.
class TFolderReplacement {
public:
    // Which files of a folder the replacement may remove: the old folder's,
    // and those of a killed run's folder.
    using TOwnFile = std::function<bool(std::string_view name)>;

    TFolderReplacement(std::string target, TOwnFile ownFile);
    TFolderReplacement(const TFolderReplacement&) = delete;
    TFolderReplacement& operator=(const TFolderReplacement&) = delete;
    // The new folder goes unless it took the target's place.
    ~TFolderReplacement();

    // Makes the new folder; false with errno set.
    bool Begin();
    // The name of the hidden folder inside the target, while it is written or
    // after a killed run.
    static bool IsInsideStaging(std::string_view name);
    // Writes a file of the new folder, the pieces one after the other; false
    // with errno set.
    bool WriteFile(const std::string& name, std::initializer_list<std::string_view> pieces);
    // Puts the new folder in the target's place, with the old folder's
    // permissions (a new one gets those the umask leaves), and removes the
    // old files; false with errno set, the target then untouched.
    bool Commit();

private:
    bool MakeStaging(const std::string& prefix);
    bool CommitInside();
    void RemoveFolder(const std::string& path) const;
    void RemoveLeftovers(const std::string& prefix) const;

    std::string target_;
    TOwnFile ownFile_;
    std::string staging_;
    // The files of the new folder, as they were written.
    std::vector<std::string> written_;
    TFileHandle lock_;
    bool committed_ = false;
    // The new folder stands inside the target.
    bool inside_ = false;
};

}  // namespace kellvar::platform
