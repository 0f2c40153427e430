// SPDX-License-Identifier: GPL-3.0-or-later
// kellvar-report as a user runs it.

#include "tests/core/analysis_helpers.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace kellvar {
namespace {

struct TRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

TRun Report(const std::string& arguments)
{
    testing::TempDir dir;
    const std::string command =
        "LC_ALL=C.UTF-8 timeout 60 " KELLVAR_REPORT " " + arguments + " >" + dir.File("out") + " 2>" + dir.File("err");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testing::ReadFile(dir.File("out")),
            testing::ReadFile(dir.File("err"))};
}

const std::string Example = KELLVAR_SOURCE_DIR "/examples/ModemLog.txt";

TEST(Report, PrintsTheTableAsCopied)
{
    const TRun run = Report("--english " + Example);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out.substr(0, run.Out.find("\r\n")),
              "#\tConnect\tHangup\tConnection\tRead Rate\tWrite Rate\tReceived\tSent\tConnect\tDial Command\tDialing");
    EXPECT_EQ(run.Out.substr(run.Out.size() - 2), "\r\n");
    EXPECT_EQ(run.Out.find('\n', 0) - 1, run.Out.find('\r'));
}

TEST(Report, GermanSummary)
{
    const TRun run = Report("--summary --german " + Example);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out.substr(0, run.Out.find('\t')), "Verbindungsversuche:");
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 20);
    EXPECT_EQ(run.Out.find('\r'), std::string::npos);
}

// The cost figures as German users read them in the summary.
TEST(Report, GermanCostFigures)
{
    const TRun run =
        Report("--summary --german --tariff=" KELLVAR_SOURCE_DIR "/examples/tariffs/per-minute.tariff " + Example);
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    for (const char* caption : {"\nGesamtkosten:\t", "\nMittlere Kosten je Verbindung:\t",
                                "\nKosten je Stunde online:\t", "\nVerbindungen ohne Tarif:\t"})
        EXPECT_NE(run.Out.find(caption), std::string::npos) << caption << run.Out;
}

TEST(Report, BothExamplesGiveTheSameTable)
{
    EXPECT_EQ(Report("--english " + Example).Out,
              Report("--english " KELLVAR_SOURCE_DIR "/examples/ModemLog-de.txt").Out);
}

TEST(Report, EmptyLogPrintsNothing)
{
    testing::TempDir dir;
    const TRun run = Report(dir.Write("empty.txt", ""));
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "");
}

TEST(Report, MissingLogFails)
{
    const TRun run = Report("--english /nonexistent/log.txt");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "kellvar-report: /nonexistent/log.txt: No such file or directory\n");
    EXPECT_EQ(Report("--format=json " + Example + " /nonexistent/log.txt").Err,
              "kellvar-report: /nonexistent/log.txt: No such file or directory\n")
        << "the one of several logs that failed";
    EXPECT_EQ(Report("--german /nonexistent/log.txt").Err,
              "kellvar-report: /nonexistent/log.txt: Datei oder Verzeichnis nicht gefunden\n")
        << "the system's reason in the report's language, as cat gives it in a German locale";
}

TEST(Report, UsageErrors)
{
    EXPECT_EQ(Report("").ExitCode, 2);
    EXPECT_EQ(Report("--bogus " + Example).ExitCode, 2);
    EXPECT_EQ(Report("--top=3 " + Example).ExitCode, 2) << "--top needs --by";
    for (const char* refused : {"--output=x.png ", "--size=100x100 ", "--oneline --format=csv ",
                                "--oneline --by=month ", "--german --english ", "--since=2001 --until=2000 ",
                                "--chart=rates --output=x.gif ", "--chart=rates --output=x.png --format=text "})
        EXPECT_EQ(Report(std::string(refused) + Example).ExitCode, 2) << refused;
    EXPECT_EQ(Report("- -").Err, "kellvar-report: - (standard input) can be read once\n");
    const TRun help = Report("-h");
    EXPECT_EQ(help.ExitCode, 0);
    for (size_t start = 0, end; (end = help.Out.find('\n', start)) != std::string::npos; start = end + 1)
        EXPECT_LE(end - start, 79u) << "fits a terminal: " << help.Out.substr(start, end - start);
    EXPECT_EQ(Report("-V").Out, "kellvar-report 1.5.5.54\n");
    EXPECT_EQ(Report("-- --bogus").Err, "kellvar-report: --bogus: No such file or directory\n")
        << "after --, every argument is a log";
}

