// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptreceiver.h"

#include "core/logstamp.h"

namespace kellvar {

TScriptReceiver::TScriptReceiver(std::optional<int32_t> since, std::optional<int32_t> until, TConnectionSink sink)
    : since_(since), until_(until), sink_(std::move(sink))
{
}

void TScriptReceiver::ClearTable()
{
    pending_.reset();
    summary_ = {};
}

void TScriptReceiver::HandOnPending()
{
    if (!pending_)
        return;
    const int32_t date = pending_->Record.ConnectDate;
    if ((!since_ || date >= *since_) && (!until_ || date <= *until_)) {
        summary_.Sums.Add(pending_->Record);
        sink_(*pending_);
        summary_.Last = std::move(pending_);
    }
    pending_.reset();
}

void TScriptReceiver::AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber)
{
    HandOnPending();
    // The table numbers its rows from 0.
    pending_ = TNumberedConnection{rowNumber - 1, record};
}

void TScriptReceiver::AppendCellToLastRow(const std::string& text)
{
    int32_t count = 0;
    if (pending_ && ReadInteger(text, count))
        pending_->Record.OverrunErrors = count;
}

void TScriptReceiver::ShowSummary(const TAnalysisCounters& counters)
{
    HandOnPending();
    summary_.Counters = counters;
}

}  // namespace kellvar
