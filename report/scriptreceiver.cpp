// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptreceiver.h"

#include "core/logstamp.h"

namespace kellvar {

TScriptReceiver::TScriptReceiver(TConnectionFilter filter, TConnectionSink sink, TUnlistedSink unlisted)
    : filter_(std::move(filter)), sink_(std::move(sink)), unlisted_(std::move(unlisted))
{
}

void TScriptReceiver::AddUnlistedSession(const TConnectionRecord& record)
{
    if (unlisted_ && filter_.Holds(record))
        unlisted_(record);
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
    if (filter_.Holds(pending_->Record)) {
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
    // The first count the log gives for the connection, as the table's
    // "OvrErr" column shows it; later lines add cells there, not counts.
    int32_t count = 0;
    if (pending_ && pending_->Record.OverrunErrors < 0 && ReadInteger(text, count))
        pending_->Record.OverrunErrors = count;
}

void TScriptReceiver::ShowSummary(const TAnalysisCounters& counters)
{
    HandOnPending();
    summary_.Counters = counters;
}

}  // namespace kellvar