TEST(Report, FifoOrDirectoryIsRefusedWithoutWaiting)
{
    testing::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0644), 0);
    for (const std::string& path : {dir.File("fifo"), dir.Path()}) {
        const TRun run = Report("--english " + path);
        EXPECT_EQ(run.ExitCode, 1) << path << " (124: the run waited for a writer)";
        EXPECT_EQ(run.Err,
                  "kellvar-report: " + path + (path == dir.Path() ? ": Is a directory\n" : ": not a regular file\n"));
    }
}

TEST(Report, OutputThatCannotBeWrittenFails)
{
    testing::TempDir dir;
    for (const std::string options : {"", "--summary ", "--format=json ", "--by=month ", "--help ", "--version "}) {
        const std::string command =
            "LC_ALL=C.UTF-8 timeout 60 " KELLVAR_REPORT " " + options + Example + " >/dev/full 2>" + dir.File("err");
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << options;
        EXPECT_EQ(testing::ReadFile(dir.File("err")), "kellvar-report: standard output: No space left on device\n");
    }
    // Any other reason of the system's too, errno 1 included.
    const std::string command =
        "LC_ALL=C.UTF-8 timeout 60 strace -o /dev/null -e inject=write:error=EPERM:when=1 " KELLVAR_REPORT " --summary "
        + Example + " >" + dir.File("out") + " 2>" + dir.File("err");
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_EQ(testing::ReadFile(dir.File("err")), "kellvar-report: standard output: Operation not permitted\n");
    EXPECT_EQ(testing::ReadFile(dir.File("out")), "");
}

// The lines from..to (counted from 0) of the text.
std::string Lines(const std::string& text, size_t from, size_t to)
{
    size_t begin = 0;
    for (size_t line = 0; line < from; ++line)
        begin = text.find('\n', begin) + 1;
    size_t end = begin;
    for (size_t line = from; line < to; ++line)
        end = text.find('\n', end) + 1;
    return text.substr(begin, end - begin);
}

