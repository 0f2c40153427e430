#include "commandline.h"

#include <algorithm>

namespace kellvar {

namespace {

std::string LowerAsciiLetters(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

TQuietFlags ParseQuietFlags(const std::vector<std::string>& arguments)
{
    TQuietFlags flags;
    for (const std::string& argument : arguments) {
        const std::string lower = LowerAsciiLetters(argument);
        if (lower == "-quiet")
            flags.Quiet = true;
        if (lower == "-quiettotal")
            flags.Quiet = flags.QuietTotal = true;
    }
    return flags;
}

TStartUpArgument StartUpArgument(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return {};
    if (arguments[0].empty() || arguments[0][0] != '-')
        return {true, arguments[0]};
    if (arguments.size() >= 2)
        return {true, arguments[1]};
    return {};
}

bool IsAllTimeLogFile(const std::string& path)
{
    const size_t dot = path.find_last_of('.');
    return dot != std::string::npos && path.find('/', dot) == std::string::npos
           && LowerAsciiLetters(path.substr(dot)) == ".atl";
}

}  // namespace kellvar
