// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-report's outputs. The table and the overview are the window's
// texts and keep its row limit; what scripts read covers the whole log.

#include "reportwriter.h"

#include "connectionexport.h"
#include "formatwriter.h"
#include "headlessreceiver.h"
#include "htmlreport.h"
#include "machinetext.h"
#include "numbertotals.h"
#include "periodtotals.h"
#include "pricingexplanation.h"
#include "scriptreceiver.h"
#include "tabletextreceiver.h"
#include "tariffcomparison.h"

#include "core/chartpoints.h"
#include "core/rowtexts.h"
#include "core/summaryfigures.h"
#include "core/usageprofile.h"
#include "history/costfigures.h"
#include "history/summarylines.h"
#include "lang/costtexts.h"
#include "lang/messages.h"
#include "lang/pricingtexts.h"
#include "lang/texttable.h"
#include "lang/wordings.h"

#include <optional>

namespace kellvar {

namespace {

std::optional<int32_t> DateKey(const std::optional<TDateBound>& bound)
{
    return bound ? std::optional(bound->DateKey) : std::nullopt;
}

// The sessions every output keeps: --since, --until and --number.
TConnectionFilter KeptSessions(const TReportOptions& options)
{
    return {{DateKey(options.Since), DateKey(options.Until)}, options.Numbers};
}

TAnalysisFlags WithRowLimit(TAnalysisFlags flags, bool windowText)
{
    flags.WholeLog = !windowText;
    return flags;
}

// A window text cut short by the table's row limit says so, as the window does.
TReportRun NotingRowLimit(TReportRun run, const TAnalysisCounters& counters, bool german)
{
    if (run.Analysed && counters.StoppedAtRowLimit)
        run.Messages.push_back(RowLimitMessage(counters.RowNumber - 1, german));
    return run;
}

// Connections of no time online are priced, and said to be, apart.
TReportRun NotingNoTimeOnline(TReportRun run, const TCostSums& costs, bool german)
{
    if (run.Analysed && costs.NoTimeOnline > 0)
        run.Messages.push_back(NoTimeOnlineMessage(costs.NoTimeOnline, german));
    return run;
}

// The table as "Copy Data (Table)" copies it.
class TTableWriter final : public TReportWriter {
public:
    TTableWriter(const TReportOptions& options, const TReportInput& input, TOutputStream& output)
        : options_(options), input_(input), output_(output)
    {
    }

    TReportRun Write(const TAnalysisFlags& flags) override
    {
        std::vector<std::string_view> captions = ColumnCaptions(input_.German);
        if (input_.Tariffs != nullptr)
            for (const std::string_view caption : PricedColumnCaptions(input_.German))
                captions.push_back(caption);
        TFailureKeeping<TTableTextReceiver> table(input_.DecimalSeparator,
                                                  std::vector<std::string>(captions.begin(), captions.end()), output_,
                                                  KeptSessions(options_), input_.Tariffs);
        const TReportRun run = AnalyseInput(table, input_, WithRowLimit(flags, true));
        return NotingRowLimit(run, table.Counters(), input_.German);
    }

private:
    const TReportOptions& options_;
    const TReportInput& input_;
    TOutputStream& output_;
};

// The overview's figures, from the sums of the chart series as the window computes them.
class TSummaryTextWriter final : public TReportWriter {
public:
    TSummaryTextWriter(const TReportOptions& options, const TReportInput& input, TOutputStream& output)
        : input_(input), output_(output)
    {
        if (options.Estimate)
            estimate_.emplace(PeriodSpan(TPeriod::Billing, input.Today, options.Periods), input.Today);
    }

