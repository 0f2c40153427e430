// SPDX-License-Identifier: GPL-3.0-or-later
#include "htmlescape.h"

namespace kellvar {

void AppendHtmlEscaped(std::string& out, std::string_view text)
{
    // Most texts are numbers and stamps with nothing to escape: they go in
    // whole, the others piece by piece between the characters replaced.
    size_t from = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        std::string_view replacement;
        switch (text[at]) {
        case '&':
            replacement = "&amp;";
            break;
        case '<':
            replacement = "&lt;";
            break;
        case '>':
            replacement = "&gt;";
            break;
        case '"':
            replacement = "&quot;";
            break;
        default:
            continue;
        }
        out.append(text.substr(from, at - from)).append(replacement);
        from = at + 1;
    }
    out.append(text.substr(from));
}

std::string HtmlEscaped(std::string_view text)
{
    std::string escaped;
    AppendHtmlEscaped(escaped, text);
    return escaped;
}

}  // namespace kellvar
