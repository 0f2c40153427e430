// SPDX-License-Identifier: GPL-3.0-or-later
#include "loggenerator.h"

#include <chrono>
#include <cstdio>
#include <random>

namespace kellvar {

namespace {

struct TWording {
    const char* Dialing;
    const char* DialCommand;
    const char* Received;
    const char* InterpretedConnect;
    const char* Established;
    const char* Busy;
    const char* HangingUp;
    const char* HardwareHangUp;
    const char* InterpretedNoCarrier;
    const char* HangUpCommand;
    const char* Statistics;
    const char* Reads;
    const char* Writes;
    const char* Bytes;
    const char* Progress;
};

constexpr TWording English = {"Dialing.",
                              "Send: ATDT##########<cr>",
                              "Recv: ",
                              "Interpreted response: Connect",
                              "Connection established at ",
                              "Interpreted response: Busy",
                              "Hanging up the modem.",
                              "Hardware hangup by lowering DTR.",
                              "Interpreted response: No Carrier",
                              "Send: ATH<cr>",
                              "Session Statistics:",
                              "   Reads : ",
                              "   Writes: ",
                              " bytes",
                              "Read: Total: %d, Per/Sec: %d, Written: Total: %d, Per/Sec: %d"};

constexpr TWording German = {"W\xE4hlen.",
                             "Sende: ATDT##########<cr>",
                             "Empfangen: ",
                             "Interpretierte Antwort: Connect",
                             "Verbindung hergestellt mit ",
                             "Interpretierte Antwort: Busy",
                             "Modem aufh\xE4ngen.",
                             "Modem hat nach DTR-Signal aufgeh\xE4ngt.",
                             "Interpretierte Antwort: No Carrier",
                             "Sende: ATH<cr>",
                             "Sitzungsstatistik :",
                             "       Gelesen: ",
                             "       Geschrieben: ",
                             " Bytes",
                             "Gelesen: Gesamt: %d, Pro Sek.: %d, Geschrieben: Gesamt: %d, Pro Sek.: %d"};

class TLogWriter {
public:
    explicit TLogWriter(std::string& log) : log_(log) {}

    // Moves the clock on by hundredths of a second.
    void Advance(int64_t hundredths) { clock_ += hundredths; }

    void Line(const std::string& message)
    {
        using namespace std::chrono;
        const sys_days day = sys_days(year{2000} / January / 3) + days(clock_ / 8'640'000);
        const year_month_day date(day);
        const int64_t time = clock_ % 8'640'000;
        char stamp[64];
        std::snprintf(stamp, sizeof stamp, "%02u-%02u-%04d %02lld:%02lld:%02lld.%02lld%d - ",
                      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                      static_cast<int>(date.year()), static_cast<long long>(time / 360'000),
                      static_cast<long long>(time / 6'000 % 60), static_cast<long long>(time / 100 % 60),
                      static_cast<long long>(time % 100), static_cast<int>(clock_ % 7));
        log_ += stamp;
        log_ += message;
        log_ += "\r\n";
    }

private:
    std::string& log_;
    int64_t clock_ = 8 * 360'000;
};

std::string Formatted(const char* format, int a, int b, int c, int d)
{
    char text[160];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

void Initialisation(TLogWriter& log)
{
    for (const char* message :
         {"Initializing modem.", "Send: AT<cr>", "Recv: <cr><lf>OK<cr><lf>", "Interpreted response: OK",
          "Send: AT&FE0V1&C1&D2 S0=0 W2<cr>", "Recv: <cr><lf>OK<cr><lf>", "Interpreted response: OK"}) {
        log.Line(message);
        log.Advance(2);
    }
}

}  // namespace

std::string GenerateModemLog(const TLogGeneratorOptions& options)
{
    const TWording& w = options.German ? German : English;
    std::mt19937 random(options.Seed);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };

    std::string text;
    text.reserve(static_cast<size_t>(options.Sessions) * 1'100);
    TLogWriter log(text);
    log.Line("Modem type: Standard 56000 bps Modem");
    for (int session = 0; session < options.Sessions; ++session) {
        log.Advance(between(60'000, 2'000'000));
        Initialisation(log);
        log.Line(w.Dialing);
        log.Advance(1);
        log.Line(w.DialCommand);
        const int outcome = between(0, 19);
        if (outcome == 0) {  // the driver never closed this session
            log.Advance(between(500, 3'000));
            log.Line(std::string(w.Received) + "<cr><lf>CONNECT 26400<cr><lf>");
            for (int minute = 2; minute <= 6; minute += 2) {
                log.Advance(12'000);
                log.Line(Formatted(w.Progress, 300 * 60 * minute, 300, 20 * 60 * minute, 20));
            }
            continue;
        }
        if (outcome <= 2) {  // busy line
            log.Advance(between(300, 900));
            log.Line(std::string(w.Received) + "<cr><lf>BUSY<cr><lf>");
            log.Line(w.Busy);
            log.Line(w.HangingUp);
            log.Line(w.Statistics);
            log.Line(std::string(w.Reads) + "0" + w.Bytes);
            log.Line(std::string(w.Writes) + "0" + w.Bytes);
            continue;
        }
        const int speed = 26'400 + 2'400 * between(0, 10);
        log.Advance(between(1'800, 3'600));
        log.Line(std::string(w.Received) + "<cr><lf>CONNECT " + std::to_string(speed) + "<cr><lf>");
        log.Line(w.InterpretedConnect);
        log.Advance(1);
        log.Line(std::string(w.Established) + std::to_string(speed) + "bps.");
        log.Line("Error-control on.");
        const int minutes = between(1, 90);
        const int seconds = minutes * 60;
        const int readPerSecond = between(200, 5'000);
        const int writtenPerSecond = between(10, 400);
        log.Advance(int64_t{seconds} * 100);
        log.Line(w.HangingUp);
        log.Line(w.HardwareHangUp);
        log.Line(std::string(w.Received) + "<cr><lf>NO CARRIER<cr><lf>");
        log.Line(w.InterpretedNoCarrier);
        log.Line(w.HangUpCommand);
        log.Advance(20);
        log.Line(w.Statistics);
        log.Line(std::string(w.Reads) + std::to_string(readPerSecond * seconds + between(0, 999)) + w.Bytes);
        log.Line(std::string(w.Writes) + std::to_string(writtenPerSecond * seconds + between(0, 99)) + w.Bytes);
        if (between(0, 7) == 0)
            log.Line("Serial Overrun Errors: " + std::to_string(between(1, 9)));
    }
    return text;
}

}  // namespace kellvar
