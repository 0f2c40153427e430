// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace kellvar {

// Writes realistic modem logs as the Windows driver does: initialisation
// chatter, dialled digits masked, connects, progress lines, hang-ups and
// statistics blocks, with busy lines, sessions the driver never closed and
// late overrun counts mixed in. The same seed gives the same sessions in
// both languages (German as Windows-1252 bytes).
struct TLogGeneratorOptions {
    int Sessions = 20;
    bool German = false;
    uint32_t Seed = 1;
};

std::string GenerateModemLog(const TLogGeneratorOptions& options);

}  // namespace kellvar
