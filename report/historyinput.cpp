// SPDX-License-Identifier: GPL-3.0-or-later
#include "historyinput.h"

#include "scriptreceiver.h"

#include "core/alltimelog.h"
#include "core/modemlogparser.h"
#include "platform/filehandle.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace kellvar {

THistoryInput::~THistoryInput()
{
    if (!directory_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }
}

bool THistoryInput::Fail(std::string file, std::string reason)
{
    failedFile_ = std::move(file);
    reason_ = std::move(reason);
    return false;
}

bool THistoryInput::MakeTemporaryDirectory()
{
    if (!directory_.empty())
        return true;
    std::error_code error;
    std::string pattern = (std::filesystem::temp_directory_path(error) / "kellvar-report-XXXXXX").string();
    if (error || ::mkdtemp(pattern.data()) == nullptr)
        return Fail(pattern, platform::ErrorText(error ? error.value() : errno));
    directory_ = pattern;
    return true;
}

bool THistoryInput::CopyStandardInput(std::string& copy)
{
    if (!MakeTemporaryDirectory())
        return false;
    copy = directory_ + "/standard-input.log";
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

bool THistoryInput::Prepare(const std::vector<std::string>& files)
{
    if (files.size() == 1 && files[0] != "-") {
        path_ = files[0];
        return true;
    }
    if (files.size() == 1)
        return CopyStandardInput(path_);
    if (!MakeTemporaryDirectory())
        return false;
    path_ = directory_ + "/history.ATL";
    TAnalysisFlags flags;
    flags.StoreAllTimeLog = true;
    flags.WholeLog = true;
    flags.FQuiet = true;
    flags.FQuietTotal = true;
    for (const std::string& file : files) {
        std::string readable = file;
        if (file == "-" && !CopyStandardInput(readable))
            return false;
        TFailureKeeping<TScriptReceiver> discard(std::nullopt, std::nullopt, [](const TNumberedConnection&) {});
        TAllTimeLogFile history(path_);
        if (!AnalyseLogFile(readable, true, flags, discard, &history))
            return Fail(discard.FailedFile == readable ? file : discard.FailedFile, discard.FailureReason);
    }
    return true;
}

}  // namespace kellvar
