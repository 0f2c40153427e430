// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysisreceiver.h"
#include "storedtail.h"

#include "platform/filehandle.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kellvar {

// The program's history of recognised log lines, byte for byte plus CR LF.
// A run goes on right after the stored lines where the log holds them, and
// otherwise appends the lines newer than the newest stored one. The file is
// held exclusively from set-up to close, so runs started together never
// interleave their lines: a run waits up to lockWait for another to finish.
// A run either adds its lines whole or leaves the file as it found it.
class TAllTimeLogFile : public TAllTimeLogHooks {
public:
    static constexpr std::chrono::milliseconds DefaultLockWait = std::chrono::seconds(30);

    explicit TAllTimeLogFile(std::string fileName, std::chrono::milliseconds lockWait = DefaultLockWait)
        : fileName_(std::move(fileName)), lockWait_(lockWait)
    {
    }

    bool OpenAllTimeLog() override;
    const std::string& FileName() const override { return fileName_; }
    bool OfferLine(std::string_view line, TLogStamp stamp) override;
    bool CloseAllTimeLog(bool keepAppended = true) override;
    std::string FailureReason() const override;
    int64_t LinesLeftOut() const override { return leftOut_; }
    int64_t LinesGivenUp() const override { return givenUp_; }
    int64_t LinesWithoutStamp() const override { return withoutStamp_; }

protected:
    // The file layer; tests put failing ones in. Both set errno on failure.
    virtual bool WriteBytes(int fd, const char* data, size_t size);
    virtual bool SyncToDisk(int fd);

private:
    struct TStoredLine {
        std::string Text;
        TLogStamp Stamp;
    };

    bool Fail();
    // How many of the stored lines end with this line of the log (0: it is
    // not the last stored line, or not in that place).
    size_t StoredBlockEndingHere(std::string_view line, TLogStamp stamp);
    // The fewest last stored lines that stand nowhere else among the stored
    // ones: a shorter block found in the log could be an earlier place (a
    // clock set back repeats a line with its stamp).
    size_t ShortestUniqueTail() const;
    bool StartAfterStoredBlock();
    void Append(std::string_view line);
    bool Flush();

    std::string fileName_;
    std::chrono::milliseconds lockWait_;
    std::string heldBy_;
    platform::TFileHandle file_;
    int64_t lengthBefore_ = 0;
    TLogStamp newest_;
    std::string unfinished_;
    bool endsInLoneCr_ = false;

    // The stored lines with the range of their stamps, and for each the
    // longest run of them that ended there at the log's line lastSeen_.
    std::vector<TStoredLine> stored_;
    TLogStamp lowest_, highest_;
    std::vector<int64_t> lastSeen_;
    std::vector<size_t> blockLength_;
    int64_t lineIndex_ = 0;
    // The longest block of stored lines found in the log so far; the lines
    // after it are this run's.
    size_t anchor_ = 0;
    size_t shortestUniqueTail_ = 1;

    bool appending_ = false;
    bool flushed_ = false;
    std::string pending_;
    int64_t leftOut_ = 0;
    int64_t withoutStamp_ = 0;
    int64_t takenSinceBlock_ = 0;
    int64_t givenUp_ = 0;
    int error_ = 0;
};

// The All-Time-Log of the program: beside it, its path with the extension
// ".ATL", or in the user's data directory (see platform::ProgramFile).
std::string AllTimeLogFileName(const std::string& programPath);

}  // namespace kellvar
