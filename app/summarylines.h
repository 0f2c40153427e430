#pragma once

#include "core/summaryfigures.h"

#include <optional>
#include <string>

namespace kellvar {

// The overview after one run in a freshly started program, in its reading
// order: one "caption TAB value LF" line per figure, "-" where a figure has
// no value yet.
std::string SummaryLines(const TSummaryFigures& figures, const std::optional<TLastConnection>& last, bool german);

}  // namespace kellvar
