#include "profile.h"

#include "filehandle.h"
#include "programpath.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>
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

bool SameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The lines of an INI file, each without its line end.
std::vector<std::string> ReadLines(const std::string& fileName)
{
    std::ifstream file(fileName, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
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
        if (!name || !SameName(*name, section))
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
        if (const auto keyLine = KeyLine(lines[i]); keyLine && SameName(keyLine->Key, key))
            return i;
    return std::nullopt;
}

std::string Unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, ProfileValueLimit));
}

// Writes the text to a new file beside the target and puts it in its place.
bool ReplaceFile(const std::string& fileName, const std::string& text)
{
    struct stat info {};
    const bool exists = ::stat(fileName.c_str(), &info) == 0;
    std::string temporary = fileName + ".XXXXXX";
    TFileHandle file(::mkstemp(temporary.data()));
    if (!file.IsOpen())
        return false;
    const bool written = WriteAll(file.Fd(), text.data(), text.size())
                         && ::fchmod(file.Fd(), exists ? info.st_mode & 07777 : 0644) == 0 && ::fsync(file.Fd()) == 0
                         && file.Close() && ::rename(temporary.c_str(), fileName.c_str()) == 0;
    if (!written)
        ::unlink(temporary.c_str());
    return written;
}

}  // namespace

std::string GetPrivateProfileString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                    const std::string& fileName)
{
    const std::vector<std::string> lines = ReadLines(fileName);
    const auto range = FindSection(lines, section);
    if (!range)
        return defaultValue;
    const auto line = FindKey(lines, *range, key);
    return line ? Unquoted(KeyLine(lines[*line])->Value) : defaultValue;
}

bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& fileName)
{
    if (IsReadOnly(fileName))
        return false;
    std::vector<std::string> lines = ReadLines(fileName);
    const std::string keyLine = key + "=" + value;
    if (const auto range = FindSection(lines, section)) {
        if (const auto line = FindKey(lines, *range, key))
            lines[*line] = keyLine;
        else
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(range->End), keyLine);
    } else {
        lines.push_back("[" + section + "]");
        lines.push_back(keyLine);
    }
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return ReplaceFile(fileName, text);
}

}  // namespace kellvar::platform
