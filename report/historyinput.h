// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kellvar {

// The one log a report analyses. One file is read as it is. Standard input
// ("-") is copied to a temporary file first, since a pipe cannot be read
// twice. Several files form one history, in the order given, as the
// All-Time-Log would hold it: each adds only what the ones before do not
// already hold, in a temporary file.
class THistoryInput {
public:
    THistoryInput() = default;
    THistoryInput(const THistoryInput&) = delete;
    THistoryInput& operator=(const THistoryInput&) = delete;
    ~THistoryInput();

    // False when a file could not be read; FailedFile and Reason say which and why.
    bool Prepare(const std::vector<std::string>& files);
    const std::string& Path() const { return path_; }
    const std::string& FailedFile() const { return failedFile_; }
    const std::string& Reason() const { return reason_; }

private:
    bool MakeTemporaryDirectory();
    // The path of a readable copy of standard input.
    bool CopyStandardInput(std::string& copy);
    bool Fail(std::string file, std::string reason);

    std::string path_;
    std::string directory_;
    std::string failedFile_;
    std::string reason_;
};

}  // namespace kellvar
