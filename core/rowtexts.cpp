#include "rowtexts.h"

#include "formatting.h"

#include <algorithm>

namespace kellvar {

size_t AppendConnectionCells(std::string& text, const TConnectionRecord& r, int32_t rowNumber, std::string_view sep)
{
    text += std::to_string(rowNumber - 1);
    text += '\t';
    AppendStampText(text, r.ConnectDateParts, r.ConnectTime);
    text += '\t';
    AppendStampText(text, r.HangUpDateParts, r.HangUpTime);
    text += '\t';
    AppendFloatText(text, r.ConnectionDuration * 0.01, sep);
    text += "s\t";
    AppendPrefixed(text, 100, r.ReadRate * 0.01, sep);
    text += "cps\t";
    AppendPrefixed(text, 100, r.WriteRate * 0.01, sep);
    text += "cps\t";
    AppendPrefixed(text, 100, r.BytesRead, sep);
    text += "byte\t";
    AppendPrefixed(text, 100, r.BytesWritten, sep);
    text += "byte\t";
    AppendFloatText(text, r.Bps, sep);
    text += "bps\t";
    AppendStampText(text, r.DialDateParts, r.DialTime);
    text += '\t';
    AppendFloatText(text, r.DialDuration * 0.01, sep);
    text += 's';
    if (r.OverrunErrors <= 0)
        return TableColumnCount - 1;
    text += '\t';
    AppendFloatText(text, r.OverrunErrors, sep);
    return TableColumnCount;
}

TRowCells ConnectionRowCells(const TConnectionRecord& record, int32_t rowNumber, std::string_view sep)
{
    std::string text;
    TRowCells cells;
    cells.reserve(AppendConnectionCells(text, record, rowNumber, sep));
    for (size_t start = 0;;) {
        const size_t tab = text.find('\t', start);
        cells.emplace_back(text, start, tab - start);
        if (tab == std::string::npos)
            return cells;
        start = tab + 1;
    }
}

namespace {

// Appends the first count fields, joined by TAB and ended by CR LF.
void AppendLine(std::string& text, const std::vector<std::string>& fields, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (i > 0)
            text += '\t';
        text += fields[i];
    }
    text += "\r\n";
}

}  // namespace

std::string RowText(const TRowCells& cells)
{
    std::string text;
    AppendLine(text, cells, cells.size());
    return text;
}

void AppendRowText(std::string& text, const TRowCells& cells)
{
    AppendLine(text, cells, cells.size());
}

std::string TableText(const std::vector<TRowCells>& rows, const std::vector<std::string>& columnCaptions)
{
    if (rows.empty())
        return {};
    std::string text;
    text.reserve(rows.size() * 160);
    AppendLine(text, columnCaptions, std::min(rows.front().size(), columnCaptions.size()));
    for (const TRowCells& row : rows)
        AppendLine(text, row, row.size());
    return text;
}

namespace {

std::string HtmlEscaped(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string HtmlRow(const std::vector<std::string>& cells, size_t count, const char* tag)
{
    std::string row = "<tr>";
    for (size_t i = 0; i < count; ++i)
        row += std::string("<") + tag + ">" + HtmlEscaped(cells[i]) + "</" + tag + ">";
    return row + "</tr>\n";
}

}  // namespace

std::string TableHtml(const std::vector<TRowCells>& rows, const std::vector<std::string>& columnCaptions)
{
    if (rows.empty())
        return {};
    std::string html =
        "<table>\n" + HtmlRow(columnCaptions, std::min(rows.front().size(), columnCaptions.size()), "th");
    for (const TRowCells& row : rows)
        html += HtmlRow(row, row.size(), "td");
    return html + "</table>\n";
}

}  // namespace kellvar
