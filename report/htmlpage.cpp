// SPDX-License-Identifier: GPL-3.0-or-later
#include "htmlpage.h"

#include "lang/wordings.h"
#include "svgchart.h"

namespace kellvar {

namespace {

// Light colours, and dark ones where the browser asks for them (the charts
// then as the window's dark palette draws them). Wide tables scroll in
// their frame; printing keeps charts whole on a page.
constexpr std::string_view Css = R"(:root { color-scheme: light; }
body { font-family: sans-serif; margin: 1em auto; max-width: 1400px; padding: 0 1em; color: #111; background: #fff; }
h1 { font-size: 1.5em; color: #000080; }
h2 { font-size: 1.2em; margin-top: 1.5em; }
h3 { font-size: 1em; margin: 1em 0 0.3em; color: #333; }
nav { display: flex; flex-wrap: wrap; gap: 1.5em; margin: 0.5em 0; }
a { color: #0645ad; }
a:focus-visible, th:focus-visible { outline: 3px solid #0645ad; outline-offset: 2px; }
dl.figures { display: grid; grid-template-columns: repeat(auto-fill, minmax(22em, 1fr)); gap: 0.2em 2em; }
dl.figures div { display: flex; justify-content: space-between; gap: 1em; border-bottom: 1px solid #ddd; }
dl.figures dt, dl.figures dd { margin: 0.15em 0; }
dl.figures dd { font-variant-numeric: tabular-nums; text-align: right; }
.charts { display: grid; grid-template-columns: repeat(auto-fit, minmax(min(100%, 560px), 1fr)); gap: 1em; }
.charts > div { overflow-x: auto; }
svg.chart { width: 100%; min-width: 600px; height: auto; font-size: 12px; background: #fff; break-inside: avoid; }
svg.chart .title { font-size: 15px; font-weight: bold; }
svg.chart .plot { fill: #fff; }
svg.chart .frame { fill: none; stroke: #555; }
svg.chart .grid line { stroke: #ddd; }
.scroll { overflow-x: auto; max-width: 100%; }
table { border-collapse: collapse; font-variant-numeric: tabular-nums; }
caption { text-align: left; font-weight: bold; font-size: 1.2em; padding: 0.3em 0; }
th, td { padding: 0.2em 0.4em; border-bottom: 1px solid #ddd; white-space: nowrap; }
th { background: #eef; text-align: left; }
th.n, td.n { text-align: right; }
td.stamp { white-space: normal; min-width: 6.5em; }
table.sortable th { cursor: pointer; }
tfoot td { font-weight: bold; border-top: 2px solid #555; }
.bar { display: inline-block; width: 12em; height: 0.8em; background: #ddd; vertical-align: middle; }
.bar span { display: block; height: 100%; background: #0645ad; }
.bar span.over { background: #c00000; }
@page { size: A4 portrait; margin: 15mm; }
@media print {
  nav { display: none; }
  .scroll, .charts > div { overflow: visible; }
  body { max-width: none; margin: 0; }
  .charts { display: block; }
  svg.chart { min-width: 0; margin-bottom: 1em; }
  table { font-size: 6.5pt; }
  th, td { padding: 0.1em 0.3em; }
}
)";

// Sorts the rows by the values of the column whose heading is clicked (or
// chosen by Enter), numbers as numbers; a second click turns the order.
constexpr std::string_view SortScript = R"(<script>
for (const table of document.querySelectorAll("table.sortable")) {
  const headings = table.tHead.rows[0].cells;
  for (let column = 0; column < headings.length; ++column) {
    const heading = headings[column];
    heading.tabIndex = 0;
    const sort = () => {
      const up = heading.getAttribute("aria-sort") !== "ascending";
      for (const other of headings) other.removeAttribute("aria-sort");
      heading.setAttribute("aria-sort", up ? "ascending" : "descending");
      const numeric = heading.classList.contains("n");
      const key = row => row.cells[column] ? row.cells[column].dataset.v ?? row.cells[column].textContent : "";
      const rows = Array.from(table.tBodies[0].rows);
      rows.sort((a, b) => {
        const x = key(a), y = key(b);
        const order = numeric ? Number(x) - Number(y) : x.localeCompare(y);
        return up ? order : -order;
      });
      table.tBodies[0].append(...rows);
    };
    heading.addEventListener("click", sort);
    heading.addEventListener("keydown", event => { if (event.key === "Enter") sort(); });
  }
}
</script>
)";

std::string Navigation(bool german, const THtmlNavigation& links)
{
    const auto link = [](const std::optional<THtmlLink>& to, std::string_view rel, std::string_view prefix,
                         std::string_view suffix) {
        return to ? "<a href=\"" + HtmlEscaped(to->Target) + "\" rel=\"" + std::string(rel) + "\">"
                        + std::string(prefix) + HtmlEscaped(to->Text) + std::string(suffix) + "</a>"
                  : std::string();
    };
    if (!links.Previous && !links.Up && !links.Next)
        return {};
    return "<nav aria-label=\"" + std::string(Wording(TWording::Pages, german)) + "\">"
           + link(links.Previous, "prev", "\u2190 ", "") + link(links.Up, "up", "\u2191 ", "")
           + link(links.Next, "next", "", " \u2192") + "</nav>\n";
}

}  // namespace

// Texts 4.5:1 and lines 3:1 to their dark grounds.
constexpr std::string_view DarkCss = R"(:root { color-scheme: dark; }
body { color: #eeeeee; background: #121212; }
h1 { color: #9db4ff; }
h3 { color: #cccccc; }
a { color: #8ab4f8; }
a:focus-visible, th:focus-visible { outline-color: #8ab4f8; }
dl.figures div, th, td { border-color: #444444; }
th { background: #23283a; }
tfoot td { border-top-color: #aaaaaa; }
.bar { background: #444444; }
.bar span { background: #8ab4f8; }
.bar span.over { background: #ff6b6b; }
)";

std::string StyleSheet()
{
    return std::string(Css) + "@media (prefers-color-scheme: dark) {\n" + std::string(DarkCss) + SvgChartDarkStyle()
           + "}\n";
}

std::string HtmlPageStart(std::string_view title, std::string_view heading, bool german, const THtmlNavigation& links)
{
    return "<!DOCTYPE html>\n<html lang=\"" + std::string(LanguageCode(german))
           + "\">\n<head>\n<meta charset=\"utf-8\">\n"
             "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>"
           + HtmlEscaped(title) + "</title>\n<link rel=\"stylesheet\" href=\"" + std::string(StyleSheetName)
           + "\">\n</head>\n<body>\n" + Navigation(german, links) + "<main>\n<h1>" + HtmlEscaped(heading) + "</h1>\n";
}

std::string HtmlPageEnd(bool german, const THtmlNavigation& links, bool sortableTable)
{
    return "</main>\n" + Navigation(german, links) + (sortableTable ? std::string(SortScript) : std::string())
           + "</body>\n</html>\n";
}

std::string HtmlFigureList(const std::vector<THtmlFigure>& figures)
{
    std::string html = "<dl class=\"figures\">\n";
    for (const THtmlFigure& f : figures)
        html += "<div><dt>" + HtmlEscaped(f.Caption) + "</dt><dd><data value=\"" + HtmlEscaped(f.Value)
                + "\" data-field=\"" + HtmlEscaped(f.Field) + "\">" + HtmlEscaped(f.Text) + "</data></dd></div>\n";
    return html + "</dl>\n";
}

std::string HtmlSection(std::string_view heading, std::string_view body)
{
    return "<section>\n<h2>" + HtmlEscaped(heading) + "</h2>\n" + std::string(body) + "</section>\n";
}

std::string HtmlTableStart(std::string_view caption, const std::vector<std::string>& headings,
                           const std::vector<bool>& numeric, bool sortable)
{
    std::string html = "<div class=\"scroll\">\n<table" + std::string(sortable ? " class=\"sortable\"" : "")
                       + ">\n<caption>" + HtmlEscaped(caption) + "</caption>\n<thead><tr>";
    for (size_t i = 0; i < headings.size(); ++i)
        html += std::string(i < numeric.size() && numeric[i] ? "<th scope=\"col\" class=\"n\">" : "<th scope=\"col\">")
                + HtmlEscaped(headings[i]) + "</th>";
    return html + "</tr></thead>\n<tbody>\n";
}

void AppendHtmlRow(std::string& html, const std::vector<THtmlCell>& cells)
{
    html += "<tr>";
    for (const THtmlCell& cell : cells) {
        html += cell.Numeric ? "<td class=\"n\"" : cell.BreaksAfterDate ? "<td class=\"stamp\"" : "<td";
        if (!cell.SortValue.empty()) {
            html += " data-v=\"";
            AppendHtmlEscaped(html, cell.SortValue);
            html += '"';
        }
        html += '>';
        if (!cell.Target.empty()) {
            html += "<a href=\"";
            AppendHtmlEscaped(html, cell.Target);
            html += "\">";
        }
        if (!cell.Field.empty()) {
            html += "<data value=\"";
            AppendHtmlEscaped(html, cell.SortValue);
            html += "\" data-field=\"";
            AppendHtmlEscaped(html, cell.Field);
            html += "\">";
        }
        const size_t dash = cell.BreaksAfterDate ? cell.Text.find('-') : std::string::npos;
        if (dash == std::string::npos) {
            AppendHtmlEscaped(html, cell.Text);
        } else {
            AppendHtmlEscaped(html, std::string_view(cell.Text).substr(0, dash + 1));
            html += "<wbr>";
            AppendHtmlEscaped(html, std::string_view(cell.Text).substr(dash + 1));
        }
        if (!cell.Field.empty())
            html += "</data>";
        if (!cell.Target.empty())
            html += "</a>";
        html += "</td>";
    }
    html += "</tr>\n";
}

std::string HtmlTableEnd(const std::vector<THtmlCell>& footer)
{
    std::string html = "</tbody>\n";
    if (!footer.empty()) {
        html += "<tfoot>";
        AppendHtmlRow(html, footer);
        html.pop_back();
        html += "</tfoot>\n";
    }
    return html + "</table>\n</div>\n";
}

}  // namespace kellvar
