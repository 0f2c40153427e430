#include "rowtexts.h"

#include "formatting.h"

#include <algorithm>

namespace kellvar {

TRowCells ConnectionRowCells(const TConnectionRecord& r, int32_t rowNumber, const std::string& sep)
{
    // Moved in one by one: an initializer list would copy every text.
    TRowCells cells;
    cells.reserve(TableColumnCount);
    cells.push_back(std::to_string(rowNumber - 1));
    cells.push_back(StampText(r.ConnectDateParts, r.ConnectTime));
    cells.push_back(StampText(r.HangUpDateParts, r.HangUpTime));
    cells.push_back(FloatText(r.ConnectionDuration * 0.01, sep) + "s");
    cells.push_back(FormatPrefixed(100, r.ReadRate * 0.01, sep) + "cps");
    cells.push_back(FormatPrefixed(100, r.WriteRate * 0.01, sep) + "cps");
    cells.push_back(FormatPrefixed(100, r.BytesRead, sep) + "byte");
    cells.push_back(FormatPrefixed(100, r.BytesWritten, sep) + "byte");
    cells.push_back(FloatText(r.Bps, sep) + "bps");
    cells.push_back(StampText(r.DialDateParts, r.DialTime));
    cells.push_back(FloatText(r.DialDuration * 0.01, sep) + "s");
    if (r.OverrunErrors > 0)
        cells.push_back(FloatText(r.OverrunErrors, sep));
    return cells;
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
