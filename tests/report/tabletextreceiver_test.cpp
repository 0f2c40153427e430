// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-report's streamed table against the table the window copies.

#include "report/tabletextreceiver.h"

#include "core/rowtexts.h"
#include "lang/texttable.h"
#include "tests/core/analysis_helpers.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <cstdio>

namespace kellvar {
namespace {

const std::string Day = "01-05-2000 ";

std::vector<std::string> Captions()
{
    const std::vector<std::string_view> shown = ColumnCaptions(false);
    return {shown.begin(), shown.end()};
}

// Streams the table of a log to out; whether every write succeeded.
bool StreamTable(const std::string& logPath, std::FILE* out, const std::string& separator = ".")
{
    TOutputStream output(out);
    TTableTextReceiver receiver(separator, Captions(), output);
    AnalyseLogFile(logPath, {.NoSizeWarning = true}, receiver);
    return output.Finish();
}

std::string StreamedTableText(const std::string& logPath, const std::string& separator = ".")
{
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* memory = ::open_memstream(&buffer, &size);
    EXPECT_TRUE(StreamTable(logPath, memory, separator));
    std::fclose(memory);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

std::string CopiedTableText(const std::string& logPath, const std::string& separator = ".")
{
    TAnalysisStore store(separator);
    AnalyseLogFile(logPath, {.NoSizeWarning = true}, store);
    return TableText(store.Table().Rows(), Captions());
}

TEST(TableTextReceiver, WritesWhatTheWindowCopies)
{
    const std::vector<std::string> logs = {KELLVAR_SOURCE_DIR "/examples/ModemLog.txt",
                                           KELLVAR_SOURCE_DIR "/examples/ModemLog-de.txt",
                                           KELLVAR_SOURCE_DIR "/tests/data/reallogs/nt4-incoming-excerpt.log",
                                           KELLVAR_SOURCE_DIR "/tests/data/reallogs/xp-gprs-excerpt.log"};
    for (const std::string& log : logs) {
        EXPECT_EQ(StreamedTableText(log), CopiedTableText(log)) << log;
        EXPECT_EQ(StreamedTableText(log, ","), CopiedTableText(log, ",")) << log;
    }
}

TEST(TableTextReceiver, LateOverrunCountsWidenTheRowAndTheHeader)
{
    testing::TempDir dir;
    const std::string log =
        dir.Write("ModemLog.txt", testing::EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1, 2)
                                      + testing::LogLine(Day + "10:30:26.00", "Serial Overrun Errors: 3")
                                      + testing::EnglishSession("11:00:00.00", "11:00:25.50", "11:30:25.50", 1, 2)
                                      + testing::LogLine(Day + "11:30:26.00", "Serial Overrun Errors: 4")
                                      + testing::LogLine(Day + "11:30:26.00", "Serial Overrun Errors: x"));
    const std::string text = StreamedTableText(log);
    EXPECT_EQ(text, CopiedTableText(log));
    EXPECT_EQ(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(text.find('\n')), '\t'), 11);
    EXPECT_NE(text.find("\t3\r\n1\t"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 6), "\t4\t?\r\n");
}

TEST(TableTextReceiver, LongTablesArriveWhole)
{
    testing::TempDir dir;
    std::string sessions;
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 0; minute < 60; minute += 2) {
            char stamp[3][16];
            std::snprintf(stamp[0], sizeof stamp[0], "%02d:%02d:00.00", hour, minute);
            std::snprintf(stamp[1], sizeof stamp[1], "%02d:%02d:25.50", hour, minute);
            std::snprintf(stamp[2], sizeof stamp[2], "%02d:%02d:55.50", hour, minute);
            sessions += testing::EnglishSession(stamp[0], stamp[1], stamp[2], hour * 1000 + minute, minute);
        }
    const std::string log = dir.Write("ModemLog.txt", sessions);
    const std::string text = StreamedTableText(log);
    EXPECT_GT(text.size(), 64u * 1024);  // more than one piece of output
    EXPECT_EQ(text, CopiedTableText(log));
}

TEST(TableTextReceiver, AFailedWriteIsReported)
{
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::setvbuf(full, nullptr, _IONBF, 0);
    TOutputStream output(full);
    TTableTextReceiver receiver(".", Captions(), output);
    AnalyseLogFile(KELLVAR_SOURCE_DIR "/examples/ModemLog.txt", {.NoSizeWarning = true}, receiver);
    EXPECT_FALSE(output.Finish());
    EXPECT_EQ(output.Error(), ENOSPC) << "the system's reason is kept for the message";
    std::fclose(full);
}

}  // namespace
}  // namespace kellvar
