// SPDX-License-Identifier: GPL-3.0-or-later
#include "temporarydirectory.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <limits.h>
#include <unistd.h>

namespace kellvar::platform {

namespace {

// What a signal handler removes: fixed buffers, since a handler may not
// allocate. Empty strings are no paths.
struct TDoomed {
    char Directory[PATH_MAX] = {};
    std::array<std::array<char, PATH_MAX>, TTemporaryDirectory::MaxFiles> Files{};
};
TDoomed Doomed;
volatile std::sig_atomic_t Armed = 0;

constexpr std::array<int, 4> FatalSignals = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

void RemoveDoomed()
{
    for (const auto& file : Doomed.Files)
        if (file[0] != '\0')
            ::unlink(file.data());
    if (Doomed.Directory[0] != '\0')
        ::rmdir(Doomed.Directory);
}

extern "C" void RemoveAndDie(int signal)
{
    if (Armed != 0)
        RemoveDoomed();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

bool Copy(char* target, const std::string& text)
{
    if (text.size() >= PATH_MAX)
        return false;
    std::memcpy(target, text.c_str(), text.size() + 1);
    return true;
}

}  // namespace

bool TTemporaryDirectory::Create(const std::string& namePrefix)
{
    std::error_code error;
    std::string pattern = (std::filesystem::temp_directory_path(error) / (namePrefix + "XXXXXX")).string();
    if (error) {
        errno = error.value();
        return false;
    }
    if (::mkdtemp(pattern.data()) == nullptr)
        return false;
    if (!Copy(Doomed.Directory, pattern)) {
        ::rmdir(pattern.c_str());
        errno = ENAMETOOLONG;
        return false;
    }
    path_ = pattern;
    Armed = 1;
    struct sigaction action {};
    action.sa_handler = RemoveAndDie;
    sigemptyset(&action.sa_mask);
    for (const int signal : FatalSignals) {
        struct sigaction previous {};
        // A signal the caller ignores (nohup) stays ignored.
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
    return true;
}

std::string TTemporaryDirectory::File(const std::string& name)
{
    const std::string path = path_ + "/" + name;
    if (path_.empty() || files_ >= MaxFiles || !Copy(Doomed.Files[static_cast<size_t>(files_)].data(), path))
        return {};
    ++files_;
    return path;
}

TTemporaryDirectory::~TTemporaryDirectory()
{
    if (path_.empty())
        return;
    Armed = 0;
    RemoveDoomed();
    Doomed = TDoomed{};
}

}  // namespace kellvar::platform
