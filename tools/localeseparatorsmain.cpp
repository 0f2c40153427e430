// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-locale-separators: prints platform/localeseparatortable.cpp, the
// decimal separators of Qt's locale data as the platform layer looks them
// up without Qt. Run it after Qt's locale data changed:
//   build/bin/kellvar-locale-separators | clang-format --assume-filename=.cpp
// into platform/localeseparatortable.cpp.
// Every row is one the lookup needs to give Qt's answer: a language's
// separator where it is not ".", and a script's or territory's where it is
// not what the lookup would fall back to.

#include "platform/decimalseparator.h"

#include <QLocale>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using kellvar::platform::DecimalSeparatorOfLocale;

std::string QtSeparator(const std::string& localeName)
{
    return QLocale(QString::fromLatin1(localeName)).decimalPoint().toStdString();
}

std::string Code(QLocale::Language language)
{
    return QLocale::languageToCode(language).toStdString();
}

// The rows so far, and what the lookup gives for a name with them.
class TRowsSoFar {
public:
    explicit TRowsSoFar(std::string scriptCodes) : scriptCodes_(std::move(scriptCodes)) {}
    void Add(const std::string& locale, const std::string& separator)
    {
        rows_[locale] = separator;
        sorted_.clear();
        for (const auto& [name, text] : rows_)
            sorted_.push_back({name, text});
    }
    std::string LookedUp(const std::string& name) const
    {
        const kellvar::platform::TLocaleSeparatorTable table{{}, sorted_, scriptCodes_};
        return DecimalSeparatorOfLocale(name, table);
    }
    // Adds the name's row where the lookup gives what Qt does not.
    void Check(const std::string& name)
    {
        const std::string separator = QtSeparator(name);
        if (LookedUp(name) != separator)
            Add(name, separator);
    }
    const std::map<std::string, std::string>& Rows() const { return rows_; }
    const std::string& ScriptCodes() const { return scriptCodes_; }

private:
    std::string scriptCodes_;
    std::map<std::string, std::string> rows_;
    std::vector<kellvar::platform::TLocaleSeparator> sorted_;
};

std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (const unsigned char c : text) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, c < 0x80 ? "%c" : "\\x%02x", c);
        quoted += escaped;
    }
    return quoted + "\"";
}

}  // namespace

int main()
{
    std::set<std::string> territories;
    for (int t = 1; t <= QLocale::LastTerritory; ++t)
        territories.insert(QLocale::territoryToCode(QLocale::Territory(t)).toStdString());
    territories.erase("");
    std::string scriptCodes;
    for (int s = 1; s <= QLocale::LastScript; ++s)
        scriptCodes += QLocale::scriptToCode(QLocale::Script(s)).toStdString();

    TRowsSoFar rows(scriptCodes);
    std::set<QLocale::Language> languagesWithRows;
    for (int l = QLocale::C + 1; l <= QLocale::LastLanguage; ++l) {
        const auto language = QLocale::Language(l);
        const std::string code = Code(language);
        const size_t before = rows.Rows().size();
        rows.Check(code);
        for (const std::string& territory : territories)
            rows.Check(code + "_" + territory);
        std::set<std::string> scripts;
        for (const QLocale& locale : QLocale::matchingLocales(language, QLocale::AnyScript, QLocale::AnyTerritory))
            scripts.insert(QLocale::scriptToCode(locale.script()).toStdString());
        for (const std::string& script : scripts) {
            rows.Check(code + "_" + script);
            for (const std::string& territory : territories)
                rows.Check(code + "_" + script + "_" + territory);
        }
        if (rows.Rows().size() != before)
            languagesWithRows.insert(language);
    }

    // Every other code Qt takes for a language with rows: ISO 639-2 and -3
    // codes and the old ones ("iw" for Hebrew).
    std::map<std::string, std::string> aliases;
    std::string code(3, 'a');
    for (code.resize(2); code.size() <= 3; code.assign(code.size() + 1, 'a')) {
        while (true) {
            const QLocale::Language language = QLocale::codeToLanguage(QString::fromLatin1(code));
            if (languagesWithRows.count(language) && Code(language) != code)
                aliases[code] = Code(language);
            size_t at = code.size();
            while (at > 0 && code[at - 1] == 'z')
                code[--at] = 'a';
            if (at == 0)
                break;
            ++code[at - 1];
        }
    }

    std::printf("// SPDX-License-Identifier: GPL-3.0-or-later AND Unicode-DFS-2016\n"
                "// Made by kellvar-locale-separators from Qt's locale data: do not edit. The\n"
                "// separators are those of the Unicode Common Locale Data Repository,\n"
                "// Copyright 1991-2022 Unicode, Inc. (debian/copyright holds the licence).\n"
                "#include \"decimalseparator.h\"\n\n"
                "namespace kellvar::platform {\n\n"
                "namespace {\n\n"
                "constexpr TLanguageAlias Aliases[] = {\n");
    for (const auto& [alias, primary] : aliases)
        std::printf("    {\"%s\", \"%s\"},\n", alias.c_str(), primary.c_str());
    std::printf("};\n\nconstexpr TLocaleSeparator Separators[] = {\n");
    for (const auto& [locale, separator] : rows.Rows())
        std::printf("    {\"%s\", %s},\n", locale.c_str(), Quoted(separator).c_str());
    std::printf("};\n\nconstexpr TLocaleSeparatorTable Table{Aliases, Separators,\n");
    for (size_t at = 0; at < scriptCodes.size(); at += 96)
        std::printf("                                      \"%s\"\n", scriptCodes.substr(at, 96).c_str());
    std::printf("};\n\n}  // namespace\n\n"
                "const TLocaleSeparatorTable& QtLocaleSeparators()\n{\n    return Table;\n}\n\n"
                "}  // namespace kellvar::platform\n");
    return std::fflush(stdout) == 0 ? 0 : 1;
}