TEST(Report, SeveralLogsAreOneHistoryWhateverTheirOrder)
{
    testing::TempDir dir;
    const std::string log = testing::ReadFile(Example);
    const std::string whole = Report("--format=csv " + Example).Out;
    ASSERT_EQ(std::count(whole.begin(), whole.end(), '\n'), 20) << "the header and 19 connections";
    // The example's 477 lines cut into three pieces that overlap, and three
    // that do not; cuts fall inside sessions and inside lines of one stamp.
    const std::vector<std::string> overlapping = {
        dir.Write("a", Lines(log, 0, 200)), dir.Write("b", Lines(log, 150, 330)), dir.Write("c", Lines(log, 301, 477))};
    const std::vector<std::string> apart = {dir.Write("p", Lines(log, 0, 161)), dir.Write("q", Lines(log, 161, 353)),
                                            dir.Write("r", Lines(log, 353, 477))};
    for (const auto& pieces : {overlapping, apart})
        for (const auto& order :
             std::vector<std::array<size_t, 3>>{{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}) {
            const TRun run =
                Report("--format=csv " + pieces[order[0]] + " " + pieces[order[1]] + " " + pieces[order[2]]);
            EXPECT_EQ(run.Out, whole) << pieces[order[0]] << " " << pieces[order[1]] << " " << pieces[order[2]];
            EXPECT_EQ(run.Err, "");
        }
    EXPECT_EQ(Report("--format=csv " + Example + " " + Example).Out, whole) << "a log given twice";
    EXPECT_EQ(Report("--format=csv " + overlapping[0] + " " + Example).Out, whole) << "a log and a copy of its start";
    EXPECT_EQ(Report("--format=csv - <" + Example).Out, whole);
    EXPECT_EQ(Report("--format=csv " + overlapping[2] + " - <" + overlapping[0] + " " + overlapping[1]).Out, whole);
    // The German example is the English one's sessions in German: merged,
    // they are the 24 dials of either, each once.
    const TRun languages =
        Report("--english --summary " + Example + " " KELLVAR_SOURCE_DIR "/examples/ModemLog-de.txt");
    EXPECT_NE(languages.Out.find("Tried connects:\t24\nTried dialings:\t24\nActual connects:\t20\n"), std::string::npos)
        << languages.Out;
}

TEST(Report, LogsThatInterleaveAreSaidAndStillOneHistory)
{
    testing::TempDir dir;
    const std::string morning =
        dir.Write("morning", testing::EnglishSession("09:00:00.00", "09:00:25.50", "09:30:25.50", 1'000, 100)
                                 + testing::EnglishSession("11:00:00.00", "11:00:25.50", "11:30:25.50", 3'000, 300));
    const std::string between =
        dir.Write("between", testing::EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 2'000, 200));
    const TRun run = Report("--english --oneline " + between + " " + morning);
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "kellvar-report: " + between + " and " + morning
                           + " overlap in time without one continuing the other; the lines of " + between
                           + " from that time were left out.\n");
    // One line names all the logs it sums.
    EXPECT_EQ(run.Out,
              "2;" + between + "," + morning + ";2;3600.00;4000;400;2000-01-05T11:00:25.50;2000-01-05T11:30:25.50\n");
}

TEST(Report, CopiesOfTheLogsGoWithTheReportHoweverItEnds)
{
    testing::TempDir tmp;
    const std::string env = "TMPDIR=" + tmp.Path() + " timeout 60 " KELLVAR_REPORT " ";
    for (const std::string& run : {"--oneline - <" + Example, "--oneline " + Example + " " + Example,
                                   "--oneline " + Example + " /nonexistent.log 2>/dev/null",
                                   // A closed pipe ends the report with SIGPIPE halfway.
                                   "--format=csv - " + Example + " <" + Example + " | head -c 1"}) {
        EXPECT_NE(std::system((env + run + " >/dev/null").c_str()), -1);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.Path()), {}), 0) << run;
    }
}

TEST(Report, NothingIsWrittenForALogThatCannotBeOpened)
{
    for (const std::string options :
         {"--format=json ", "--format=csv ", "--by=month --format=json ", "--summary --format=json "}) {
        const TRun run = Report(options + "/nonexistent.log");
        EXPECT_EQ(run.ExitCode, 1) << options;
        EXPECT_EQ(run.Out, "") << options;
    }
    // The kernel refuses every read of a process's memory at address 0.
    const TRun failed = Report("--format=json /proc/self/mem");
    EXPECT_EQ(failed.ExitCode, 1);
    EXPECT_EQ(failed.Out, "{\"format_version\":2,\"log\":\"/proc/self/mem\",\"logs\":[\"/proc/self/mem\"],"
                          "\"since\":null,\"until\":null,\"connections\":[],"
                          "\"error\":{\"file\":\"/proc/self/mem\",\"reason\":\"Input/output error\"}}\n")
        << "a document begun is closed with the error";
}

// Standard input and merged logs are read through copies in a private temporary folder.
TEST(Report, InputsThatCannotBeReadOrCopiedFailWithTheReason)
{
    const TRun directory = Report("--format=csv - </");
    EXPECT_EQ(directory.ExitCode, 1);
    EXPECT_EQ(directory.Out, "");
    EXPECT_EQ(directory.Err, "kellvar-report: -: Is a directory\n");
    // The kernel refuses every read of a process's memory at address 0, first or last of the logs.
    for (const std::string& logs : {"/proc/self/mem " + Example, Example + " /proc/self/mem"}) {
        const TRun merged = Report("--format=csv " + logs);
        EXPECT_EQ(merged.ExitCode, 1) << logs;
        EXPECT_EQ(merged.Out, "") << logs;
        EXPECT_EQ(merged.Err, "kellvar-report: /proc/self/mem: Input/output error\n") << logs;
    }
    testing::TempDir dir;
    for (const std::string& logs : {"- <" + Example, Example + " " + Example}) {
        const std::string command = "TMPDIR=/nonexistent LC_ALL=C.UTF-8 timeout 60 " KELLVAR_REPORT " --format=csv "
                                    + logs + " >" + dir.File("out") + " 2>" + dir.File("err");
        const int status = std::system(command.c_str());
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1) << logs;
        EXPECT_EQ(testing::ReadFile(dir.File("out")), "") << logs;
        EXPECT_EQ(testing::ReadFile(dir.File("err")),
                  "kellvar-report: kellvar-report-XXXXXX: No such file or directory\n")
            << logs;
    }
}

