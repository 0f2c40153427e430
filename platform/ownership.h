// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace kellvar::platform {

// Rules for files in folders that other users may share. Root counts as
// trusted everywhere: whoever could plant a file as root could do anything.

// A directory that only this user (or root) can change: owned by this user
// or by root, writable by no other user. A group that is the user's own
// private group (no other members) does not count as others.
bool OnlyUserMayChange(const std::string& directory);

// Nobody but this user or root can change the file or put another in its
// place: the file and every folder above it are theirs and writable by
// nobody else, links included. A sticky folder such as /tmp on the way is
// no danger: there nobody may rename what is not theirs.
bool OnlyUserMayChangePath(const std::string& file);

// The file the path names with every symbolic link on its way resolved, in
// its folders as at its end (the path itself where it holds no link); a
// relative link is taken against the directory it stands in. Nothing when a
// link on the way belongs to another user: such a link is never followed, as
// the kernel's protected_symlinks does in sticky folders. A loop ends after
// 40 links at a link, whose open then fails as it would.
std::optional<std::string> OwnLinkTarget(const std::string& path);

}  // namespace kellvar::platform