    TReportRun Write(const TAnalysisFlags& flags) override
    {
        TChartPoints sums(false);
        TCostSums costs;
        TFailureKeeping<TScriptReceiver> receiver({}, [&](const TNumberedConnection& c) {
            sums.Add(c.Record);
            const std::optional<TCost> cost =
                input_.Tariffs != nullptr ? input_.Tariffs->Price(c.Record) : std::nullopt;
            if (input_.Tariffs != nullptr)
                costs.Add(cost, c.Record);
            if (estimate_)
                estimate_->Add(c.Record, cost);
        });
        const TReportRun run = AnalyseInput(receiver, input_, WithRowLimit(flags, true));
        const TSummaryValues summary = receiver.Summary();
        if (!run.Analysed)
            return run;
        std::optional<TLastConnection> last;
        if (summary.Last)
            last = LastConnectionTexts(
                ConnectionRowCells(summary.Last->Record, summary.Last->Number + 1, input_.DecimalSeparator));
        output_.Write(
            SummaryLines(SummaryFigureTexts(summary.Counters, sums, input_.DecimalSeparator), last, input_.German));
        if (input_.Tariffs != nullptr)
            output_.Write(
                CostFigureLines(CostFigures(costs, input_.Tariffs->First(), input_.DecimalSeparator), input_.German));
        if (estimate_)
            output_.Write(MonthEstimateText(*estimate_, input_.German, input_.DecimalSeparator,
                                            input_.Tariffs != nullptr ? &input_.Tariffs->First() : nullptr)
                          + "\n");
        return NotingNoTimeOnline(NotingRowLimit(run, summary.Counters, input_.German), costs, input_.German);
    }

private:
    std::optional<TPeriodEstimate> estimate_;
    const TReportInput& input_;
    TOutputStream& output_;
};

// The outputs for scripts: each connection handed on as the run reads it,
// the run's sums at its end. A JSON document opens with the logs and the
// dates kept, and one whose log failed halfway is closed with an "error"
// member, so that a parser sees the whole of it and why it ends early.
class TScriptWriter : public TReportWriter {
public:
    TReportRun Write(const TAnalysisFlags& flags) final
    {
        output_.Write(format_->Opening(options_));
        Begin();
        TCostSums costs;
        TFailureKeeping<TScriptReceiver> receiver(
            KeptSessions(options_),
            [this, &costs](const TNumberedConnection& connection) {
                std::optional<TCost> cost;
                if (input_.Tariffs != nullptr) {
                    cost = input_.Tariffs->Price(connection.Record);
                    costs.Add(cost, connection.Record);
                }
                Add(connection, cost);
                output_.HandOverWhenFull();
            },
            [this](const TConnectionRecord& record) { AddUnlisted(record); });
        const TReportRun run = AnalyseInput(receiver, input_, WithRowLimit(flags, false));
        if (!run.Analysed) {
            output_.Write(format_->FailureClosing(OpenPartClosing(), run));
            return run;
        }
        TSummaryValues summary = receiver.Summary();
        summary.LogFileBytes = input_.InputBytes;
        if (input_.Tariffs != nullptr) {
            summary.Costs = costs;
            summary.Money = Money();
        }
        End(summary);
        TReportRun ended = NotingNoTimeOnline(run, costs, input_.German);
        ended.LimitExceeded = LimitExceeded();
        if (const std::optional<std::string> missing = Missing()) {
            ended.Analysed = false;
            ended.FailedFile = input_.ShownLog;
            ended.FailureReason = *missing;
        }
        return ended;
    }

protected:
    TScriptWriter(const TReportOptions& options, const TReportInput& input, TOutputStream& output)
        : options_(options), input_(input), output_(output),
          format_(MakeFormatWriter(options.Format, input.German, input.DecimalSeparator))
    {
    }

    const TReportOptions& Options() const { return options_; }
    const TFormatWriter& Format() const { return *format_; }
    TTextSink Sink() const
    {
        return [this](std::string_view text) { output_.Write(text); };
    }
    const TReportInput& Input() const { return input_; }
    TOutputStream& Output() const { return output_; }
    // The currency that costs are added up in; none when the report does not price.
    const TTariff* Money() const { return input_.Tariffs != nullptr ? &input_.Tariffs->First() : nullptr; }

private:
    // After the JSON head, before the first connection.
    virtual void Begin() {}
    // The connection's cost only when the report prices.
    virtual void Add(const TNumberedConnection&, const std::optional<TCost>&) {}
    // A dialled session that got no row.
    virtual void AddUnlisted(const TConnectionRecord&) {}
    virtual void End(const TSummaryValues& summary) = 0;
    // What closes the part of the document still open when the run fails.
    virtual std::string OpenPartClosing() const { return {}; }
    virtual bool LimitExceeded() const { return false; }
    // What the log lacked of what was asked for: the run then fails.
    virtual std::optional<std::string> Missing() const { return std::nullopt; }

