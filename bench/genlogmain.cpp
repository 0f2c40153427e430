// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-genlog: writes a generated modem log to standard output.
// usage: kellvar-genlog [--german] [--seed N] SESSIONS
//        kellvar-genlog --vocabulary   (the 30 texts the analysis searches for)

#include "loggenerator.h"

#include "core/vocabulary.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    kellvar::TLogGeneratorOptions options;
    bool sessionsGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--vocabulary") {
            for (const kellvar::TVocabularyEntry& entry : kellvar::LogVocabulary)
                std::cout << entry.Text << '\n';
            return 0;
        }
        if (argument == "--german")
            options.German = true;
        else if (argument == "--seed" && i + 1 < argc)
            options.Seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else if (!argument.empty() && argument[0] != '-' && !sessionsGiven) {
            options.Sessions = std::atoi(argument.c_str());
            sessionsGiven = true;
        } else {
            std::cerr << "usage: kellvar-genlog [--german] [--seed N] SESSIONS | --vocabulary\n";
            return 2;
        }
    }
    const std::string log = kellvar::GenerateModemLog(options);
    std::fwrite(log.data(), 1, log.size(), stdout);
    return 0;
}