TEST(Report, OverrunErrorsAreTheFirstCountAsTheTableShowsIt)
{
    testing::TempDir dir;
    const std::string day = "01-05-2000 10:30:26.00";
    const std::string log = dir.Write("log", testing::EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1, 2)
                                                 + testing::LogLine(day, "Serial Overrun Errors: 5")
                                                 + testing::LogLine(day, "Serial Overrun Errors: 1234567890")
                                                 + testing::LogLine(day, "Serial Overrun Errors: x"));
    const std::string table = Report("--english " + log).Out;
    EXPECT_NE(table.find("\t5\t1234567890\t?\r\n"), std::string::npos) << table;
    const std::string csv = Report("--format=csv " + log).Out;
    EXPECT_EQ(csv.substr(csv.rfind(',')), ",5\n");
    EXPECT_NE(Report("--format=json " + log).Out.find("\"overrun_errors\":5}"), std::string::npos);
}

TEST(Report, SizeOfTheLogsIsTheirsToTheByte)
{
    testing::TempDir dir;
    const std::string copy = dir.Write("copy", testing::ReadFile(Example));
    const auto bytes = [](const TRun& run) { return run.Out.substr(run.Out.find("\"log_file_bytes\":")); };
    const std::string size = std::to_string(std::filesystem::file_size(Example));
    EXPECT_EQ(bytes(Report("--summary --format=json " + Example)).rfind("\"log_file_bytes\":" + size + ",", 0), 0u);
    const std::string twice = std::to_string(2 * std::filesystem::file_size(Example));
    EXPECT_EQ(
        bytes(Report("--summary --format=json " + Example + " " + copy)).rfind("\"log_file_bytes\":" + twice + ",", 0),
        0u)
        << "the inputs' sizes, added up";
    const TRun named = Report("--oneline '" + dir.Write("a;b\nc.log", testing::ReadFile(Example)) + "'");
    EXPECT_EQ(std::count(named.Out.begin(), named.Out.end(), ';'), 7) << named.Out;
    EXPECT_NE(named.Out.find("a_b_c.log;"), std::string::npos);
}

