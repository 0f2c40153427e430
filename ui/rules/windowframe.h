// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace kellvar {

// The widths of the frame a window manager puts around the window. It is
// unknown until the window has been mapped, yet the stored bounds count it:
// a window mapped at the stored size would shrink once its frame appears. So
// the frame measured last is remembered, and the next start maps the window
// at the size it keeps.
struct TFrameEdges {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TFrameEdges&) const = default;
};

// The frame remembered in the file; none where the file holds no frame a
// window manager could have drawn (missing, damaged, unreadable).
std::optional<TFrameEdges> ReadFrameEdges(const std::string& fileName);
// False when it could not be written; the window then works as without it.
bool WriteFrameEdges(const std::string& fileName, const TFrameEdges& edges);

// Where the frame is remembered: beside the settings file where that is
// beside the program, else in the user's cache directory.
std::string FrameFileName(const std::string& programPath);

}  // namespace kellvar
