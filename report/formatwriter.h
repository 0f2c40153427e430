// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "periodtotals.h"
#include "pricingexplanation.h"
#include "reportinput.h"
#include "reportoptions.h"
#include "tariffcomparison.h"

#include "history/numberfigures.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kellvar {

// A limit that the period holding today exceeds, as an alert tells it: the
// limit as written, its period, the limit's value and what was used (or is
// foreseen, when projected) as raw numbers, and what was used as shown.
struct TAlertLine {
    std::string Limit;
    std::string FirstDay;
    std::string LastDay;
    double Value = 0;
    double Used = 0;
    std::string Shown;
    bool Projected = false;
};

// How one --format writes each of the report's contents that every format
// has, handed to it whole: the totals per period, the figures per number,
// the tariffs compared, the alerts and a connection's pricing. It is chosen
// once; a new format is one more of these.
class TFormatWriter {
public:
    virtual ~TFormatWriter() = default;

    // A document opens with the logs and the dates kept; what is written
    // last closes it.
    virtual bool Document() const = 0;
    virtual std::string Opening(const TReportOptions&) const { return {}; }
    // A document whose log failed halfway is closed, after what closes the
    // part still open, with why it ends early, so that a parser sees the
    // whole of it.
    virtual std::string FailureClosing(const std::string& /*openPart*/, const TReportRun&) const { return {}; }
    virtual void Periods(TPeriod by, const std::vector<TPeriodTotal>& periods, const TPeriodExtras& extras,
                         const TTextSink& sink) const = 0;
    virtual void Numbers(const std::vector<TNumberFigures>& numbers, const TTariff* money,
                         const TTextSink& sink) const = 0;
    virtual void Comparison(const TTariffComparison& comparison, const TTextSink& sink) const = 0;
    virtual void Alerts(const std::vector<TAlertLine>& alerts, const TTextSink& sink) const = 0;
    // Nothing to write when the connection asked for was not found, but to close a document.
    virtual void Explanation(const std::optional<TExplainedConnection>& explained, const TTextSink& sink) const = 0;
};

// Text in the language and with the decimal separator given; CSV and JSON
// in the machines' own.
std::unique_ptr<TFormatWriter> MakeFormatWriter(TReportFormat format, bool german, std::string decimalSeparator);

}  // namespace kellvar
