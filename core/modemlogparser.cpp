// SPDX-License-Identifier: GPL-3.0-or-later
#include "modemlogparser.h"

#include "lang/messages.h"
#include "linereader.h"
#include "sessionrules.h"
#include "vocabulary.h"

#include "platform/filehandle.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace kellvar {

namespace {

// The first file error of a run: which file, and why.
struct TFileFailure {
    std::string Path;
    std::string Reason;
    bool AllTimeLog = false;
    // The log could not be opened: the one failure the fixed text names
    // exactly.
    bool OpeningLog = false;
};

// The log's sessions, line by line: each recognised line goes to the
// history first (through offer), then into the record of its session; a
// closed session becomes a row of the table. Knows nothing of files.
class TSessionLoop {
public:
    // False when the history could not take a line: the run ends there.
    using TOffer = std::function<bool(std::string_view line, const TLineStamp& stamp, bool lineEnded)>;

    TSessionLoop(const TAnalysisFlags& flags, TAnalysisReceiver& receiver, TOffer offer)
        : flags_(flags), receiver_(receiver), offer_(std::move(offer))
    {
    }

    TAnalysisCounters& Counters() { return counters_; }

    // Whether lines are offered to the history at all: a run without one
    // spares the call for each line.
    void KeepHistory(bool keep) { keepHistory_ = keep; }

    // Up to the table's row limit, the end of the log, a read error or a
    // line the history could not take (false).
    bool ReadSessions(TLineReader& reader, int64_t fileSize)
    {
        while (!reader.AtEnd() && (flags_.WholeLog || counters_.RowNumber < RowNumberLimit)) {
            record_.Clear();
            bool closed = false;
            std::string_view line;
            while (!closed && reader.ReadLine(line))
                if (!HandleLine(line, reader.LineEnded(), closed))
                    return false;
            if (reader.Failed())
                break;
            CloseSession();
            if (!flags_.FQuiet && (counters_.SuccessfulConnects + 1) % 16 == 0) {
                receiver_.ShowProgress(reader.Position(), fileSize);
                receiver_.ProcessPendingEvents();
            }
        }
        counters_.StoppedAtRowLimit = !reader.Failed() && !reader.AtEnd();
        return true;
    }

    // After the row limit: the history still takes every recognised line
    // to the end of the log.
    bool OfferRemainingLines(TLineReader& reader)
    {
        std::string_view line;
        while (reader.ReadLine(line)) {
            const TLineMatch match = matcher_.Match(line);
            if (match.Found() && IsHistoryLine(match) && !offer_(line, stamps_.Read(line), reader.LineEnded()))
                return false;
        }
        return true;
    }

private:
    // Dial commands and one-line totals neither go into the history nor
    // stamp the record.
    static bool IsHistoryLine(const TLineMatch& match)
    {
        return match.Kind != DialCommand && match.Kind != ReadWrittenTotals;
    }

    bool HandleLine(std::string_view line, bool lineEnded, bool& closed)
    {
        const TLineMatch match = matcher_.Match(line);
        if (!match.Found())
            return true;
        // Every kind that the history takes reads the stamp once for both.
        const bool stamped = IsHistoryLine(match);
        const TLineStamp stamp = stamped ? stamps_.Read(line) : TLineStamp{};
        if (stamped && keepHistory_ && !offer_(line, stamp, lineEnded))
            return false;
        if (match.Kind == Dialing && DialInterruptsSession(record_, stamp.At.TimeOfDay))
            GiveUpSession();
        const TLineOutcome outcome = HandleLogLine(record_, line, match, stamp);
        if (outcome.LateOverrunCell && counters_.RowNumber > 1)
            receiver_.AppendCellToLastRow(*outcome.LateOverrunCell);
        closed = outcome.SessionClosed;
        return true;
    }

    void GiveUpSession()
    {
        if (record_.DialDate != 0 || record_.DialTime != 0) {
            ++counters_.TriedDialIns;
            receiver_.AddUnlistedSession(record_);
        }
        if (record_.ConnectDate != 0 || record_.ConnectTime != 0)
            ++counters_.SuccessfulConnects;
        ++counters_.TriedConnects;
        ++counters_.UnclosedEntries;
        record_.Clear();
    }

    void CloseSession()
    {
        ++counters_.TriedConnects;
        if (record_.DialDate == 0)
            return;
        ++counters_.TriedDialIns;
        if (record_.ConnectDate == 0) {
            receiver_.AddUnlistedSession(record_);
            return;
        }
        receiver_.AddConnectionRow(record_, counters_.RowNumber);
        if (!flags_.FQuiet)
            receiver_.AddChartPoints(record_);
        ++counters_.SuccessfulConnects;
        ++counters_.RowNumber;
    }