TEST(Report, ScriptOutputsReadThePastTheTablesLimit)
{
    testing::TempDir dir;
    std::string log;
    for (int session = 0; session < 32'770; ++session)
        log += testing::EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1'000, 100);
    const std::string path = dir.Write("log", log);
    const TRun csv = Report("--format=csv " + path);
    EXPECT_EQ(std::count(csv.Out.begin(), csv.Out.end(), '\n'), 32'771) << "the header and every connection";
    EXPECT_EQ(csv.Err, "");
    EXPECT_NE(Report("--by=year --format=csv " + path).Out.find("2000,32770,"), std::string::npos);
}

TEST(Report, DatesAsYearsOrMonthsCoverThemWhole)
{
    const auto connections = [](const std::string& range) {
        const TRun run = Report("--summary --format=csv " + range + " " + Example);
        const std::string values = run.Out.substr(run.Out.find('\n') + 1);
        // connections is the sixth field.
        size_t field = 0;
        for (int i = 0; i < 5; ++i)
            field = values.find(',', field) + 1;
        return values.substr(field, values.find(',', field) - field);
    };
    EXPECT_EQ(connections(""), "19");
    EXPECT_EQ(connections("--since=2000 --until=2000"), "19");
    EXPECT_EQ(connections("--since=2000-01 --until=2000-01"), "19");
    EXPECT_EQ(connections("--since=2000-02"), "0");
    EXPECT_EQ(connections("--until=1999-12"), "0");
    EXPECT_EQ(connections("--since=2000-01-05 --until=2000-01-05"), "6") << "the table shows six on 5.1.2000";
}

// The width and height of a PNG file, from its header.
std::pair<int, int> PngSize(const std::string& png)
{
    const auto number = [&](size_t at) {
        return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16)
               | (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
    };
    return png.size() > 24 && png.compare(1, 3, "PNG") == 0 ? std::pair(number(16), number(20)) : std::pair(0, 0);
}

TEST(Report, ChartsAreDrawnWithoutADisplay)
{
    testing::TempDir dir;
    EXPECT_EQ(Report("--chart=rates --output=" + dir.File("rates.png") + " " + Example).ExitCode, 0);
    EXPECT_EQ(PngSize(testing::ReadFile(dir.File("rates.png"))), std::pair(800, 450)) << "the default size";
    EXPECT_EQ(Report("--chart=dialing --size=320x200 --output=" + dir.File("d.png") + " - <" + Example).ExitCode, 0);
    EXPECT_EQ(PngSize(testing::ReadFile(dir.File("d.png"))), std::pair(320, 200));
    EXPECT_EQ(Report("--german --chart=transport --output=" + dir.File("t.svg") + " " + Example).ExitCode, 0);
    const std::string svg = testing::ReadFile(dir.File("t.svg"));
    EXPECT_NE(svg.find("viewBox=\"0 0 800 450\""), std::string::npos);
    // 800 x 450 pixels as a browser counts them, 96 an inch: 211.667 x 119.063 mm.
    EXPECT_NE(svg.find("<svg width=\"211.667mm\" height=\"119.063mm\""), std::string::npos);
    // Laid out at that size before it was drawn: nothing of a chart of Qt's
    // first size, 640 x 480, is left in it.
    EXPECT_EQ(svg.find("width=\"640\" height=\"480\""), std::string::npos);
    EXPECT_NE(svg.find("<title>Übertragene Datenmenge je Verbindung"), std::string::npos) << "the German chart";
    EXPECT_EQ(Report("--chart=rates --output=" + dir.File("x.gif") + " " + Example).ExitCode, 2);
    EXPECT_EQ(Report("--chart=rates --output=" + dir.File("upper.PNG") + " " + Example).ExitCode, 0);
    EXPECT_EQ(testing::ReadFile(dir.File("upper.PNG")), testing::ReadFile(dir.File("rates.png"))) << "any letter case";
    EXPECT_EQ(Report("--chart=rates --output=- " + Example).Out, testing::ReadFile(dir.File("rates.png")));
    // Every connection of the example is from 2000: from 2001 on the chart is an empty log's.
    Report("--chart=rates --output=" + dir.File("none.png") + " " + dir.Write("empty.log", ""));
    EXPECT_EQ(Report("--chart=rates --since=2001 --output=" + dir.File("later.png") + " " + Example).ExitCode, 0);
    EXPECT_EQ(testing::ReadFile(dir.File("later.png")), testing::ReadFile(dir.File("none.png")));
    const TRun missing = Report("--chart=rates --output=" + dir.File("x.png") + " /nonexistent.log");
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_EQ(missing.Err, "kellvar-report: /nonexistent.log: No such file or directory\n");
}

TEST(Report, ChartOnAFullDiskLeavesThePreviousPicture)
{
    testing::TempDir dir;
    for (const char* name : {"rates.png", "rates.svg"}) {
        const std::string picture = dir.Write(name, "the previous picture");
        // A file size limit fails the writes as a disk that fills up does.
        const std::string command = "trap '' XFSZ; ulimit -f 4; LC_ALL=C.UTF-8 timeout 60 " KELLVAR_REPORT
                                    " --chart=rates --output="
                                    + picture + " " + Example + " 2>" + dir.File("err");
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << name;
        EXPECT_EQ(testing::ReadFile(picture), "the previous picture");
        EXPECT_EQ(testing::ReadFile(dir.File("err")),
                  "kellvar-report: " + picture + ": cannot be written: File too large\n");
        std::filesystem::remove(dir.File("err"));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "no temporary file is left";
        std::filesystem::remove(picture);
    }
}

// The chart is drawn by the helper beside a copy of kellvar-report only where
// nobody else could have put it there; a helper that fails, is killed or
// draws nothing fails the run with one line.
TEST(Report, ChartHelperRunsOnlyWhereNobodyElseCouldPutIt)
{
    testing::TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0700), 0);
    const std::string copy = dir.File("kellvar-report");
    std::filesystem::copy_file(KELLVAR_REPORT, copy);
    const std::string helper = dir.File("kellvar-chart");
    const std::string picture = dir.File("c.png");
    const auto drawWith = [&](const std::string& script, const std::string& said, const std::string& folder) {
        dir.Write("kellvar-chart", "#!/bin/sh\n" + script + "\n");
        ::chmod(helper.c_str(), 0755);
        const std::string command = "LC_ALL=C.UTF-8 timeout 60 " + folder + "/kellvar-report --chart=rates --output="
                                    + picture + " " + Example + " 2>" + dir.File("err");
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << script;
        EXPECT_EQ(testing::ReadFile(dir.File("err")), "kellvar-report: " + said + "\n") << script;
    };
    drawWith("kill -KILL $$", helper + ": killed by signal 9, no chart written", dir.Path());
    drawWith("exit 3", helper + ": ended without a chart (status 3)", dir.Path());
    drawWith("echo 'kellvar-report: its own words' >&2; exit 1", "its own words", dir.Path());
    drawWith("exit 0", picture + ": no chart was written", dir.Path());
    // A folder anybody may write: whatever stands there is not run.
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
    const std::string ran = dir.File("ran");
    drawWith("touch " + ran, helper + ": not run: another user could have changed the program or a folder above it",
             dir.Path());
    EXPECT_FALSE(std::filesystem::exists(ran));
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0700), 0);
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may plant a file as another user";
    // A copy in a folder of one's own inside a shared one: another user's
    // program where the installed layout has it, up there, is not run.
    ASSERT_EQ(::chmod(dir.Path().c_str(), 01777), 0);
    std::filesystem::create_directories(dir.File("libexec/kellvar"));
    ASSERT_EQ(::mkdir(dir.File("own").c_str(), 0700), 0);
    std::filesystem::rename(copy, dir.File("own/kellvar-report"));
    std::filesystem::rename(helper, dir.File("libexec/kellvar/kellvar-chart"));
    for (const char* planted : {"libexec", "libexec/kellvar", "libexec/kellvar/kellvar-chart"})
        ASSERT_EQ(::chown(dir.File(planted).c_str(), 65534, 65534), 0);
    const std::string command = "LC_ALL=C.UTF-8 timeout 60 " + dir.File("own/kellvar-report")
                                + " --chart=rates --output=" + picture + " " + Example + " 2>" + dir.File("err");
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_NE(testing::ReadFile(dir.File("err")).find(": not run: another user"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(ran));
}

