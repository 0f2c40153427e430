// SPDX-License-Identifier: GPL-3.0-or-later
#include "tariffcomparison.h"

#include "textcolumns.h"

#include "machinetext.h"

#include "core/formatting.h"

#include "lang/costtexts.h"
#include "lang/reporttexts.h"

#include <algorithm>

namespace kellvar {

TTariffComparison::TTariffComparison(const TTariffs& tariffs, std::optional<TPeriod> period)
    : tariffs_(tariffs), period_(period), totals_(tariffs.Files().size())
{
    if (period_) {
        perTariff_.assign(tariffs.Files().size(), TPeriodTotals(*period_));
        leastPerPeriod_.emplace(*period_);
    }
}

void TTariffComparison::Add(const TConnectionRecord& record)
{
    const std::vector<TTariff>& files = tariffs_.Files();
    std::optional<TCost> least;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::optional<int64_t> amount = files[i].Cost(record);
        const std::optional<TCost> cost =
            amount ? std::optional(TCost{*amount, &files[i], TimeOnline(record) == 0}) : std::nullopt;
        totals_[i].Add(cost, record);
        if (period_)
            perTariff_[i].Add(record, cost);
        // Only amounts in one currency can be the least of them.
        const bool sameMoney =
            files[i].Currency() == files.front().Currency() && files[i].Decimals() == files.front().Decimals();
        if (cost && sameMoney && (!least || cost->Amount < least->Amount))
            least = cost;
    }
    leastTotal_.Add(least, record);
    if (period_)
        leastPerPeriod_->Add(record, least);
}

std::vector<TTariffComparison::TRow> TTariffComparison::Rows() const
{
    if (!period_)
        return {Total()};
    // Every tariff saw every connection, so their periods are the same.
    std::vector<TRow> rows;
    const std::vector<TPeriodTotal>& periods = perTariff_.front().Periods();
    for (size_t p = 0; p < periods.size(); ++p) {
        TRow row{periods[p].Period, {}, leastPerPeriod_->Periods()[p].Costs};
        for (const TPeriodTotals& tariff : perTariff_)
            row.Costs.push_back(tariff.Periods()[p].Costs);
        rows.push_back(std::move(row));
    }
    return rows;
}

TTariffComparison::TRow TTariffComparison::Total() const
{
    return {"", totals_, leastTotal_};
}

std::vector<bool> Cheapest(const TTariffComparison::TRow& row, const TTariffs& tariffs)
{
    const std::vector<TTariff>& files = tariffs.Files();
    std::vector<bool> cheapest(files.size(), false);
    std::optional<int64_t> least;
    const std::string* currency = nullptr;
    for (size_t i = 0; i < files.size(); ++i) {
        if (row.Costs[i].Unpriced > 0 || row.Costs[i].Priced == 0)
            continue;
        if (currency != nullptr && (*currency != files[i].Currency()))
            return std::vector<bool>(files.size(), false);
        currency = &files[i].Currency();
        least = std::min(least.value_or(row.Costs[i].Amount), row.Costs[i].Amount);
    }
    for (size_t i = 0; i < files.size() && least; ++i)
        cheapest[i] = row.Costs[i].Unpriced == 0 && row.Costs[i].Priced > 0 && row.Costs[i].Amount == *least;
    return cheapest;
}

namespace {

TFields CostFields(const TTariff& tariff, const TCostSums& costs, bool cheapest)
{
    return {TextField("tariff", tariff.Name()),
            costs.Priced > 0 ? DecimalField("cost", tariff.AmountText(costs.Amount)) : NoneField("cost"),
            TextField("currency", tariff.Currency()),
            IntegerField("priced_connections", costs.Priced),
            IntegerField("unpriced_connections", costs.Unpriced),
            BooleanField("cheapest", cheapest),
            BooleanField("least_cost", false)};
}

// The cheapest tariff for every connection: in CSV a line of its own,
// without a tariff's name, marked by "least_cost".
TFields LeastCostFields(const TTariff& money, const TCostSums& costs)
{
    TFields fields = CostFields(money, costs, false);
    fields.front() = NoneField("tariff");
    fields.back() = BooleanField("least_cost", true);
    return fields;
}

}  // namespace