    const TReportOptions& options_;
    const TReportInput& input_;
    TOutputStream& output_;
    std::unique_ptr<TFormatWriter> format_;
};

class TConnectionsCsvWriter final : public TScriptWriter {
public:
    TConnectionsCsvWriter(const TReportOptions& options, const TReportInput& input, TOutputStream& output)
        : TScriptWriter(options, input, output)
    {
    }

private:
    void Begin() override { Output().Write(ConnectionsCsvHeader(Money() != nullptr)); }
    void Add(const TNumberedConnection& connection, const std::optional<TCost>& cost) override
    {
        const TCostFields costs{cost};
        AppendConnectionCsv(Output().Pending(), connection, Money() != nullptr ? &costs : nullptr);
    }
    void End(const TSummaryValues&) override {}
};

class TConnectionsJsonWriter final : public TScriptWriter {
public:
    TConnectionsJsonWriter(const TReportOptions& options, const TReportInput& input, TOutputStream& output)
        : TScriptWriter(options, input, output)
    {
    }

private:
    void Begin() override { Output().Write("\"connections\":["); }
    void Add(const TNumberedConnection& connection, const std::optional<TCost>& cost) override
    {
        const TCostFields costs{cost};
        AppendConnectionJson(Output().Pending() += empty_ ? "\n  " : ",\n  ", connection,
                             Money() != nullptr ? &costs : nullptr);
        empty_ = false;
    }
    void End(const TSummaryValues& summary) override
    {
        Output().Write(ListClosing() + ",\"summary\":" + SummaryJson(summary) + "}\n");
    }
    std::string OpenPartClosing() const override { return ListClosing() + ","; }
    std::string ListClosing() const { return empty_ ? "]" : "\n]"; }

    bool empty_ = true;
};

class TSummaryValuesWriter final : public TScriptWriter {
public:
    TSummaryValuesWriter(const TReportOptions& options, const TReportInput& input, TOutputStream& output)
        : TScriptWriter(options, input, output)
    {
        if (options.Estimate)
            estimate_.emplace(PeriodSpan(TPeriod::Billing, input.Today, options.Periods), input.Today);
    }

private:
    void Add(const TNumberedConnection& connection, const std::optional<TCost>& cost) override
    {
        if (estimate_)
            estimate_->Add(connection.Record, cost);
    }
    void End(const TSummaryValues& values) override
    {
        TSummaryValues summary = values;
        summary.Estimate = estimate_ ? &*estimate_ : nullptr;
        Output().Write(Format().Document() ? "\"summary\":" + SummaryJson(summary) + "}\n" : SummaryCsv(summary));
    }