    const TAnalysisFlags& flags_;
    TAnalysisReceiver& receiver_;
    TOffer offer_;
    bool keepHistory_ = true;
    TAnalysisCounters counters_;
    TConnectionRecord record_;
    TLineMatcher matcher_;
    TStampReader stamps_;
};

// One run over a log: opening it, the All-Time-Log's lifecycle, the checks
// that the log stayed the same file, and what the run says at its end.
class TAnalysisRun {
public:
    TAnalysisRun(const TAnalysisFlags& flags, TAnalysisReceiver& receiver, TAllTimeLogHooks* allTimeLog)
        : flags_(flags), receiver_(receiver), allTimeLog_(allTimeLog),
          sessions_(flags, receiver, [this](std::string_view line, const TLineStamp& stamp, bool lineEnded) {
              return OfferToHistory(line, stamp, lineEnded);
          })
    {
    }

    bool Run(const std::string& path, TLineReader::TReadFunction readSome)
    {
        receiver_.ClearTable();
        receiver_.ClearCharts();
        keepAllTimeLog_ = flags_.StoreAllTimeLog && allTimeLog_ != nullptr;

        platform::TFileHandle log = platform::OpenForSharedReading(path);
        if (!log.IsOpen()) {
            failure_ = TFileFailure{path, platform::ErrorText(errno), false, true};
        } else {
            SetUpAllTimeLog(log.Fd());
            if (CheckSize(log.Fd(), path)) {
                if (flags_.NoSizeWarning)
                    receiver_.ClearLogFileMaxSizeNote();
                ReadSessions(log.Fd(), path, readSome);
            }
        }
        if (!log.Close())
            Fail(path, platform::ErrorText(errno));
        if (keepAllTimeLog_ && !allTimeLog_->CloseAllTimeLog(!logChanged_))
            FailAllTimeLog();
        SayWhatFailed(path);
        for (const auto& [message, severity] : messages_)
            receiver_.ShowMessage(message, severity);
        receiver_.ShowSummary(sessions_.Counters());
        return !failure_ && !allTimeLogFailed_;
    }

private:
    void Fail(const std::string& path, const std::string& reason, bool allTimeLog = false)
    {
        if (!failure_)
            failure_ = TFileFailure{path, reason, allTimeLog};
    }

    void FailAllTimeLog() { Fail(allTimeLog_->FileName(), allTimeLog_->FailureReason(), true); }

    // Held back until the files are closed: a message box that waits for the
    // user would otherwise keep every other run (a timer's) from the history.
    void HoldMessage(std::string message, TMessageSeverity severity)
    {
        if (!flags_.FQuietTotal)
            messages_.emplace_back(std::move(message), severity);
    }

    std::string WithFailureNote(std::string message, const std::string& path, const std::string& reason,
                                bool allTimeLog) const
    {
        return flags_.Unattended ? message + FailureNote(path, reason, allTimeLog) : message;
    }

    void SayWhatFailed(const std::string& logPath)
    {
        if (failure_) {
            receiver_.FileFailed(failure_->Path, failure_->Reason);
            // The fixed text names the log whichever file failed and however
            // it failed after opening; the note says which one did, and why.
            const std::string message = OpenFailureMessage(logPath, flags_.IsGerman);
            if (failure_->OpeningLog)
                HoldMessage(WithFailureNote(message, failure_->Path, failure_->Reason, false), TMessageSeverity::Error);
            else if (flags_.Unattended && failure_->AllTimeLog)
                // A line on standard error leads with what failed: the history, not the log.
                HoldMessage(FailureLead(failure_->Path, failure_->Reason, true) + " (" + message + ")",
                            TMessageSeverity::Error);
            else
                HoldMessage(message + FailureNote(failure_->Path, failure_->Reason, failure_->AllTimeLog),
                            TMessageSeverity::Error);
            return;
        }
        if (flags_.Unattended && keepAllTimeLog_ && allTimeLog_->LinesGivenUp() > 0)
            HoldMessage(LinesGivenUpMessage(allTimeLog_->LinesGivenUp(), allTimeLog_->FileName(), flags_.IsGerman),
                        TMessageSeverity::Information);
        if (flags_.Unattended && keepAllTimeLog_ && allTimeLog_->LinesLeftOut() > 0)
            HoldMessage(LinesLeftOutMessage(allTimeLog_->LinesLeftOut(), allTimeLog_->FileName(), flags_.IsGerman),
                        TMessageSeverity::Information);
        if (flags_.Unattended && keepAllTimeLog_ && allTimeLog_->LinesWithoutStamp() > 0)
            HoldMessage(
                LinesWithoutStampMessage(allTimeLog_->LinesWithoutStamp(), allTimeLog_->FileName(), flags_.IsGerman),
                TMessageSeverity::Information);
    }

