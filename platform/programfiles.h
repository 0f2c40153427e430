// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kellvar::platform {

// The files the program keeps between runs: the two it has always kept, and
// the window manager's frame it measured last, which may be lost at any time.
enum class TProgramFileKind { Settings, AllTimeLog, WindowFrame };

// Beside the program file: its full path with the extension of its name
// replaced (".INI" for the settings, ".ATL" for the All-Time-Log, ".frame"
// for the frame).
std::string BesideProgram(const std::string& programPath, TProgramFileKind kind);

// Where the file lives. Beside the program file where the user may write
// there and no other user can plant or swap a file: a directory that only
// this user (or root) may change, holding no file of another user's by that
// name (a build tree, a copy in one's own folder). A program in a shared
// folder, or installed (users cannot write its directory, and it never writes
// below /usr), keeps them in the user's XDG directories:
// $XDG_CONFIG_HOME/kellvar/kellvar.INI (default ~/.config),
// $XDG_DATA_HOME/kellvar/kellvar.ATL (default ~/.local/share) and
// $XDG_CACHE_HOME/kellvar/kellvar.frame (default ~/.cache).
std::string ProgramFile(const std::string& programPath, TProgramFileKind kind);

// The helper program NAME that this program starts. A program below /usr
// starts only the one installed at installedPath, never one found beside
// it; elsewhere (a build tree, a copy of one's own, a package unpacked) the
// one beside it, else the one where the installed layout has it relative
// to the program, else installedPath. Whether it may be run is the caller's
// to judge (OnlyUserMayChangePath): ".." may lead into a shared folder.
std::string HelperProgram(const std::string& programPath, const std::string& name, const std::string& installedPath);

// Creates the directories above a file that is about to be written; false
// when they are not there afterwards.
bool CreateParentDirectories(const std::string& filePath);

}  // namespace kellvar::platform
