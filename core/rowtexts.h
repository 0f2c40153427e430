// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionrecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace kellvar {

using TRowCells = std::vector<std::string>;

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
// The last column, when a tariff prices the connections: "0,24 DM".
inline constexpr int CostsColumn = TableColumnCount;

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
