// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/texttable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace kellvar {
namespace {

TEST(TextTable, EveryRowHasBothLanguagesOnce)
{
    std::set<std::pair<std::string_view, TTextProperty>> seen;
    for (const TTextRow& row : TextTable()) {
        EXPECT_FALSE(row.German.empty()) << row.Control;
        EXPECT_FALSE(row.English.empty()) << row.Control;
        EXPECT_TRUE(seen.insert({row.Control, row.Property}).second) << "twice: " << row.Control;
    }
}

TEST(TextTable, ColumnCaptionsInBothLanguages)
{
    const std::vector<std::string_view> german = ColumnCaptions(true);
    const std::vector<std::string_view> english = ColumnCaptions(false);
    ASSERT_EQ(german.size(), 12u);
    EXPECT_EQ(german[1], "Connect Zeitpunkt");
    EXPECT_EQ(english[9], "Dial Command");
    EXPECT_EQ(german[11], "OvrErr");
    EXPECT_EQ(english[11], "OvrErr");
}

TEST(TextTable, PagesInPageOrder)
{
    const std::vector<std::string_view> german = PageCaptions(true);
    EXPECT_EQ(german, (std::vector<std::string_view>{"Überblick", "Tabelle", "Übertragungsraten", "Datentransport",
                                                     "Verbindungsdauern", "Anwahldauern", "Einstellungen", "Über"}));
    EXPECT_EQ(PageCaptions(false)[5], "Dialing Times");
    EXPECT_EQ(PageCaptions(false)[7], "About");
}

// tests/data/window-texts.tsv holds every control's texts as the window must
// show them, typed by hand: control, property, German, English.
TEST(TextTable, EveryTextAsTheWindowMustShowIt)
{
    const std::map<std::string, TTextProperty> properties = {{"Caption", TTextProperty::Caption},
                                                             {"Hint", TTextProperty::Hint},
                                                             {"ChartTitle", TTextProperty::ChartTitle},
                                                             {"LeftAxisTitle", TTextProperty::LeftAxisTitle},
                                                             {"RightAxisTitle", TTextProperty::RightAxisTitle},
                                                             {"SeriesTitle", TTextProperty::SeriesTitle},
                                                             {"ColumnCaption", TTextProperty::ColumnCaption}};
    std::ifstream file(KELLVAR_SOURCE_DIR "/tests/data/window-texts.tsv");
    ASSERT_TRUE(file);
    size_t rows = 0;
    for (std::string line; std::getline(file, line); ++rows) {
        std::istringstream fields(line);
        std::string control, property, german, english;
        std::getline(fields, control, '\t');
        std::getline(fields, property, '\t');
        std::getline(fields, german, '\t');
        std::getline(fields, english, '\t');
        ASSERT_TRUE(properties.contains(property)) << line;
        EXPECT_EQ(TextOf(control, properties.at(property), true), german) << control << " " << property;
        EXPECT_EQ(TextOf(control, properties.at(property), false), english) << control << " " << property;
    }
    EXPECT_EQ(rows, TextTable().size()) << "a row the file does not have";
}

TEST(TextTable, Lookups)
{
    EXPECT_EQ(TextOf("HelpButton", TTextProperty::Hint, false), "") << "no hint on the help button";
    EXPECT_EQ(HelpFileName(true), "kellvar.hlp");
    EXPECT_EQ(HelpFileName(false), "kellva_e.hlp");
}

TEST(AboutText, SectionsAndLineEnds)
{
    for (const bool german : {true, false}) {
        const std::string_view about = AboutText(german);
        EXPECT_EQ(about.substr(0, 15), "Kellvar v1.55\r\n");
        EXPECT_EQ(about.substr(about.size() - 2), "\r\n");
        EXPECT_NE(about.find("the Kellvar authors"), std::string_view::npos);
        EXPECT_NE(about.find("\r\n\r\nDisclaimer:"), std::string_view::npos);
        EXPECT_EQ(about.find("\r\n\r\n\r\nDisclaimer:"), std::string_view::npos) << "one blank line before it";
        EXPECT_NE(about.find("\r\n\r\n\r\nFeedback:"), std::string_view::npos) << "two blank lines before it";
        EXPECT_NE(about.find("Feedback:"), std::string_view::npos);
        EXPECT_NE(about.find(german ? "Rechtliches:" : "Legal Stuff:"), std::string_view::npos);
        EXPECT_NE(about.find("example.org"), std::string_view::npos);
        for (size_t lf = about.find('\n'); lf != std::string_view::npos; lf = about.find('\n', lf + 1))
            EXPECT_EQ(about[lf - 1], '\r');
    }
}

}  // namespace
}  // namespace kellvar
