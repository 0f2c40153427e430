// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "headlessreceiver.h"

#include "core/analysisreceiver.h"
#include "core/modemlogparser.h"
#include "core/tariffs.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kellvar {

// What every output reads besides its options.
struct TReportInput {
    // The file the analysis reads: the log itself, or the history merged
    // from several logs or taken from standard input.
    std::string Log;
    // The logs as the user named them, comma-separated.
    std::string ShownLog;
    // The inputs' own sizes, added up.
    int64_t InputBytes = 0;
    bool German = false;
    std::string DecimalSeparator;
    // The tariffs that price each connection; none when none were given.
    const TTariffs* Tariffs = nullptr;
    // The day whose periods the limits check (a day number).
    int64_t Today = 0;
};

// How a run ended, for standard error and the exit status.
struct TReportRun {
    bool Analysed = false;
    // The file that ended a failed run, as the user named it, and the reason.
    std::string FailedFile;
    std::string FailureReason;
    // What the run says on standard error even when it succeeds.
    std::vector<std::string> Messages;
    // The run refused to write where it was asked to (exit status 2).
    bool Refused = false;
    // A limit of --alert was exceeded.
    bool LimitExceeded = false;
};

// The analysis of the input through a receiver; a failed run names the
// file as the user named it.
template <typename TReceiver>
TReportRun AnalyseInput(TFailureKeeping<TReceiver>& receiver, const TReportInput& input, const TAnalysisFlags& flags)
{
    TReportRun run;
    TAnalysisFlags history = flags;
    history.NoSizeWarning = true;
    run.Analysed = AnalyseLogFile(input.Log, history, receiver);
    if (run.Analysed) {
        run.Messages = receiver.Messages();
    } else {
        run.FailedFile = receiver.FailedFile == input.Log ? input.ShownLog : receiver.FailedFile;
        run.FailureReason = receiver.FailureReason;
    }
    return run;
}

}  // namespace kellvar
