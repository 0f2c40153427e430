#pragma once

#include "analysisreceiver.h"

#include "platform/filehandle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kellvar {

struct TLogStamp {
    int32_t DateKey = 0;
    int32_t TimeOfDay = 0;
    bool operator==(const TLogStamp&) const = default;
};

// The stamp of the last line in the final 2,048 bytes of an open All-Time-Log
// whose date and time both read as non-zero; (0, 0) when there is none. A
// shorter file is read from its start, its first line included. False on a
// read error.
bool ReadLastStamp(int fd, TLogStamp& stamp);

// The same scan over the tail bytes themselves.
TLogStamp LastStampOfTail(std::string_view tail, bool wholeFile);

// The program's history of recognised log lines: every run appends the lines
// newer than the newest line it already holds, byte for byte plus CR LF. The
// file is held exclusively from set-up to close, so runs started together
// never interleave their lines.
class TAllTimeLogFile : public TAllTimeLogHooks {
public:
    explicit TAllTimeLogFile(std::string fileName) : fileName_(std::move(fileName)) {}

    bool OpenAllTimeLog() override;
    const std::string& FileName() const override { return fileName_; }
    bool OfferLine(std::string_view line, int32_t dateKey, int32_t timeOfDay) override;
    bool CloseAllTimeLog() override;

    const TLogStamp& StoredStamp() const { return stored_; }

private:
    bool Flush();

    std::string fileName_;
    platform::TFileHandle file_;
    TLogStamp stored_;
    std::string pending_;
    bool failed_ = false;
};

// The All-Time-Log beside the program: its path with the extension ".ATL".
std::string AllTimeLogFileName(const std::string& programPath);

}  // namespace kellvar
