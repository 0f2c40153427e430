// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile.h"

#include "asciitext.h"
#include "filehandle.h"
#include "ownership.h"
#include "programfiles.h"
#include "programpath.h"
#include "replacefile.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string_view>
#include <sys/stat.h>
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

}  // namespace

TProfileFile::TProfileFile(std::string fileName) : fileName_(std::move(fileName))
{
    // Settings that another user's link points at are not this user's.
    const std::optional<std::string> target = OwnLinkTarget(fileName_);
    if (!target) {
        readError_ = ErrorForeignLink;
        return;
    }
    TFileHandle file = OpenForSharedReading(*target);
    if (!file.IsOpen()) {
        // A file that is not there is no failure: the defaults apply.
        readError_ = errno == ENOENT || errno == ENOTDIR ? 0 : errno;
        return;
    }
    const int64_t size = FileSize(file.Fd());
    tooLarge_ = size > MaxFileSize;
    std::string text(static_cast<size_t>(std::clamp<int64_t>(size, 0, MaxFileSize)), '\0');
    if (size < 0 || (!tooLarge_ && !ReadAllAt(file.Fd(), text.data(), text.size(), 0))) {
        readError_ = errno;
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
    if (Unreadable()) {
        errno = readError_ != 0 ? readError_ : EFBIG;
        return false;
    }
    // A link (a settings file kept with one's dotfiles) stays a link.
    const std::optional<std::string> target = OwnLinkTarget(fileName_);
    if (!target) {
        errno = ErrorForeignLink;
        return false;
    }
    CreateParentDirectories(*target);
    if (IsReadOnly(*target)) {
        errno = EACCES;
        return false;
    }
    std::string text(byteOrderMark_ ? ByteOrderMark : "");
    for (const std::string& line : lines_)
        text += line + "\r\n";
    struct stat info {};
    const bool exists = ::stat(target->c_str(), &info) == 0;
    if (ReplaceFile(*target, text))
        return true;
    return exists && (errno == EACCES || errno == EROFS || errno == EPERM) && OverwriteInPlace(*target, text);
}

}  // namespace kellvar::platform
