// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connectionrecord.h"
#include "logstamp.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kellvar {

// How grave a message is: the icon of its box.
enum class TMessageSeverity { Information, Warning, Error };

// Where an analysis run hands its results: the window's table, charts and
// overview, or the headless report. The run calls these in a fixed order and
// never reads anything back.
class TAnalysisReceiver {
public:
    virtual ~TAnalysisReceiver() = default;

    virtual void ClearTable() = 0;
    virtual void AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber) = 0;
    virtual void AppendCellToLastRow(const std::string& text) = 0;
    virtual void ClearCharts() = 0;
    virtual void AddChartPoints(const TConnectionRecord& record) = 0;
    // A dialled session that gets no row: its dial never connected, or the
    // next dial gave it up. Only the figures per dialled number take it.
    virtual void AddUnlistedSession(const TConnectionRecord& /*record*/) {}
    virtual void ClearLogFileMaxSizeNote() = 0;
    // Message texts break their lines with a single CR.
    virtual void ShowMessage(const std::string& text, TMessageSeverity severity) = 0;
    virtual void ProcessPendingEvents() = 0;
    // How far the run has read, just before the window's events are handled.
    virtual void ShowProgress(int64_t /*bytesRead*/, int64_t /*fileSize*/) {}
    virtual void ShowSummary(const TAnalysisCounters& counters) = 0;
    // The file whose failure ended the run (the log or the All-Time-Log) and
    // the system's reason, before the run's messages.
    virtual void FileFailed(const std::string& /*path*/, const std::string& /*reason*/) {}
};

// The history file that a run appends the recognised lines to while it is kept.
class TAllTimeLogHooks {
public:
    virtual ~TAllTimeLogHooks() = default;

    // False when the file cannot be set up for writing; the run then goes on without it.
    virtual bool OpenAllTimeLog() = 0;
    virtual const std::string& FileName() const = 0;
    // Appends the line when it continues the stored lines, or, where the log
    // does not hold them, when its stamp is newer than the stored one; false
    // on a write error.
    virtual bool OfferLine(std::string_view line, TLogStamp stamp) = 0;
    // False when what was appended could not be made safe on disk. Without
    // keepAppended the file is left as the run found it.
    virtual bool CloseAllTimeLog(bool keepAppended = true) = 0;
    // Why the last set-up, append or close failed, as the system words it.
    virtual std::string FailureReason() const = 0;
    // Recognised lines of the run that did not go in because they are no
    // newer than the newest stored line while the log does not hold the
    // stored lines: an older log, or a clock set back.
    virtual int64_t LinesLeftOut() const = 0;
    // Recognised lines the run took and then gave up, because the log held
    // the stored last lines again after them: the history goes on from there.
    virtual int64_t LinesGivenUp() const = 0;
    // Recognised lines left out for a stamp that could not be read, while
    // the log does not hold the stored lines: nothing tells where they belong.
    virtual int64_t LinesWithoutStamp() const = 0;
};

// The window's state that a run reads.
struct TAnalysisFlags {
    bool FQuiet = false;
    bool FQuietTotal = false;
    bool FFileFromCommandLine = false;
    bool IsGerman = false;
    bool StoreAllTimeLog = false;
    // Nobody reads the messages but a log of standard error: they name the
    // failing file with the system's reason and say what the history left out.
    bool Unattended = false;
    // The table's 32,766 rows do not limit the run: scripts get the whole log.
    bool WholeLog = false;
    // A log that may pass the driver's size (the All-Time-Log, a report's
    // history) gets no warning when it does.
    bool NoSizeWarning = false;
};

}  // namespace kellvar
