// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/htmlescape.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kellvar {

// The HTML report's page template: every page is made of these pieces, and
// the style sheet beside the pages is the only other file of the report.

inline constexpr std::string_view StyleSheetName = "kellvar.css";
std::string StyleSheet();

struct THtmlLink {
    std::string Target;  // a file beside the page
    std::string Text;
};

// The links to the pages around a page; none where there is no such page.
struct THtmlNavigation {
    std::optional<THtmlLink> Previous;
    std::optional<THtmlLink> Up;
    std::optional<THtmlLink> Next;
};

// From the document type to the page's links and heading.
std::string HtmlPageStart(std::string_view title, std::string_view heading, bool german, const THtmlNavigation& links);
// The links again, the table sorter where a page has a table, the end.
std::string HtmlPageEnd(bool german, const THtmlNavigation& links, bool sortableTable);

// A figure of a page: its caption, its text as the window shows it, and,
// under the name scripts know it by, the raw value the text was made from.
struct THtmlFigure {
    std::string Caption;
    std::string Text;
    std::string Field;
    std::string Value;
};
std::string HtmlFigureList(const std::vector<THtmlFigure>& figures);

std::string HtmlSection(std::string_view heading, std::string_view body);

// A table cell: its text, the value it sorts by, and whether it is a number
// (right-aligned). A field name marks the value as the one scripts read.
struct THtmlCell {
    std::string Text;
    std::string SortValue;
    bool Numeric = false;
    std::string Field;
    // A link to another page of the report.
    std::string Target;
    // A stamp ("5.1.2000-12:33:54.56") may break after its date, so that
    // a table of connections fits a laptop's width.
    bool BreaksAfterDate = false;
};

// A table in a frame that scrolls sideways on a narrow screen; a sortable
// one sorts by a column when its heading is clicked (with JavaScript on).
std::string HtmlTableStart(std::string_view caption, const std::vector<std::string>& headings,
                           const std::vector<bool>& numeric, bool sortable);
void AppendHtmlRow(std::string& html, const std::vector<THtmlCell>& cells);
// A footer row (a total) stays below the rows however they are sorted.
std::string HtmlTableEnd(const std::vector<THtmlCell>& footer = {});

}  // namespace kellvar
