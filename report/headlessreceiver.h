// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/analysisreceiver.h"

#include <string>
#include <vector>

namespace kellvar {

// A receiver without a window: no charts, no size note, no event pump; the
// run's messages are kept for standard error.
class THeadlessReceiver : public TAnalysisReceiver {
public:
    const std::vector<std::string>& Messages() const { return messages_; }

    void ClearCharts() override {}
    void AddChartPoints(const TConnectionRecord&) override {}
    void ClearLogFileMaxSizeNote() override {}
    void ShowMessage(const std::string& text, TMessageSeverity) override { messages_.push_back(text); }
    void ProcessPendingEvents() override {}

private:
    std::vector<std::string> messages_;
};

// A receiver that also keeps which file ended the run and why.
template <typename TReceiver> class TFailureKeeping : public TReceiver {
public:
    using TReceiver::TReceiver;

    void FileFailed(const std::string& path, const std::string& reason) override
    {
        FailedFile = path;
        FailureReason = reason;
    }

    std::string FailedFile;
    std::string FailureReason;
};

}  // namespace kellvar
