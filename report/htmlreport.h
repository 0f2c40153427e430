// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reportinput.h"

#include "core/connectionfilter.h"
#include "core/connectionrecord.h"
#include "core/periodspans.h"
#include "core/usagelimits.h"
#include "history/historyreport.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kellvar {

// What the HTML report holds besides the history's connections.
struct THtmlReportRequest {
    std::string Folder;
    // A page per month or per year.
    TPeriod By = TPeriod::Month;
    // The connect dates and dialled numbers kept.
    TConnectionFilter Kept;
    // Limits shown with their bars, for the periods that hold the input's today.
    std::vector<TLimit> Limits;
    TPeriodRules Periods;
    // A page of what each tariff would have cost per period.
    bool Compare = false;
    // The connections the first reading keeps to write the pages from, as
    // many as the window's table holds; a longer history is read again.
    size_t KeptConnectionsAtMost = RowNumberLimit;
};

// The files of a report folder: index.html, the style sheet, and a page per
// month ("2000-01.html") or year ("2000.html").
bool IsHtmlReportFile(std::string_view name);

// Writes the report of the input's history into the folder: an index with
// the overview, the history's chart and a table of the periods, and a page
// per period with its figures, charts and connections. The folder's earlier
// report is replaced at once, and only a folder that is new, empty or holds
// a report is written to. A failed run names the folder or the log and
// leaves the folder as it was.
TReportRun WriteHtmlReport(const THtmlReportRequest& request, const TReportInput& input, const TAnalysisFlags& flags);

// The same report as the window asks for it after a quiet run.
THistoryReportResult WriteHistoryReport(const THistoryReportRequest& request);

}  // namespace kellvar
