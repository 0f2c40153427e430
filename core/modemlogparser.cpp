#include "modemlogparser.h"

#include "lang/messages.h"
#include "linereader.h"
#include "sessionrules.h"
#include "vocabulary.h"

#include "platform/filehandle.h"

#include <algorithm>
#include <limits>

namespace kellvar {

namespace {

class TAnalysisRun {
public:
    TAnalysisRun(const TAnalysisFlags& flags, TAnalysisReceiver& receiver, TAllTimeLogHooks* allTimeLog)
        : flags_(flags), receiver_(receiver), allTimeLog_(allTimeLog)
    {
    }

    bool Run(const std::string& path, bool noSizeWarning)
    {
        receiver_.ClearTable();
        receiver_.ClearCharts();
        keepAllTimeLog_ = flags_.StoreAllTimeLog && allTimeLog_ != nullptr;

        platform::TFileHandle log = platform::OpenForSharedReading(path);
        bool failed = !log.IsOpen();
        if (!failed) {
            SetUpAllTimeLog(log.Fd());
            failed = !CheckSize(log.Fd(), path, noSizeWarning);
        }
        if (!failed && noSizeWarning)
            receiver_.ClearLogFileMaxSizeNote();
        if (!failed)
            failed = !ReadSessions(log.Fd());
        failed = !log.Close() || failed;
        if (keepAllTimeLog_)
            failed = !allTimeLog_->CloseAllTimeLog() || failed;
        if (failed && !flags_.FQuietTotal)
            receiver_.ShowMessage(OpenFailureMessage(path, flags_.IsGerman));
        receiver_.ShowSummary(counters_);
        return !failed && !allTimeLogFailed_;
    }

private:
    void SetUpAllTimeLog(int logFd)
    {
        if (!keepAllTimeLog_ || allTimeLog_->OpenAllTimeLog())
            return;
        keepAllTimeLog_ = false;
        allTimeLogFailed_ = !platform::IsSameFile(logFd, allTimeLog_->FileName());
        if (!flags_.FQuietTotal)
            receiver_.ShowMessage(AllTimeLogWriteAccessMessage(allTimeLog_->FileName(), flags_.IsGerman));
    }

    bool CheckSize(int fd, const std::string& path, bool noSizeWarning)
    {
        const int64_t size = platform::FileSize(fd);
        if (size < 0)
            return false;
        counters_.LogFileBlocks =
            static_cast<int32_t>(std::min<int64_t>(size / 128, std::numeric_limits<int32_t>::max()));
        if (counters_.LogFileBlocks > SizeWarningBlocks && !flags_.FFileFromCommandLine && !noSizeWarning
            && !flags_.FQuietTotal)
            receiver_.ShowMessage(SizeWarningMessage(path, flags_.IsGerman));
        return true;
    }

    // False on a read or write error, which ends the run at once.
    bool ReadSessions(int fd)
    {
        LineReader reader(fd);
        while (!reader.AtEnd() && counters_.RowNumber < RowNumberLimit) {
            record_.Clear();
            bool closed = false;
            std::string_view line;
            while (!closed && reader.ReadLine(line)) {
                if (!HandleLine(line, reader.LineEnded(), closed))
                    return false;
                closed = closed || reader.AtEnd();
            }
            if (reader.Failed())
                return false;
            CloseSession();
            if (!flags_.FQuiet && (counters_.SuccessfulConnects + 1) % 16 == 0)
                receiver_.ProcessPendingEvents();
        }
        counters_.StoppedAtRowLimit = !reader.AtEnd();
        return true;
    }

    bool HandleLine(std::string_view line, bool lineEnded, bool& closed)
    {
        const TLineMatch match = matcher_.Match(line);
        if (!match.Found())
            return true;
        // Dial commands and one-line totals neither go into the history nor
        // stamp the record; every other kind reads the stamp once for both.
        const bool stamped = match.Kind != DialCommand && match.Kind != ReadWrittenTotals;
        const TLineStamp stamp = stamped ? ReadLineStamp(line) : TLineStamp{};
        // A last line without its line end is still being written by the
        // driver: the history takes it whole at a later run.
        if (keepAllTimeLog_ && stamped && lineEnded && !allTimeLog_->OfferLine(line, stamp.DateKey, stamp.TimeOfDay))
            return false;
        if (match.Kind == Dialing && DialInterruptsSession(record_, stamp.TimeOfDay))
            GiveUpSession();
        const TLineOutcome outcome = HandleLogLine(record_, line, match, stamp);
        if (outcome.LateOverrunCell && counters_.RowNumber > 1)
            receiver_.AppendCellToLastRow(*outcome.LateOverrunCell);
        closed = outcome.SessionClosed;
        return true;
    }

    void GiveUpSession()
    {
        if (record_.DialDate != 0 || record_.DialTime != 0)
            ++counters_.TriedDialIns;
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
        if (record_.ConnectDate == 0)
            return;
        receiver_.AddConnectionRow(record_, counters_.RowNumber);
        if (!flags_.FQuiet)
            receiver_.AddChartPoints(record_);
        ++counters_.SuccessfulConnects;
        ++counters_.RowNumber;
    }

    const TAnalysisFlags& flags_;
    TAnalysisReceiver& receiver_;
    TAllTimeLogHooks* allTimeLog_;
    bool keepAllTimeLog_ = false;
    bool allTimeLogFailed_ = false;
    TAnalysisCounters counters_;
    TConnectionRecord record_;
    TLineMatcher matcher_;
};

}  // namespace

bool AnalyseLogFile(const std::string& path, bool NoSizeWarning, const TAnalysisFlags& flags,
                    TAnalysisReceiver& receiver, TAllTimeLogHooks* allTimeLog)
{
    return TAnalysisRun(flags, receiver, allTimeLog).Run(path, NoSizeWarning);
}

}  // namespace kellvar
