#pragma once

#include "analysisreceiver.h"
#include "storedtail.h"

#include "platform/filehandle.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kellvar {

// The program's history of recognised log lines: every run appends the lines
// newer than the newest line it already holds, byte for byte plus CR LF. The
// file is held exclusively from set-up to close, so runs started together
// never interleave their lines. A run either adds its lines whole or leaves
// the file as it found it.
class TAllTimeLogFile : public TAllTimeLogHooks {
public:
    explicit TAllTimeLogFile(std::string fileName) : fileName_(std::move(fileName)) {}

    bool OpenAllTimeLog() override;
    const std::string& FileName() const override { return fileName_; }
    bool OfferLine(std::string_view line, int32_t dateKey, int32_t timeOfDay) override;
    bool CloseAllTimeLog() override;

    const TLogStamp& StoredStamp() const { return stored_; }

protected:
    // The file layer; tests put failing ones in.
    virtual bool WriteBytes(int fd, const char* data, size_t size);
    virtual bool SyncToDisk(int fd);

private:
    bool Belongs(std::string_view line, TLogStamp stamp);
    bool Flush();

    std::string fileName_;
    platform::TFileHandle file_;
    int64_t lengthBefore_ = 0;
    TLogStamp stored_;
    // The stored lines that share the newest stamp, and how many of the log's
    // lines with that stamp have been found among them so far.
    std::vector<std::string> storedGroup_;
    size_t groupMatched_ = 0;
    bool groupDiffers_ = false;
    std::string pending_;
    bool failed_ = false;
};

// The All-Time-Log of the program: beside it, its path with the extension
// ".ATL", or in the user's data directory (see platform::ProgramFile).
std::string AllTimeLogFileName(const std::string& programPath);

}  // namespace kellvar
