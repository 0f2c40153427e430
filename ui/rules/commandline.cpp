// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "platform/asciitext.h"

namespace kellvar {

TQuietFlags ParseQuietFlags(const std::vector<std::string>& arguments)
{
    TQuietFlags flags;
    for (const std::string& argument : arguments) {
        if (platform::EqualsIgnoringAsciiCase(argument, "-quiet"))
            flags.Quiet = true;
        if (platform::EqualsIgnoringAsciiCase(argument, "-quiettotal"))
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
           && platform::EqualsIgnoringAsciiCase(std::string_view(path).substr(dot), ".atl");
}

}  // namespace kellvar
