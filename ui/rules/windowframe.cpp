// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowframe.h"

#include "settingsfile.h"

#include "platform/profile.h"
#include "platform/programfiles.h"

#include <array>
#include <utility>

namespace kellvar {

namespace {

constexpr const char* Section = "FRAME";
// Wider than any window manager's border and title bar.
constexpr int MaxEdge = 256;

constexpr std::array<std::pair<const char*, int TFrameEdges::*>, 4> Edges = {{
    {"Left", &TFrameEdges::Left},
    {"Top", &TFrameEdges::Top},
    {"Right", &TFrameEdges::Right},
    {"Bottom", &TFrameEdges::Bottom},
}};

}  // namespace

std::optional<TFrameEdges> ReadFrameEdges(const std::string& fileName)
{
    const platform::TProfileFile file(fileName);
    TFrameEdges edges;
    for (const auto& [key, field] : Edges) {
        int32_t value = -1;
        if (!ParseSettingsInteger(file.Get(Section, key, ""), value) || value < 0 || value > MaxEdge)
            return std::nullopt;
        edges.*field = value;
    }
    return edges;
}

bool WriteFrameEdges(const std::string& fileName, const TFrameEdges& edges)
{
    if (!platform::CreateParentDirectories(fileName))
        return false;
    platform::TProfileFile file(fileName);
    for (const auto& [key, field] : Edges)
        file.Set(Section, key, std::to_string(edges.*field));
    return file.Save();
}

std::string FrameFileName(const std::string& programPath)
{
    return platform::ProgramFile(programPath, platform::TProgramFileKind::WindowFrame);
}

}  // namespace kellvar
