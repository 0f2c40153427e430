// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionexport.h"

#include "core/periodsums.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace kellvar {

// The period that holds today, foreseen for the whole of it (--estimate).
struct TPeriodEstimateLine {
    std::string Period;
    int64_t DurationHundredths = 0;
    int64_t Bytes = 0;
    std::optional<int64_t> CostMillionths;
};

// What the period outputs show besides the sums: costs in the tariffs'
// currency, and the estimate of the current period.
struct TPeriodExtras {
    const TTariff* Money = nullptr;
    const TPeriodEstimateLine* Estimate = nullptr;
};

// Where a writer hands its text, a piece at a time.
using TTextSink = std::function<void(std::string_view)>;

// Each writer hands its text to the sink line by line, so that no more than a
// line is ever held; the string forms collect it. With money (the tariffs'
// currency) the costs are written too.
void WritePeriodTotalsCsv(const std::vector<TPeriodTotal>& periods, const TTextSink& sink,
                          const TPeriodExtras& extras = {});
// The document after its opening (JsonDocumentOpening).
void WritePeriodTotalsJson(TPeriod period, const std::vector<TPeriodTotal>& periods, const TTextSink& sink,
                           const TPeriodExtras& extras = {});
// Aligned columns with the window's units and captions in the chosen
// language, and a total line.
void WritePeriodTotalsText(const std::vector<TPeriodTotal>& periods, bool german, const std::string& decimalSeparator,
                           const TTextSink& sink, const TPeriodExtras& extras = {});
// A period's fields as CSV and JSON give them, its name first.
TFields PeriodFields(const TPeriodTotal& total, const TPeriodExtras& extras);
// A period's line of the text table, as the named period, and its captions.
std::vector<std::string> PeriodRowTexts(const TPeriodTotal& total, const std::string& name,
                                        const std::string& decimalSeparator, const TTariff* money);
std::vector<std::string> PeriodHeadTexts(bool german, const TTariff* money);

std::string PeriodTotalsCsv(const std::vector<TPeriodTotal>& periods);
std::string PeriodTotalsJson(TPeriod period, const std::vector<TPeriodTotal>& periods);
std::string PeriodTotalsText(const std::vector<TPeriodTotal>& periods, bool german,
                             const std::string& decimalSeparator);

}  // namespace kellvar
