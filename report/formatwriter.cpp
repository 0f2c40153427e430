// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatwriter.h"

#include "machinetext.h"
#include "numbertotals.h"

#include "lang/wordings.h"

#include <nlohmann/json.hpp>

namespace kellvar {

namespace {

// Lines for a person, in the chosen language.
class TTextFormat : public TFormatWriter {
public:
    TTextFormat(bool german, std::string decimalSeparator)
        : german_(german), decimalSeparator_(std::move(decimalSeparator))
    {
    }

    bool Document() const override { return false; }
    void Periods(TPeriod, const std::vector<TPeriodTotal>& periods, const TPeriodExtras& extras,
                 const TTextSink& sink) const override
    {
        WritePeriodTotalsText(periods, german_, decimalSeparator_, sink, extras);
    }
    void Numbers(const std::vector<TNumberFigures>& numbers, const TTariff* money, const TTextSink& sink) const override
    {
        WriteNumbersText(numbers, german_, decimalSeparator_, money, sink);
    }
    void Comparison(const TTariffComparison& comparison, const TTextSink& sink) const override
    {
        WriteComparisonText(comparison, german_, decimalSeparator_, sink);
    }
    void Alerts(const std::vector<TAlertLine>& alerts, const TTextSink& sink) const override
    {
        std::string text;
        for (const TAlertLine& alert : alerts)
            text += alert.Limit + ": " + alert.Shown
                    + (alert.Projected ? std::string(Wording(TWording::Projected, german_)) : "") + " ("
                    + alert.FirstDay + std::string(Wording(TWording::To, german_)) + alert.LastDay + ")\n";
        sink(text);
    }
    void Explanation(const std::optional<TExplainedConnection>& explained, const TTextSink& sink) const override
    {
        if (explained)
            sink(PricingExplanationText(*explained, german_, decimalSeparator_));
    }

private:
    bool german_;
    std::string decimalSeparator_;
};

// Comma-separated lines with a head of field names; what has no table of
// its own is told as text.
class TCsvFormat final : public TTextFormat {
public:
    TCsvFormat(bool german, std::string decimalSeparator) : TTextFormat(german, std::move(decimalSeparator)) {}

    void Periods(TPeriod, const std::vector<TPeriodTotal>& periods, const TPeriodExtras& extras,
                 const TTextSink& sink) const override
    {
        WritePeriodTotalsCsv(periods, sink, extras);
    }
    void Numbers(const std::vector<TNumberFigures>& numbers, const TTariff* money, const TTextSink& sink) const override
    {
        WriteNumbersCsv(numbers, money, sink);
    }
    void Comparison(const TTariffComparison& comparison, const TTextSink& sink) const override
    {
        WriteComparisonCsv(comparison, sink);
    }
};

std::string JsonText(const nlohmann::ordered_json& value)
{
    return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

// The members after the document's head, the last one closing it.
class TJsonFormat final : public TFormatWriter {
public:
    bool Document() const override { return true; }
    std::string Opening(const TReportOptions& options) const override
    {
        nlohmann::ordered_json head;
        head["format_version"] = ReportFormatVersion;
        head["log"] = options.LogFiles.front();
        head["logs"] = options.LogFiles;
        head["since"] = options.Since ? nlohmann::ordered_json(options.Since->Text) : nlohmann::ordered_json(nullptr);
        head["until"] = options.Until ? nlohmann::ordered_json(options.Until->Text) : nlohmann::ordered_json(nullptr);
        return JsonDocumentOpening(JsonText(head));
    }
    std::string FailureClosing(const std::string& openPart, const TReportRun& run) const override
    {
        nlohmann::ordered_json error;
        error["file"] = run.FailedFile;
        error["reason"] = run.FailureReason;
        return openPart + "\"error\":" + JsonText(error) + "}\n";
    }
    void Periods(TPeriod by, const std::vector<TPeriodTotal>& periods, const TPeriodExtras& extras,
                 const TTextSink& sink) const override
    {
        WritePeriodTotalsJson(by, periods, sink, extras);
    }
    void Numbers(const std::vector<TNumberFigures>& numbers, const TTariff* money, const TTextSink& sink) const override
    {
        WriteNumbersJson(numbers, money, sink);
    }
    void Comparison(const TTariffComparison& comparison, const TTextSink& sink) const override
    {
        WriteComparisonJson(comparison, sink);
    }
    void Alerts(const std::vector<TAlertLine>& alerts, const TTextSink& sink) const override
    {
        std::string text = "\"alerts\":[";
        for (const TAlertLine& line : alerts) {
            // Raw values as the other fields give them: seconds, bytes or an amount.
            nlohmann::ordered_json alert;
            alert["limit"] = line.Limit;
            alert["first_day"] = line.FirstDay;
            alert["last_day"] = line.LastDay;
            alert["value"] = line.Value;
            alert["used"] = line.Used;
            alert["text"] = line.Shown;
            alert["projected"] = line.Projected;
            text += (&line == &alerts.front() ? "\n  " : ",\n  ") + JsonText(alert);
        }
        sink(text + (alerts.empty() ? "]}\n" : "\n]}\n"));
    }
    void Explanation(const std::optional<TExplainedConnection>& explained, const TTextSink& sink) const override
    {
        sink("\"explain\":" + (explained ? PricingExplanationJson(*explained) : "null") + "}\n");
    }
};

}  // namespace

std::unique_ptr<TFormatWriter> MakeFormatWriter(TReportFormat format, bool german, std::string decimalSeparator)
{
    switch (format) {
    case TReportFormat::Csv:
        return std::make_unique<TCsvFormat>(german, std::move(decimalSeparator));
    case TReportFormat::Json:
        return std::make_unique<TJsonFormat>();
    case TReportFormat::Text:
        break;
    }
    return std::make_unique<TTextFormat>(german, std::move(decimalSeparator));
}

}  // namespace kellvar