std::vector<std::vector<std::string>> ComparisonLines(const TTariffComparison& comparison, bool german,
                                                      const std::string& decimalSeparator)
{
    const std::vector<TTariff>& files = comparison.Tariffs().Files();
    using TLine = std::vector<std::string>;
    const auto line = [&](const TTariffComparison::TRow& row, const std::string& name) {
        TLine cells{name};
        const std::vector<bool> cheapest = Cheapest(row, comparison.Tariffs());
        for (size_t i = 0; i < files.size(); ++i)
            cells.push_back(CostSumText(row.Costs[i], files[i], decimalSeparator) + (cheapest[i] ? " *" : ""));
        cells.push_back(CostSumText(row.Least, files.front(), decimalSeparator));
        return cells;
    };
    TLine head{std::string(ReportText(TReportText::Period, german))};
    for (const TTariff& tariff : files)
        head.push_back(VisibleText(tariff.Name()));
    head.push_back(std::string(CostWording(TCostWording::LeastCost, german)));
    std::vector<TLine> lines{head};
    for (const TTariffComparison::TRow& row : comparison.Rows())
        if (!row.Period.empty())
            lines.push_back(line(row, row.Period));
    lines.push_back(line(comparison.Total(), std::string(ReportText(TReportText::Total, german))));
    return lines;
}

std::string ComparisonLegend(bool german)
{
    return "* " + std::string(CostWording(TCostWording::Cheapest, german)) + "; ? "
           + std::string(CostWording(TCostWording::Unpriced, german));
}

void WriteComparisonText(const TTariffComparison& comparison, bool german, const std::string& decimalSeparator,
                         const TTextSink& sink)
{
    const std::vector<std::vector<std::string>> lines = ComparisonLines(comparison, german, decimalSeparator);
    TTextColumns columns;
    for (const auto& cells : lines)
        columns.Measure(cells);
    for (const auto& cells : lines)
        sink(columns.Line(cells));
    // What the marks mean, in the report's language.
    sink(ComparisonLegend(german) + "\n");
}

void WriteComparisonCsv(const TTariffComparison& comparison, const TTextSink& sink)
{
    const std::vector<TTariff>& files = comparison.Tariffs().Files();
    TFields names = CostFields(files.front(), {}, false);
    names.insert(names.begin(), TextField("period", ""));
    sink(CsvLine(names, true));
    std::vector<TTariffComparison::TRow> rows = comparison.Rows();
    if (!rows.empty() && !rows.front().Period.empty())
        rows.push_back(comparison.Total());
    for (const TTariffComparison::TRow& row : rows) {
        const std::vector<bool> cheapest = Cheapest(row, comparison.Tariffs());
        const std::string period = row.Period.empty() ? "total" : row.Period;
        for (size_t i = 0; i < files.size(); ++i) {
            TFields fields = CostFields(files[i], row.Costs[i], cheapest[i]);
            fields.insert(fields.begin(), TextField("period", period));
            sink(CsvLine(fields, false));
        }
        TFields least = LeastCostFields(files.front(), row.Least);
        least.insert(least.begin(), TextField("period", period));
        sink(CsvLine(least, false));
    }
}

void WriteComparisonJson(const TTariffComparison& comparison, const TTextSink& sink)
{
    const std::vector<TTariff>& files = comparison.Tariffs().Files();
    const auto costs = [&](const TTariffComparison::TRow& row) {
        const std::vector<bool> cheapest = Cheapest(row, comparison.Tariffs());
        std::string text = "[";
        for (size_t i = 0; i < files.size(); ++i) {
            text += (i == 0 ? "" : ",") + JsonObject(CostFields(files[i], row.Costs[i], cheapest[i]));
        }
        return text + "],\"least_cost\":" + JsonObject(LeastCostFields(files.front(), row.Least));
    };
    sink("\"compare\":[");
    bool first = true;
    for (const TTariffComparison::TRow& row : comparison.Rows()) {
        if (row.Period.empty())
            continue;
        sink((first ? "\n  {\"period\":\"" : ",\n  {\"period\":\"") + row.Period + "\",\"costs\":" + costs(row) + "}");
        first = false;
    }
    sink((first ? "" : "\n") + std::string("],\"total\":") + costs(comparison.Total()) + "}\n");
}

}  // namespace kellvar
