// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/summarylines.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

TEST(SummaryLines, FreshProgramShowsDashesWhereNothingWasWritten)
{
    TSummaryFigures f;
    f.TriedConnects = "1";
    f.TriedDialIns = "2";
    f.SuccessfulConnects = "3";
    f.UnclosedEntries = "4";
    f.SumReadData = "0byte";
    f.SumWrittenData = "0byte";
    f.SumConnectionTime = "00:00:00.00";
    f.LogFileSize = "0Kbyte";
    EXPECT_EQ(SummaryLines(f, std::nullopt, false),
              "Tried connects:\t1\nTried dialings:\t2\nActual connects:\t3\nUnclosed entries:\t4\n"
              "Average reading:\t-\nAverage writing:\t-\nOverall received:\t0byte\nAverage read:\t-\n"
              "Overall written:\t0byte\nAverage sent:\t-\nOverall connection time:\t00:00:00.00\n"
              "Average connection time:\t-\nAverage dialing time:\t-\nStart:\t-\nReceived:\t-\nReceive rate:\t-\n"
              "End:\t-\nSent:\t-\nSend rate:\t-\nSize of log file:\t0Kbyte\n");
}

TEST(SummaryLines, GermanCaptionsAndTheLastConnection)
{
    const TLastConnection last = {"start", "end", "sent", "received", "sendrate", "receiverate"};
    const std::string text = SummaryLines({}, last, true);
    EXPECT_NE(text.find("Verstümmelte Einträge:\t\n"), std::string::npos);
    EXPECT_NE(text.find("Beginn:\tstart\nEmpfangen:\treceived\nEmpfangsrate:\treceiverate\nEnde:\tend\n"
                        "Gesendet:\tsent\nSenderate:\tsendrate\n"),
              std::string::npos);
}

}  // namespace
}  // namespace kellvar