TEST(Report, UsageErrorsSpeakTheUsersLanguage)
{
    testing::TempDir dir;
    const std::string command = "LC_ALL=de_DE.UTF-8 timeout 60 " KELLVAR_REPORT " --bogus x 2>" + dir.File("err");
    EXPECT_NE(std::system(command.c_str()), 0);
    EXPECT_EQ(testing::ReadFile(dir.File("err")), "kellvar-report: unbekannte Option --bogus\n");
}

TEST(Report, RunStoppedAtTheRowLimitSaysSo)
{
    testing::TempDir dir;
    std::string log;
    for (int session = 0; session < 32'767; ++session)
        log += testing::EnglishSession("10:00:00.00", "10:00:25.50", "10:30:25.50", 1'000, 100);
    const TRun run = Report("--english " + dir.Write("log", log));
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 32'767) << "the caption line and 32,766 rows";
    const std::string note =
        "kellvar-report: The table ends after 32766 connections; the rest of the file was not analysed.\n";
    EXPECT_EQ(run.Err, note);
    // Where both streams meet, as on a terminal, the note follows the table's last row.
    const std::string both = dir.File("both");
    ASSERT_EQ(std::system(
                  ("LC_ALL=C.UTF-8 timeout 60 " KELLVAR_REPORT " --english " + dir.File("log") + " >" + both + " 2>&1")
                      .c_str()),
              0);
    EXPECT_EQ(testing::ReadFile(both), run.Out + note);
    EXPECT_EQ(Report("--german --summary " + dir.File("log")).Err,
              "kellvar-report: Die Tabelle endet nach 32766 Verbindungen; der Rest der Datei wurde nicht "
              "ausgewertet.\n");
    log.resize(log.size() / 32'767 * 32'766);
    EXPECT_EQ(Report("--english " + dir.Write("log", log)).Err, "") << "a log that fits is not cut";
}

}  // namespace
}  // namespace kellvar
