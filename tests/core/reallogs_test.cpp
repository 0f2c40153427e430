// SPDX-License-Identifier: GPL-3.0-or-later
// Logs written by the real Windows modem driver, and our own examples.

#include "core/modemlogparser.h"
#include "tests/support/analysisstore.h"
#include "tests/support/rowprinter.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

TAnalysisStore Analyse(const std::string& path)
{
    TAnalysisStore store;
    AnalyseLogFile(path, {.NoSizeWarning = true}, store);
    EXPECT_TRUE(store.Messages().empty()) << path;
    return store;
}

TEST(RealLogs, WindowsXpDialUpThroughAPhone)
{
    const TAnalysisStore store = Analyse(KELLVAR_REALLOGS_DIR "/xp-gprs-excerpt.log");
    ASSERT_EQ(store.Records().size(), 1u) << "dialled and connected; the excerpt ends before the hang-up";
    const TConnectionRecord& r = store.Records()[0];
    EXPECT_EQ(r.Bps, 115'200);
    EXPECT_EQ(r.DialDuration, 4) << "07:22:23.66 to 07:22:23.70; the third fraction digit is ignored";
    EXPECT_EQ(r.BytesRead, 0);
    EXPECT_EQ(store.Table().Rows()[0][ConnectStampColumn], "19.10.2007-07:22:23.70");
    EXPECT_EQ(store.Table().Rows()[0][HangUpStampColumn], "0.0.0-00:00:00.00");
    EXPECT_EQ(store.Counters().TriedConnects, 1);
}

TEST(RealLogs, WindowsNtIncomingCallMakesNoRow)
{
    const TAnalysisStore store = Analyse(KELLVAR_REALLOGS_DIR "/nt4-incoming-excerpt.log");
    EXPECT_EQ(store.Table().RowCount(), 0u) << "an answered call has no dial";
    EXPECT_EQ(store.Counters().TriedConnects, 1);
    EXPECT_EQ(store.Counters().TriedDialIns, 0);
}

TEST(Examples, EnglishAndGermanExamplesAgree)
{
    const TAnalysisStore english = Analyse(KELLVAR_SOURCE_DIR "/examples/ModemLog.txt");
    const TAnalysisStore german = Analyse(KELLVAR_SOURCE_DIR "/examples/ModemLog-de.txt");
    EXPECT_GE(english.Counters().TriedConnects, 20);
    EXPECT_GT(english.Counters().UnclosedEntries, 0);
    EXPECT_GT(english.Counters().TriedDialIns, english.Counters().SuccessfulConnects) << "some dials failed";
    EXPECT_EQ(english.Table().Rows(), german.Table().Rows()) << "the German example is the English one translated";
    bool overrunCell = false;
    for (const TRowCells& row : english.Table().Rows())
        overrunCell = overrunCell || row.size() > 11;
    EXPECT_TRUE(overrunCell);
}

}  // namespace
}  // namespace kellvar
