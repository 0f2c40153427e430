// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/temporarydirectory.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kellvar {

// The one log a report analyses. Every input is opened before the report
// writes anything, so a missing one leaves no half document behind. One file
// is read as it is. Standard input ("-") is copied to a temporary file first,
// since a pipe cannot be read twice. Several files form one history in time
// order, whatever the order given (see TLogMerge), in a temporary file.
class THistoryInput {
public:
    THistoryInput() = default;
    THistoryInput(const THistoryInput&) = delete;
    THistoryInput& operator=(const THistoryInput&) = delete;

    // False when a file could not be read; FailedFile and Reason say which
    // and why. Notes are what the report says on standard error even so.
    bool Prepare(const std::vector<std::string>& files, bool german);
    const std::string& Path() const { return path_; }
    // The inputs' own sizes, added up.
    int64_t InputBytes() const { return inputBytes_; }
    const std::vector<std::string>& Notes() const { return notes_; }
    const std::string& FailedFile() const { return failedFile_; }
    const std::string& Reason() const { return reason_; }

private:
    bool MakeTemporaryDirectory();
    // The path of a readable copy of standard input.
    bool CopyStandardInput(std::string& copy);
    bool Merge(const std::vector<std::string>& files, bool german);
    bool Fail(std::string file, std::string reason);

    std::string path_;
    // Its copies of the user's logs go with the report, however it ends.
    platform::TTemporaryDirectory directory_;
    int64_t inputBytes_ = 0;
    std::vector<std::string> notes_;
    std::string failedFile_;
    std::string reason_;
};

}  // namespace kellvar