    std::optional<TPeriodEstimate> estimate_;
};

class TOneLineWriter final : public TScriptWriter {
public:
    TOneLineWriter(const TReportOptions& options, const TReportInput& input, TOutputStream& output)
        : TScriptWriter(options, input, output)
    {
    }

private:
    void End(const TSummaryValues& summary) override { Output().Write(SummaryOneLine(Input().ShownLog, summary)); }
};

// Totals per day, month or year, or the periods with the most bytes.
class TPeriodsWriter final : public TScriptWriter {
public:
    TPeriodsWriter(const TReportOptions& options, const TReportInput& input, TOutputStream& output)
        : TScriptWriter(options, input, output), periods_(*options.By, options.Periods)
    {
        if (*options.By == TPeriod::Hour || *options.By == TPeriod::Weekday)
            profile_.emplace(*options.By);
        else if (options.Estimate)
            estimate_.emplace(PeriodSpan(*options.By, input.Today, options.Periods), input.Today);
    }

private:
    void Add(const TNumberedConnection& connection, const std::optional<TCost>& cost) override
    {
        if (profile_)
            profile_->Add(connection.Record, cost);
        else
            periods_.Add(connection.Record, cost);
        if (estimate_)
            estimate_->Add(connection.Record, cost);
    }
    void End(const TSummaryValues&) override
    {
        const std::vector<TPeriodTotal>& all = profile_ ? profile_->Rows() : periods_.Periods();
        const std::vector<TPeriodTotal> top =
            Options().Top ? TopPeriods(all, *Options().Top) : std::vector<TPeriodTotal>{};
        const std::vector<TPeriodTotal>& kept = Options().Top ? top : all;
        std::optional<TPeriodEstimateLine> estimate;
        if (estimate_) {
            estimate = TPeriodEstimateLine{estimate_->Span().Name, estimate_->Estimate(TQuantity::Time),
                                           estimate_->Estimate(TQuantity::Volume), std::nullopt};
            if (Money() != nullptr)
                estimate->CostMillionths = estimate_->Estimate(TQuantity::Cost);
        }
        Format().Periods(*Options().By, kept, {Money(), estimate ? &*estimate : nullptr}, Sink());
    }

    TPeriodTotals periods_;
    // The hours or weekdays of a usage profile, instead of periods.
    std::optional<TUsageProfile> profile_;
    // With --estimate: the period that holds today, foreseen.
    std::optional<TPeriodEstimate> estimate_;
};

// Per dialled number: how the calls went, most attempts first.
class TNumbersWriter final : public TScriptWriter {
public:
    TNumbersWriter(const TReportOptions& options, const TReportInput& input, TOutputStream& output)
        : TScriptWriter(options, input, output)
    {
    }

private:
    void Add(const TNumberedConnection& connection, const std::optional<TCost>& cost) override
    {
        numbers_.AddConnection(connection.Record, cost);
    }
    void AddUnlisted(const TConnectionRecord& record) override { numbers_.AddUnlistedSession(record); }
    void End(const TSummaryValues&) override
    {
        std::vector<TNumberFigures> figures = numbers_.Figures();
        if (Options().Top && figures.size() > static_cast<size_t>(*Options().Top))
            figures.resize(static_cast<size_t>(*Options().Top));
        Format().Numbers(figures, Money(), Sink());
    }

    TNumberTally numbers_;
};

// What each tariff would have cost, per --by period or in total.
class TComparisonWriter final : public TScriptWriter {
public:
    TComparisonWriter(const TReportOptions& options, const TReportInput& input, TOutputStream& output)
        : TScriptWriter(options, input, output), comparison_(*input.Tariffs, options.By)
    {
    }

private:
    void Add(const TNumberedConnection& connection, const std::optional<TCost>&) override
    {
        comparison_.Add(connection.Record);
    }
    void End(const TSummaryValues&) override { Format().Comparison(comparison_, Sink()); }

    TTariffComparison comparison_;
};

// The limits of --alert that the periods holding today exceed, one line (or
// JSON object) each.
class TAlertWriter final : public TScriptWriter {
public:
    TAlertWriter(const TReportOptions& options, const TReportInput& input, TOutputStream& output)
        : TScriptWriter(options, input, output), checks_(options.Alerts, options.Periods, input.Today)
    {
    }

private:
    void Add(const TNumberedConnection& connection, const std::optional<TCost>& cost) override
    {
        checks_.Add(connection.Record, cost);
    }

