// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outputstream.h"
#include "reportinput.h"
#include "reportoptions.h"

#include <memory>

namespace kellvar {

// One output of kellvar-report: it runs the analysis through a receiver of
// its own and writes its text to the output as the run goes.
class TReportWriter {
public:
    virtual ~TReportWriter() = default;
    virtual TReportRun Write(const TAnalysisFlags& flags) = 0;
};

// The output the options ask for. A chart is drawn by another program, so
// it has none.
std::unique_ptr<TReportWriter> MakeReportWriter(const TReportOptions& options, const TReportInput& input,
                                                TOutputStream& output);

}  // namespace kellvar
