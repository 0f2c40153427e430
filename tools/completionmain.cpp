// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-completion: prints kellvar-report's bash completion script, made
// from the option parser's own tables at build time.

#include "report/reportoptions.h"

#include <cstdio>

int main()
{
    const std::string script = kellvar::BashCompletion();
    return std::fwrite(script.data(), 1, script.size(), stdout) == script.size() && std::fflush(stdout) == 0 ? 0 : 1;
}
