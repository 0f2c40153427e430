// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kellvar {

// File names are bytes on Linux and need not be valid UTF-8. The window holds
// them as text with each byte that is no part of valid UTF-8 kept as the lone
// surrogate U+DC80 to U+DCFF, so that every name comes back byte for byte
// (QFile::decodeName would turn such bytes into U+FFFD for good).
QString FileNameText(std::string_view bytes);
std::string FileNameBytes(const QString& text);

}  // namespace kellvar