    void End(const TSummaryValues&) override
    {
        std::vector<TAlertLine> alerts;
        for (const TLimitCheck& check : checks_.Checks()) {
            if (!check.Exceeded())
                continue;
            const TQuantity quantity = check.Limit->Quantity;
            const int64_t value = check.Limit->Projected ? check.Projection : check.Used;
            alerts.push_back({check.Limit->Text, PeriodSpan(TPeriod::Day, check.Span.First, {}).Name,
                              PeriodSpan(TPeriod::Day, check.Span.Last, {}).Name,
                              RawQuantity(quantity, check.Limit->Value), RawQuantity(quantity, value),
                              ShownQuantity(quantity, value, Input().DecimalSeparator, Money()),
                              check.Limit->Projected});
        }
        exceeded_ = !alerts.empty();
        Format().Alerts(alerts, Sink());
    }

    bool LimitExceeded() const override { return exceeded_; }

    TLimitChecks checks_;
    bool exceeded_ = false;
};

// The HTML report: a folder of pages rather than text on the output.
class THtmlWriter final : public TReportWriter {
public:
    THtmlWriter(const TReportOptions& options, const TReportInput& input) : input_(input)
    {
        request_.Folder = *options.HtmlFolder;
        request_.By = options.By.value_or(TPeriod::Month);
        request_.Kept = KeptSessions(options);
        request_.Limits = options.Alerts;
        request_.Compare = options.Compare;
        request_.Periods = options.Periods;
    }

    TReportRun Write(const TAnalysisFlags& flags) override { return WriteHtmlReport(request_, input_, flags); }

private:
    THtmlReportRequest request_;
    const TReportInput& input_;
};

}  // namespace

// How one connection was priced, for a person checking a bill.
class TExplanationWriter final : public TScriptWriter {
public:
    TExplanationWriter(const TReportOptions& options, const TReportInput& input, TOutputStream& output)
        : TScriptWriter(options, input, output)
    {
    }

private:
    void Add(const TNumberedConnection& connection, const std::optional<TCost>& cost) override
    {
        if (connection.Number != *Options().Explain)
            return;
        TExplainedConnection explained{connection, cost ? cost->Tariff : nullptr, std::nullopt};
        if (explained.Tariff == nullptr)
            explained.Tariff = Input().Tariffs->For(connection.Record.DialledNumber);
        if (explained.Tariff != nullptr)
            explained.Pricing = explained.Tariff->Explain(connection.Record);
        explained_ = std::move(explained);
    }
    void End(const TSummaryValues&) override { Format().Explanation(explained_, Sink()); }
    std::optional<std::string> Missing() const override
    {
        if (explained_)
            return std::nullopt;
        return std::string(PricingText(TPricingText::NoSuchConnection, Input().German)) + " ("
               + std::to_string(*Options().Explain) + ")";
    }

    std::optional<TExplainedConnection> explained_;
};

std::unique_ptr<TReportWriter> MakeReportWriter(const TReportOptions& options, const TReportInput& input,
                                                TOutputStream& output)
{
    if (options.Chart)
        return nullptr;
    if (options.HtmlFolder)
        return std::make_unique<THtmlWriter>(options, input);
    if (options.Compare)
        return std::make_unique<TComparisonWriter>(options, input, output);
    if (options.Explain)
        return std::make_unique<TExplanationWriter>(options, input, output);
    if (!options.Alerts.empty())
        return std::make_unique<TAlertWriter>(options, input, output);
    if (options.OneLine)
        return std::make_unique<TOneLineWriter>(options, input, output);
    if (options.Summary && options.Format == TReportFormat::Text)
        return std::make_unique<TSummaryTextWriter>(options, input, output);
    if (options.Summary)
        return std::make_unique<TSummaryValuesWriter>(options, input, output);
    if (options.ByNumber)
        return std::make_unique<TNumbersWriter>(options, input, output);
    if (options.By)
        return std::make_unique<TPeriodsWriter>(options, input, output);
    switch (options.Format) {
    case TReportFormat::Csv:
        return std::make_unique<TConnectionsCsvWriter>(options, input, output);
    case TReportFormat::Json:
        return std::make_unique<TConnectionsJsonWriter>(options, input, output);
    case TReportFormat::Text:
        break;
    }
    return std::make_unique<TTableWriter>(options, input, output);
}

}  // namespace kellvar
