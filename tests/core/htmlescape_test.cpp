// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/htmlescape.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

struct TEscapeCase {
    const char* Text;
    const char* Escaped;
};

class HtmlEscaping : public testing::TestWithParam<TEscapeCase> {};

TEST_P(HtmlEscaping, ReplacesTheFourCharactersWherever)
{
    std::string out = "<p>";
    AppendHtmlEscaped(out, GetParam().Text);
    EXPECT_EQ(out, std::string("<p>") + GetParam().Escaped) << "appended after what the text held";
    EXPECT_EQ(HtmlEscaped(GetParam().Text), GetParam().Escaped);
}

// Eight bytes are looked at a time: each character in the first, in a later
// and in the last, shorter piece, and on the edges between them.
INSTANTIATE_TEST_SUITE_P(Texts, HtmlEscaping,
                         testing::Values(TEscapeCase{"", ""}, TEscapeCase{"12482301111638", "12482301111638"},
                                         TEscapeCase{"a&b", "a&amp;b"}, TEscapeCase{"<", "&lt;"},
                                         TEscapeCase{"1234567>", "1234567&gt;"},
                                         TEscapeCase{"12345678\"", "12345678&quot;"},
                                         TEscapeCase{"12345678abcdefgh&", "12345678abcdefgh&amp;"},
                                         TEscapeCase{"1234\"678", "1234&quot;678"},
                                         TEscapeCase{"&2345678", "&amp;2345678"},
                                         TEscapeCase{"abcdefgh1234<678", "abcdefgh1234&lt;678"},
                                         TEscapeCase{"abcdefg>12345678", "abcdefg&gt;12345678"},
                                         TEscapeCase{"12345678abc<efgh", "12345678abc&lt;efgh"},
                                         TEscapeCase{"\"<&>\"<&>", "&quot;&lt;&amp;&gt;&quot;&lt;&amp;&gt;"},
                                         // Bytes above 127 and those one off the four are no escapes.
                                         TEscapeCase{"\xa6\xbc\xbe\xa2%'=?!;", "\xa6\xbc\xbe\xa2%'=?!;"},
                                         TEscapeCase{"Gr\xc3\xbc\xc3\x9f"
                                                     "e & Tsch\xc3\xbcss",
                                                     "Gr\xc3\xbc\xc3\x9f"
                                                     "e &amp; Tsch\xc3\xbcss"}));

}  // namespace
}  // namespace kellvar