    void SetUpAllTimeLog(int logFd)
    {
        if (!keepAllTimeLog_)
            return;
        // The history analysed as a log is held by this run for reading:
        // waiting for it to be free for writing would wait for ourselves.
        const bool analysingHistory = platform::IsSameFile(logFd, allTimeLog_->FileName());
        if (!analysingHistory && allTimeLog_->OpenAllTimeLog())
            return;
        keepAllTimeLog_ = false;
        allTimeLogFailed_ = !analysingHistory;
        const std::string reason =
            analysingHistory ? AnalysedAsLogReason(flags_.IsGerman) : allTimeLog_->FailureReason();
        HoldMessage(WithFailureNote(AllTimeLogWriteAccessMessage(allTimeLog_->FileName(), flags_.IsGerman),
                                    allTimeLog_->FileName(), reason, true),
                    TMessageSeverity::Warning);
    }

    bool CheckSize(int fd, const std::string& path)
    {
        const int64_t size = platform::FileSize(fd);
        if (size < 0) {
            Fail(path, platform::ErrorText(errno));
            return false;
        }
        fileSize_ = size;
        TAnalysisCounters& counters = sessions_.Counters();
        counters.LogFileBlocks =
            static_cast<int32_t>(std::min<int64_t>(size / 128, std::numeric_limits<int32_t>::max()));
        if (counters.LogFileBlocks > SizeWarningBlocks && !flags_.FFileFromCommandLine && !flags_.NoSizeWarning)
            HoldMessage(SizeWarningMessage(path, flags_.IsGerman), TMessageSeverity::Warning);
        return true;
    }

    // Ends the run at the first read or write error.
    void ReadSessions(int fd, const std::string& path, TLineReader::TReadFunction readSome)
    {
        TLineReader reader(fd, TLineReader::DefaultBufferSize, readSome);
        sessions_.KeepHistory(keepAllTimeLog_);
        if (!sessions_.ReadSessions(reader, fileSize_)) {
            FailAllTimeLog();
            return;
        }
        if (sessions_.Counters().StoppedAtRowLimit && keepAllTimeLog_ && !sessions_.OfferRemainingLines(reader)) {
            FailAllTimeLog();
            return;
        }
        // A failed read is no end of the file, wherever it happens.
        if (reader.Failed()) {
            Fail(path, platform::ErrorText(reader.Error()));
            return;
        }
        CheckLogUnchanged(fd, path, reader.Position());
    }

    bool OfferToHistory(std::string_view line, const TLineStamp& stamp, bool lineEnded)
    {
        // A last line without its line end is still being written by the
        // driver: the history takes it whole at a later run.
        return !keepAllTimeLog_ || !lineEnded || allTimeLog_->OfferLine(line, stamp.At);
    }

    // A log cut short or replaced while it was read gave lines of two files;
    // none of them goes into the history.
    void CheckLogUnchanged(int fd, const std::string& path, int64_t bytesRead)
    {
        const bool shrank = platform::FileSize(fd) < bytesRead;
        logChanged_ = shrank || platform::IsReplaced(fd, path);
        if (logChanged_)
            Fail(path, shrank ? LogShrankReason(flags_.IsGerman) : LogReplacedReason(flags_.IsGerman));
    }

    const TAnalysisFlags& flags_;
    TAnalysisReceiver& receiver_;
    TAllTimeLogHooks* allTimeLog_;
    bool keepAllTimeLog_ = false;
    bool allTimeLogFailed_ = false;
    bool logChanged_ = false;
    int64_t fileSize_ = 0;
    std::optional<TFileFailure> failure_;
    std::vector<std::pair<std::string, TMessageSeverity>> messages_;
    TSessionLoop sessions_;
};

}  // namespace

bool AnalyseLogFile(const std::string& path, const TAnalysisFlags& flags, TAnalysisReceiver& receiver,
                    TAllTimeLogHooks* allTimeLog, TLineReader::TReadFunction readSome)
{
    return TAnalysisRun(flags, receiver, allTimeLog).Run(path, readSome);
}

}  // namespace kellvar
