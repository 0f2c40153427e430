// SPDX-License-Identifier: GPL-3.0-or-later
// A failed reading names the logs as the user gave them.

#include "report/reportinput.h"
#include "report/scriptreceiver.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

TEST(ReportInput, AFailedHistoryIsNamedAsTheUserNamedItsLogs)
{
    testing::TempDir dir;
    TReportInput input;
    // The history merged from two logs, gone before it was read.
    input.Log = dir.File("history.log");
    input.ShownLog = "a.log,b.log";
    TFailureKeeping<TScriptReceiver> receiver({}, [](const TNumberedConnection&) {});
    const TReportRun run = AnalyseInput(receiver, input, {});
    EXPECT_FALSE(run.Analysed);
    EXPECT_EQ(run.FailedFile, "a.log,b.log");
    EXPECT_EQ(run.FailureReason, "No such file or directory");
}

}  // namespace
}  // namespace kellvar
