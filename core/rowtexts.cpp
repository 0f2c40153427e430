// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowtexts.h"

#include "formatting.h"
#include "htmlescape.h"

#include <algorithm>
#include <charconv>

namespace kellvar {

namespace {

char* WriteText(char* out, std::string_view text)
{
    return std::copy(text.begin(), text.end(), out);
}

char* WriteInteger(char* out, int64_t value)
{
    return std::to_chars(out, out + HundredthsRoom, value).ptr;
}

// A rate or byte count as FormatPrefixed(100, value) writes it: from 32-bit
// fields the hundredths stay far below the 10^13 up to which they read alike.
char* WritePrefixedHundredths(char* out, double value, std::string_view sep)
{
    const TPrefixed prefixed = Prefixed(100, value);
    out = WriteHundredths(out, prefixed.Quotient, sep);
    if (prefixed.Letter != 0)
        *out++ = prefixed.Letter;
    return out;
}

// Room for a row's cells at their longest: three stamps, nine numbers with a
// prefix letter and a unit of up to four letters, a TAB after each cell.
constexpr size_t RowRoom = 3 * StampTextRoom + 9 * (HundredthsRoom + 5) + TableColumnCount;
// Cells that may carry a decimal separator.
constexpr size_t FractionCells = 6;

}  // namespace

size_t AppendConnectionCells(std::string& text, const TConnectionRecord& r, int32_t rowNumber, std::string_view sep)
{
    const size_t start = text.size();
    text.resize(start + RowRoom + FractionCells * sep.size());
    char* out = text.data() + start;
    out = WriteText(WriteInteger(out, rowNumber - 1), "\t");
    out = WriteText(WriteStampText(out, r.ConnectDateParts, r.ConnectTime), "\t");
    out = WriteText(WriteStampText(out, r.HangUpDateParts, r.HangUpTime), "\t");
    out = WriteText(WriteHundredths(out, r.ConnectionDuration, sep), "s\t");
    out = WriteText(WritePrefixedHundredths(out, r.ReadRate * 0.01, sep), "cps\t");
    out = WriteText(WritePrefixedHundredths(out, r.WriteRate * 0.01, sep), "cps\t");
    out = WriteText(WritePrefixedHundredths(out, r.BytesRead, sep), "byte\t");
    out = WriteText(WritePrefixedHundredths(out, r.BytesWritten, sep), "byte\t");
    out = WriteText(WriteInteger(out, r.Bps), "bps\t");
    out = WriteText(WriteStampText(out, r.DialDateParts, r.DialTime), "\t");
    out = WriteText(WriteHundredths(out, r.DialDuration, sep), "s");
    const bool overrun = r.OverrunErrors > 0;
    if (overrun)
        out = WriteInteger(WriteText(out, "\t"), r.OverrunErrors);
    text.resize(static_cast<size_t>(out - text.data()));
    return overrun ? TableColumnCount : TableColumnCount - 1;
}

std::string PricedCell(int column, const std::optional<TCost>& cost, std::string_view decimalSeparator)
{
    if (!cost)
        return {};
    switch (column) {
    case CostsColumn:
        return CostText(cost->Amount, *cost->Tariff, decimalSeparator);
    case TariffColumn:
        return cost->Tariff->Name();
    default:
        return {};
    }
}

TRowCells ConnectionRowCells(const TConnectionRecord& record, int32_t rowNumber, std::string_view sep)
{
    std::string text;
    const size_t count = AppendConnectionCells(text, record, rowNumber, sep);
    return TRowCells::Joined(std::move(text), count);
}

namespace {

// Appends the first count fields, joined by TAB and ended by CR LF.
template <class TFields> void AppendLine(std::string& text, const TFields& fields, size_t count)
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
    AppendRowText(text, cells);
    return text;
}

void AppendRowText(std::string& text, const TRowCells& cells)
{
    text += cells.Text();
    text += "\r\n";
}

std::string TableText(const std::vector<TRowCells>& rows, const std::vector<std::string>& columnCaptions)
{
    if (rows.empty())
        return {};
    std::string text;
    text.reserve(rows.size() * 160);
    AppendLine(text, columnCaptions, std::min(rows.front().size(), columnCaptions.size()));
    for (const TRowCells& row : rows)
        AppendRowText(text, row);
    return text;
}

namespace {

template <class TCells> std::string HtmlRow(const TCells& cells, size_t count, const char* tag)
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
