// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kellvar {

// The reading bar counts tenths of a percent.
inline constexpr int ReadingProgressSteps = 1000;

// How far a run has read; full once it has read the size it found at the
// start, even when the log grew while it was read.
int ReadingProgress(int64_t bytesRead, int64_t fileSize);

}  // namespace kellvar
