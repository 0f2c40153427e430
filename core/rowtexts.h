// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionrecord.h"
#include "rowcells.h"
#include "tariffs.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kellvar {

// Columns of the connection table.
enum TTableColumn : int {
    NumberColumn = 0,
    ConnectStampColumn,
    HangUpStampColumn,
    ConnectionColumn,
    ReadRateColumn,
    WriteRateColumn,
    ReceivedColumn,
    SentColumn,
    SpeedColumn,
    DialStampColumn,
    DialingColumn,
    OverrunColumn,
    TableColumnCount
};
// The last columns, when a tariff prices the connections: "0,24 DM" and the
// name of the tariff that priced it.
inline constexpr int CostsColumn = TableColumnCount;
inline constexpr int TariffColumn = CostsColumn + 1;

// What a column's texts are, which decides how they sort back into numbers
// and how they line up.
enum class TCellKind {
    Count,     // "12"
    Stamp,     // "6.1.2000-22:41:18.12"
    Seconds,   // "3120.01s"
    Bitrate,   // "28800bps"
    Prefixed,  // "13.35Mbyte", "4487.27cps"
    Money,     // "0,24 DM"
    Name,      // "German units (local, 1998)": sorts as text
};

// Each column once, in the table's order: what its texts are, its width in
// the layout's pixels (the costs column has none; its texts decide), whether
// they stand right, as numbers do (the row number stands left), and the name
// of its value in CSV and JSON.
struct TColumnSpec {
    TCellKind Kind;
    int LayoutWidth;
    bool RightAligned;
    std::string_view Field;
};
inline constexpr std::array<TColumnSpec, TableColumnCount + 2> TableColumns = {{
    {TCellKind::Count, 30, false, "number"},             // #
    {TCellKind::Stamp, 144, false, "connect"},           // Connect
    {TCellKind::Stamp, 144, false, "hangup"},            // Hangup
    {TCellKind::Seconds, 83, true, "duration_s"},        // Connection
    {TCellKind::Prefixed, 86, true, "read_rate"},        // Read Rate
    {TCellKind::Prefixed, 80, true, "write_rate"},       // Write Rate
    {TCellKind::Prefixed, 100, true, "received_bytes"},  // Received
    {TCellKind::Prefixed, 90, true, "sent_bytes"},       // Sent
    {TCellKind::Bitrate, 75, true, "speed_bps"},         // Connect (speed)
    {TCellKind::Stamp, 144, false, "dial"},              // Dial Command
    {TCellKind::Seconds, 57, true, "dial_s"},            // Dialing
    {TCellKind::Count, 52, true, "overrun_errors"},      // OvrErr
    {TCellKind::Money, 0, true, "cost"},                 // Costs
    {TCellKind::Name, 0, false, "tariff"},               // Tariff
}};

// The columns after the overrun column that a price fills, in their order.
inline constexpr int PricedColumnCount = static_cast<int>(TableColumns.size()) - TableColumnCount;
// A priced column's cell: "0,24 DM", the tariff's name; empty where no
// tariff priced the connection.
std::string PricedCell(int column, const std::optional<TCost>& cost, std::string_view decimalSeparator);

// The cells of one emitted record: 11, or 12 when an overrun count is known.
TRowCells ConnectionRowCells(const TConnectionRecord& record, int32_t rowNumber, std::string_view decimalSeparator);
// The same cells appended to text, joined by TAB (no cell holds one); returns how many.
size_t AppendConnectionCells(std::string& text, const TConnectionRecord& record, int32_t rowNumber,
                             std::string_view decimalSeparator);

// One row as copied: its cells joined by TAB, ended by CR LF.
std::string RowText(const TRowCells& cells);
// The same line appended to text.
void AppendRowText(std::string& text, const TRowCells& cells);

// The whole table as copied: a header of the top row's width (never past the
// last column), then every row with all its cells. Empty without rows.
std::string TableText(const std::vector<TRowCells>& rows, const std::vector<std::string>& columnCaptions);

// The same table as HTML, for programs that paste tables as tables.
std::string TableHtml(const std::vector<TRowCells>& rows, const std::vector<std::string>& columnCaptions);

}  // namespace kellvar
