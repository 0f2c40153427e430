// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "machinetext.h"
#include "periodtotals.h"

#include "history/numberfigures.h"

#include <string>
#include <vector>

namespace kellvar {

// A number's fields as CSV and JSON give them; with money its costs.
TFields NumberFields(const TNumberFigures& figures, const TTariff* money);

// The numbers as CSV (a header line), as JSON ("numbers" after the
// document's opening), or as aligned text with the window's units.
void WriteNumbersCsv(const std::vector<TNumberFigures>& numbers, const TTariff* money, const TTextSink& sink);
void WriteNumbersJson(const std::vector<TNumberFigures>& numbers, const TTariff* money, const TTextSink& sink);
void WriteNumbersText(const std::vector<TNumberFigures>& numbers, bool german, const std::string& decimalSeparator,
                      const TTariff* money, const TTextSink& sink);

}  // namespace kellvar
