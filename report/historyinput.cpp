// SPDX-License-Identifier: GPL-3.0-or-later
#include "historyinput.h"

#include "logmerge.h"

#include "lang/messages.h"
#include "platform/filehandle.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <tuple>
#include <unistd.h>

namespace kellvar {

bool THistoryInput::Fail(std::string file, std::string reason)
{
    failedFile_ = std::move(file);
    reason_ = std::move(reason);
    return false;
}

bool THistoryInput::MakeTemporaryDirectory()
{
    if (directory_.Exists() || directory_.Create("kellvar-report-"))
        return true;
    return Fail("kellvar-report-XXXXXX", platform::ErrorText(errno));
}

bool THistoryInput::CopyStandardInput(std::string& copy)
{
    if (!MakeTemporaryDirectory())
        return false;
    copy = directory_.File("standard-input.log");
    platform::TFileHandle file(::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!file.IsOpen())
        return Fail(copy, platform::ErrorText(errno));
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return Fail("-", platform::ErrorText(errno));
        if (count == 0)
            break;
        if (!platform::WriteAll(file.Fd(), buffer, static_cast<size_t>(count)))
            return Fail(copy, platform::ErrorText(errno));
    }
    return file.Close() || Fail(copy, platform::ErrorText(errno));
}

namespace {

// An input as the report reads it: its name on the command line, the file
// read, and what orders it among the others.
struct TInput {
    std::string Name;
    std::string Path;
    platform::TFileHandle File;
    TLogStamp First;
    int64_t Size = 0;
    size_t Place = 0;
};

}  // namespace

bool THistoryInput::Prepare(const std::vector<std::string>& files, bool german)
{
    if (files.size() == 1 && files[0] != "-") {
        const platform::TFileHandle file = platform::OpenForSharedReading(files[0]);
        if (!file.IsOpen())
            return Fail(files[0], platform::ErrorText(errno));
        path_ = files[0];
        inputBytes_ = platform::FileSize(file.Fd());
        return true;
    }
    if (files.size() == 1 && CopyStandardInput(path_)) {
        const platform::TFileHandle copy = platform::OpenForSharedReading(path_);
        inputBytes_ = copy.IsOpen() ? platform::FileSize(copy.Fd()) : 0;
        return true;
    }
    return files.size() > 1 && Merge(files, german);
}

bool THistoryInput::Merge(const std::vector<std::string>& files, bool german)
{
    std::vector<TInput> inputs;
    for (size_t place = 0; place < files.size(); ++place) {
        TInput input{files[place], files[place], {}, {}, 0, place};
        if (input.Name == "-" && !CopyStandardInput(input.Path))
            return false;
        input.File = platform::OpenForSharedReading(input.Path);
        if (!input.File.IsOpen())
            return Fail(input.Name, platform::ErrorText(errno));
        input.First = FirstStamp(input.File.Fd());
        input.Size = platform::FileSize(input.File.Fd());
        inputBytes_ += input.Size;
        inputs.push_back(std::move(input));
    }
    // Oldest first; of two that start alike, the shorter (a copy taken
    // before the log grew) comes first, so that the longer continues it.
    std::stable_sort(inputs.begin(), inputs.end(), [](const TInput& a, const TInput& b) {
        return std::tie(a.First, a.Size, a.Place) < std::tie(b.First, b.Size, b.Place);
    });
    if (!MakeTemporaryDirectory())
        return false;
    path_ = directory_.File("history.log");
    platform::TFileHandle history(::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!history.IsOpen())
        return Fail(path_, platform::ErrorText(errno));
    TLogMerge merge(history.Fd());
    for (size_t i = 0; i < inputs.size(); ++i) {
        if (::lseek(inputs[i].File.Fd(), 0, SEEK_SET) != 0 || !merge.Add(inputs[i].File.Fd()))
            return Fail(inputs[i].Name, platform::ErrorText(errno));
        if (merge.Interleaved())
            notes_.push_back(InterleavedLogsMessage(inputs[i - 1].Name, inputs[i].Name, german));
    }
    return history.Close() || Fail(path_, platform::ErrorText(errno));
}

}  // namespace kellvar
