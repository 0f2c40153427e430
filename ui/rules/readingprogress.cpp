// SPDX-License-Identifier: GPL-3.0-or-later
#include "readingprogress.h"

#include <algorithm>

namespace kellvar {

int ReadingProgress(int64_t bytesRead, int64_t fileSize)
{
    if (fileSize <= 0)
        return 0;
    return static_cast<int>(std::min<int64_t>(ReadingProgressSteps, bytesRead * ReadingProgressSteps / fileSize));
}

}  // namespace kellvar
