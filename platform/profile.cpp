#include "profile.h"

#include "asciitext.h"
#include "filehandle.h"
#include "programfiles.h"
#include "programpath.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kellvar::platform {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// A UTF-8 byte-order mark, as some editors save a file.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The lines of a text, each without its line end (CR LF, LF or CR).
std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const size_t end = std::min(text.find_first_of("\r\n"), text.size());
        lines.emplace_back(text.substr(0, end));
        const bool crLf = text.substr(end, 2) == "\r\n";
        text.remove_prefix(std::min(end + (crLf ? 2 : 1), text.size()));
    }
    return lines;
}

std::optional<std::string_view> SectionName(std::string_view line)
{
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const size_t close = trimmed.find(']');
    return Trimmed(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

struct TKeyLine {
    std::string_view Key;
    std::string_view Value;
};

std::optional<TKeyLine> KeyLine(std::string_view line)
{
    const std::string_view trimmed = Trimmed(line);
    const size_t equals = trimmed.find('=');
    if (trimmed.empty() || trimmed.front() == ';' || equals == std::string_view::npos)
        return std::nullopt;
    return TKeyLine{Trimmed(trimmed.substr(0, equals)), Trimmed(trimmed.substr(equals + 1))};
}

// Where a section's lines stand: its header, and one past its last key line.
struct TSectionRange {
    size_t Header;
    size_t End;
};

std::optional<TSectionRange> FindSection(const std::vector<std::string>& lines, std::string_view section)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (!name || !EqualsIgnoringAsciiCase(*name, section))
            continue;
        TSectionRange range{i, i + 1};
        for (size_t j = i + 1; j < lines.size() && !SectionName(lines[j]); ++j)
            if (!Trimmed(lines[j]).empty())
                range.End = j + 1;
        return range;
    }
    return std::nullopt;
}

std::optional<size_t> FindKey(const std::vector<std::string>& lines, TSectionRange section, std::string_view key)
{
    for (size_t i = section.Header + 1; i < section.End; ++i)
        if (const auto keyLine = KeyLine(lines[i]); keyLine && EqualsIgnoringAsciiCase(keyLine->Key, key))
            return i;
    return std::nullopt;
}

std::string Unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, ProfileValueLimit));
}

// Temporary files are hidden siblings ".NAME.tmp-XXXXXX" of the file they replace.
std::string TemporaryPrefix(const std::string& fileName)
{
    const size_t nameStart = fileName.find_last_of('/') + 1;
    return fileName.substr(0, nameStart) + "." + fileName.substr(nameStart) + ".tmp-";
}

// A write killed before its rename leaves its temporary file behind. A
// writer holds a lock on its temporary file until the rename, so a file
// whose lock can be taken belongs to no running writer.
void RemoveLeftoverTemporaries(const std::string& fileName)
{
    const std::string prefix = TemporaryPrefix(fileName);
    const std::string directory = DirectoryOf(prefix);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory.empty() ? "." : directory, error)) {
        const std::string path = directory + entry.path().filename().string();
        if (path.size() != prefix.size() + 6 || path.compare(0, prefix.size(), prefix) != 0)
            continue;
        TFileHandle leftover(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (leftover.IsOpen() && ::flock(leftover.Fd(), LOCK_EX | LOCK_NB) == 0 && IsSameFile(leftover.Fd(), path))
            ::unlink(path.c_str());
    }
}

// A new temporary file beside the target, locked for this writer.
TFileHandle CreateTemporary(const std::string& fileName, std::string& temporary)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        temporary = TemporaryPrefix(fileName) + "XXXXXX";
        TFileHandle file(::mkostemp(temporary.data(), O_CLOEXEC));
        if (!file.IsOpen())
            return file;
        // Another writer may have taken it for a leftover between its
        // creation and the lock; then it is gone and another name is tried.
        if (::flock(file.Fd(), LOCK_EX) == 0 && IsSameFile(file.Fd(), temporary))
            return file;
    }
    return {};
}

// Writes the text over the file where it stands: the one way left when its
// directory takes no new file but the file itself may be written.
bool OverwriteInPlace(const std::string& fileName, const std::string& text)
{
    TFileHandle file(::open(fileName.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
    return file.IsOpen() && WriteAll(file.Fd(), text.data(), text.size())
           && ::ftruncate(file.Fd(), static_cast<off_t>(text.size())) == 0 && ::fsync(file.Fd()) == 0 && file.Close();
}

// Writes the text to a new file beside the target and puts it in its place.
bool ReplaceFile(const std::string& fileName, const std::string& text)
{
    RemoveLeftoverTemporaries(fileName);
    struct stat info {};
    const bool exists = ::stat(fileName.c_str(), &info) == 0;
    std::string temporary;
    TFileHandle file = CreateTemporary(fileName, temporary);
    if (!file.IsOpen())
        return exists && (errno == EACCES || errno == EROFS || errno == EPERM) && OverwriteInPlace(fileName, text);
    const bool written = WriteAll(file.Fd(), text.data(), text.size())
                         && ::fchmod(file.Fd(), exists ? info.st_mode & 07777 : 0644) == 0 && ::fsync(file.Fd()) == 0
                         && ::rename(temporary.c_str(), fileName.c_str()) == 0;
    if (!written)
        ::unlink(temporary.c_str());
    return file.Close() && written;
}

}  // namespace

TProfileFile::TProfileFile(std::string fileName) : fileName_(std::move(fileName))
{
    TFileHandle file = OpenForSharedReading(fileName_);
    if (!file.IsOpen()) {
        // A file that is not there is no failure: the defaults apply.
        readError_ = errno == ENOENT || errno == ENOTDIR ? 0 : errno;
        return;
    }
    const int64_t size = FileSize(file.Fd());
    tooLarge_ = size > MaxFileSize;
    std::string text(static_cast<size_t>(std::clamp<int64_t>(size, 0, MaxFileSize)), '\0');
    if (size < 0 || (!tooLarge_ && !ReadAllAt(file.Fd(), text.data(), text.size(), 0))) {
        readError_ = errno != 0 ? errno : EIO;
        return;
    }
    if (tooLarge_)
        return;
    std::string_view content = text;
    byteOrderMark_ = content.substr(0, ByteOrderMark.size()) == ByteOrderMark;
    if (byteOrderMark_)
        content.remove_prefix(ByteOrderMark.size());
    lines_ = SplitLines(content);
}

std::string TProfileFile::Get(const std::string& section, const std::string& key, const std::string& defaultValue) const
{
    const auto range = FindSection(lines_, section);
    if (!range)
        return defaultValue;
    const auto line = FindKey(lines_, *range, key);
    return line ? Unquoted(KeyLine(lines_[*line])->Value) : defaultValue;
}

void TProfileFile::Set(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string keyLine = key + "=" + value;
    if (const auto range = FindSection(lines_, section)) {
        if (const auto line = FindKey(lines_, *range, key))
            lines_[*line] = keyLine;
        else
            lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(range->End), keyLine);
    } else {
        lines_.push_back("[" + section + "]");
        lines_.push_back(keyLine);
    }
}

bool TProfileFile::Save() const
{
    // What could not be read is never replaced by what little is known of it.
    if (Unreadable())
        return false;
    // A link (a settings file kept with one's dotfiles) stays a link.
    const std::string target = LinkTarget(fileName_);
    CreateParentDirectories(target);
    if (IsReadOnly(target))
        return false;
    std::string text(byteOrderMark_ ? ByteOrderMark : "");
    for (const std::string& line : lines_)
        text += line + "\r\n";
    return ReplaceFile(target, text);
}

}  // namespace kellvar::platform
