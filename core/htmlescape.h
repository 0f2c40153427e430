// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace kellvar {

// Text for an HTML element or a double-quoted attribute: & < > " as
// character references.
void AppendHtmlEscaped(std::string& out, std::string_view text);
std::string HtmlEscaped(std::string_view text);

}  // namespace kellvar
