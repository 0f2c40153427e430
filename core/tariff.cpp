// SPDX-License-Identifier: GPL-3.0-or-later
#include "tariff.h"

#include "numberpattern.h"

#include "calendar.h"

#include "platform/filehandle.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <limits>

namespace kellvar {

namespace {

constexpr int64_t MicroPerUnit = 1'000'000;
// The largest amount a file may name, in millionths: a million of the
// currency. With units at most a year long, no connection's cost comes near
// the limits of a 64-bit sum.
constexpr TMicroAmount MaxAmount = 1'000'000 * MicroPerUnit;
constexpr int64_t LongestUnitSeconds = 366 * 86'400;
constexpr int32_t MaxDecimals = 6;
constexpr int32_t MinutesPerDay = 24 * 60;
constexpr int64_t HundredthsPerMinute = 6'000;
// Nobody writes a tariff file this long; a larger file is no tariff.
constexpr size_t MaxTariffBytes = 1 << 20;

constexpr std::array<std::string_view, 7> WeekdayNames = {"monday", "tuesday",  "wednesday", "thursday",
                                                          "friday", "saturday", "sunday"};

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    size_t at = 0;
    while (true) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string_view::npos)
            return words;
        const size_t end = std::min(line.find_first_of(" \t", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
}

bool ReadWhole(std::string_view text, int64_t& value)
{
    if (text.empty() || text.front() == '-' || text.front() == '+')
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// "0.039" in millionths: at most six decimals, never negative, at most
// MaxAmount. What is wrong with the text otherwise.
std::optional<std::string> ReadAmount(std::string_view text, TMicroAmount& amount)
{
    const std::string quoted = "\"" + std::string(text) + "\"";
    if (!text.empty() && text.front() == '-')
        return quoted + " is negative: an amount is 0 or more";
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    int64_t units = 0;
    const bool digitsOnly = std::all_of(fraction.begin(), fraction.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!ReadWhole(whole, units) || !digitsOnly || (point != std::string_view::npos && fraction.empty()))
        return quoted + " is no amount: write it as 0.05";
    if (fraction.size() > MaxDecimals)
        return quoted + " has more than " + std::to_string(MaxDecimals) + " decimals";
    if (units > MaxAmount / MicroPerUnit
        || (units == MaxAmount / MicroPerUnit && fraction.find_first_not_of('0') != std::string_view::npos))
        return quoted + " is too large: an amount is at most " + std::to_string(MaxAmount / MicroPerUnit);
    int64_t micro = 0;
    for (size_t i = 0; i < MaxDecimals; ++i)
        micro = micro * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    amount = units * MicroPerUnit + micro;
    return std::nullopt;
}

// Seconds of a unit, a first block or an "after": a whole number in the range.
std::optional<std::string> ReadSeconds(std::string_view text, int64_t least, int64_t most, int64_t& seconds)
{
    if (ReadWhole(text, seconds) && seconds >= least && seconds <= most)
        return std::nullopt;
    return "\"" + std::string(text) + "\" is no length: give whole seconds from " + std::to_string(least) + " to "
           + std::to_string(most);
}

// Where the text stops being UTF-8: the offset of the first byte that is
// not, or none.
std::optional<size_t> FirstNonUtf8Byte(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const size_t length = byte < 0x80         ? 1
                              : (byte >> 5) == 6  ? 2
                              : (byte >> 4) == 14 ? 3
                              : (byte >> 3) == 30 ? 4
                                                  : 0;
        if (length == 0 || (length == 2 && byte < 0xC2) || i + length > text.size())
            return i;
        for (size_t j = 1; j < length; ++j)
            if ((static_cast<unsigned char>(text[i + j]) >> 6) != 2)
                return i;
        i += length;
    }
    return std::nullopt;
}

std::optional<int32_t> WeekdayOf(std::string_view name)
{
    const auto found = std::find(WeekdayNames.begin(), WeekdayNames.end(), name);
    if (found == WeekdayNames.end())
        return std::nullopt;
    return static_cast<int32_t>(found - WeekdayNames.begin());
}

// "HH:MM", 00:00 up to 24:00.
std::optional<int32_t> ReadClock(std::string_view text)
{
    int64_t hours = 0;
    int64_t minutes = 0;
    if (text.size() != 5 || text[2] != ':' || !ReadWhole(text.substr(0, 2), hours)
        || !ReadWhole(text.substr(3, 2), minutes) || minutes > 59 || hours * 60 + minutes > MinutesPerDay)
        return std::nullopt;
    return static_cast<int32_t>(hours * 60 + minutes);
}

std::optional<std::pair<int32_t, int32_t>> ReadMonthDay(std::string_view text)
{
    int64_t month = 0;
    int64_t day = 0;
    if (text.size() != 5 || text[2] != '-' || !ReadWhole(text.substr(0, 2), month)
        || !ReadWhole(text.substr(3, 2), day))
        return std::nullopt;
    // 29 February is a date of leap years only, and may be named.
    if (!IsCalendarDate({2000, static_cast<int32_t>(month), static_cast<int32_t>(day)}))
        return std::nullopt;
    return std::pair{static_cast<int32_t>(month), static_cast<int32_t>(day)};
}

class TTariffParser {
public:
    explicit TTariffParser(const std::string& fileName) : fileName_(fileName) {}

    std::variant<TTariff, TTariffError> Parse(std::string_view text)
    {
        // Saved by a Windows editor, a file may begin with a byte-order mark.
        if (text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        if (const auto bad = FirstNonUtf8Byte(text)) {
            const std::string_view before = text.substr(0, *bad);
            const auto lineStart = before.rfind('\n');
            std::array<char, 8> hex{};
            std::snprintf(hex.data(), hex.size(), "0x%02X", static_cast<unsigned char>(text[*bad]));
            Fail("byte " + std::string(hex.data()) + " at column "
                     + std::to_string(*bad - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1)
                     + " is not UTF-8: save the file as UTF-8",
                 static_cast<int32_t>(std::count(before.begin(), before.end(), '\n') + 1));
            return *error_;
        }
        size_t start = 0;
        while (start <= text.size() && !error_) {
            const size_t end = std::min(text.find('\n', start), text.size());
            ++line_;
            std::string_view content = text.substr(start, end - start);
            content = content.substr(0, content.find('#'));
            if (!content.empty() && content.back() == '\r')
                content.remove_suffix(1);
            if (const std::vector<std::string_view> words = Words(content); !words.empty())
                Declaration(words);
            start = end + 1;
        }
        if (!error_ && currency_.empty())
            Fail("no currency: name it, as in \"currency EUR 2\"", 0);
        if (!error_ && periods_.empty())
            Fail("no unit price: give one, as in \"unit 60 0.05\"", 0);
        for (const TTariffPeriod& period : periods_)
            if (!error_ && period.Rules.empty())
                Fail("no unit price: give one, as in \"unit 60 0.05\"", period.Line);
        if (error_)
            return *error_;
        return TTariff(name_.empty() ? fileName_ : name_, currency_, decimals_, numbers_, holidays_, periods_);
    }

private:
    void Declaration(const std::vector<std::string_view>& words)
    {
        const std::string_view keyword = words[0];
        const std::vector<std::string_view> rest(words.begin() + 1, words.end());
        // What is said once says it: a second one would silently win.
        const bool ofTheFile = keyword == "name" || keyword == "currency";
        const bool ofThePeriod = keyword == "fee" || keyword == "minimum" || keyword == "first";
        if (ofTheFile || ofThePeriod) {
            std::vector<std::string>& said = ofTheFile ? saidInFile_ : saidInPeriod_;
            if (std::find(said.begin(), said.end(), keyword) != said.end())
                return Fail("a second \"" + std::string(keyword) + "\"" + (ofThePeriod ? " in one period" : "")
                            + ": say it once");
            said.emplace_back(keyword);
        }
        if (keyword == "name")
            Name(rest);
        else if (keyword == "currency")
            Currency(rest);
        else if (keyword == "numbers")
            Numbers(rest);
        else if (keyword == "holidays")
            Holidays(rest);
        else if (keyword == "valid")
            Valid(rest);
        else if (keyword == "fee" || keyword == "minimum")
            Amount(keyword, rest);
        else if (keyword == "first")
            First(rest);
        else if (keyword == "unit")
            Unit(rest);
        else
            Fail("unknown declaration \"" + std::string(keyword) + "\"");
    }

    void Name(const std::vector<std::string_view>& words)
    {
        if (words.empty())
            return Fail("name without a name");
        name_.clear();
        for (std::string_view word : words)
            name_ += (name_.empty() ? "" : " ") + std::string(word);
    }

    void Numbers(const std::vector<std::string_view>& words)
    {
        for (std::string_view pattern : words)
            if (!IsNumberPattern(pattern))
                return Fail("\"" + std::string(pattern)
                            + "\" is no number pattern: use digits, * for any digits and ? for one");
        numbers_.insert(numbers_.end(), words.begin(), words.end());
    }

    void Currency(const std::vector<std::string_view>& words)
    {
        int64_t decimals = 0;
        // The code stands unquoted in CSV and in the table: letters, digits and $.
        const auto isCodeSign = [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '$';
        };
        if (words.size() != 2 || words[0].size() > 8 || !std::all_of(words[0].begin(), words[0].end(), isCodeSign)
            || !ReadWhole(words[1], decimals) || decimals > MaxDecimals)
            return Fail("currency wants a code and its number of decimals (0 to 6), as in \"currency DM 2\"");
        currency_ = words[0];
        decimals_ = static_cast<int32_t>(decimals);
    }

    void Holidays(const std::vector<std::string_view>& words)
    {
        for (std::string_view word : words)
            if (!Day(word, holidays_, false))
                return;
    }

    // "valid from 1999-01-01": the declarations that follow price the
    // connections from that date on.
    void Valid(const std::vector<std::string_view>& words)
    {
        int64_t year = 0;
        int64_t month = 0;
        int64_t day = 0;
        const std::string_view date = words.size() == 2 ? words[1] : "";
        if (words.size() != 2 || words[0] != "from" || date.size() != 10 || date[4] != '-' || date[7] != '-'
            || !ReadWhole(date.substr(0, 4), year) || !ReadWhole(date.substr(5, 2), month)
            || !ReadWhole(date.substr(8, 2), day)
            || !IsCalendarDate({static_cast<int32_t>(year), static_cast<int32_t>(month), static_cast<int32_t>(day)}))
            return Fail("valid wants a date, as in \"valid from 1999-01-01\"");
        const int64_t from =
            DayNumber(static_cast<int32_t>(year), static_cast<int32_t>(month), static_cast<int32_t>(day));
        if (!periods_.empty() && periods_.back().FromDay && *periods_.back().FromDay >= from)
            return Fail("periods must follow each other in time");
        saidInPeriod_.clear();
        TTariffPeriod period;
        period.FromDay = from;
        period.Line = line_;
        periods_.push_back(std::move(period));
    }

    TTariffPeriod& Period()
    {
        if (periods_.empty()) {
            periods_.emplace_back();
            periods_.back().Line = line_;
        }
        return periods_.back();
    }

    void Amount(std::string_view keyword, const std::vector<std::string_view>& words)
    {
        TMicroAmount amount = 0;
        if (words.size() != 1)
            return Fail(std::string(keyword) + " wants one amount, as in \"" + std::string(keyword) + " 0.10\"");
        if (const auto wrong = ReadAmount(words[0], amount))
            return Fail(std::string(keyword) + ": " + *wrong);
        TTariffPeriod& period = Period();
        (keyword == "fee" ? period.Fee : period.Minimum) = amount;
        (keyword == "fee" ? period.FeeLine : period.MinimumLine) = line_;
    }

    void First(const std::vector<std::string_view>& words)
    {
        int64_t seconds = 0;
        TMicroAmount price = 0;
        if (words.size() != 2)
            return Fail("first wants seconds and their price, as in \"first 60 0.12\"");
        if (const auto wrong = ReadSeconds(words[0], 1, LongestUnitSeconds, seconds))
            return Fail("first: " + *wrong);
        if (const auto wrong = ReadAmount(words[1], price))
            return Fail("first: " + *wrong);
        Period().FirstSeconds = seconds;
        Period().FirstPrice = price;
        Period().FirstLine = line_;
    }

    // "unit SECONDS PRICE [on DAYS] [at HH:MM..HH:MM] [after SECONDS]"
    void Unit(const std::vector<std::string_view>& words)
    {
        TTariffRule rule;
        rule.Line = line_;
        if (words.size() < 2)
            return Fail("unit wants its length in seconds and its price, as in \"unit 60 0.05\"");
        if (const auto wrong = ReadSeconds(words[0], 1, LongestUnitSeconds, rule.UnitSeconds))
            return Fail("unit: " + *wrong);
        if (const auto wrong = ReadAmount(words[1], rule.UnitPrice))
            return Fail("unit: " + *wrong);
        for (size_t i = 2; i < words.size(); i += 2) {
            if (i + 1 >= words.size())
                return Fail("\"" + std::string(words[i]) + "\" wants a value");
            const std::string_view value = words[i + 1];
            if (words[i] == "on") {
                rule.Days.emplace();
                size_t at = 0;
                while (at <= value.size()) {
                    const size_t comma = std::min(value.find(',', at), value.size());
                    if (!Day(value.substr(at, comma - at), *rule.Days, true))
                        return;
                    at = comma + 1;
                }
            } else if (words[i] == "at") {
                const size_t dots = value.find("..");
                const auto from = ReadClock(value.substr(0, dots));
                const auto to = dots == std::string_view::npos ? std::nullopt : ReadClock(value.substr(dots + 2));
                if (!from || !to)
                    return Fail("unknown time band \"" + std::string(value) + "\": write it as 21:00..05:00");
                rule.Band = std::pair{*from % MinutesPerDay, *to % MinutesPerDay};
            } else if (words[i] == "after") {
                if (!ReadWhole(value, rule.AfterSeconds) || rule.AfterSeconds > LongestUnitSeconds)
                    return Fail("after wants the seconds online, as in \"after 600\"");
            } else {
                return Fail("unknown condition \"" + std::string(words[i]) + "\": use on, at or after");
            }
        }
        TTariffPeriod& period = Period();
        if (period.Rules.empty() && (rule.Days || rule.Band || rule.AfterSeconds > 0))
            return Fail("the first unit of a period must hold at all times: give it no on, at or after");
        period.Rules.push_back(rule);
    }

    // One day item: a weekday, a range of weekdays, "holiday", a date MM-DD or
    // "easter", "easter+N", "easter-N".
    bool Day(std::string_view item, TTariffDays& days, bool holidayAllowed)
    {
        if (const size_t dots = item.find(".."); dots != std::string_view::npos) {
            const auto first = WeekdayOf(item.substr(0, dots));
            const auto last = WeekdayOf(item.substr(dots + 2));
            if (!first || !last)
                return Fail("unknown weekday range \"" + std::string(item) + "\""), false;
            for (int32_t day = *first;; day = (day + 1) % 7) {
                days.Weekdays |= static_cast<uint8_t>(1 << day);
                if (day == *last)
                    break;
            }
        } else if (const auto weekday = WeekdayOf(item)) {
            days.Weekdays |= static_cast<uint8_t>(1 << *weekday);
        } else if (item == "holiday" && holidayAllowed) {
            days.Holidays = true;
        } else if (item.substr(0, 6) == "easter") {
            int64_t offset = 0;
            const std::string_view sign = item.substr(6, 1);
            if (item.size() > 6 && ((sign != "+" && sign != "-") || !ReadWhole(item.substr(7), offset) || offset > 366))
                return Fail("unknown day \"" + std::string(item) + "\": write easter+1 or easter-2"), false;
            days.EasterOffsets.push_back(static_cast<int32_t>(sign == "-" ? -offset : offset));
        } else if (const auto date = ReadMonthDay(item)) {
            days.Dates.push_back(*date);
        } else {
            const bool looksLikeADay = item.empty() || (item[0] >= 'a' && item[0] <= 'z');
            return Fail(std::string(looksLikeADay ? "unknown weekday \"" : "unknown date \"") + std::string(item)
                        + "\""),
                   false;
        }
        return true;
    }

    void Fail(const std::string& message) { Fail(message, line_); }
    void Fail(const std::string& message, int32_t line)
    {
        if (!error_)
            error_ = TTariffError{fileName_ + (line > 0 ? ":" + std::to_string(line) : "") + ": " + message};
    }

    const std::string& fileName_;
    int32_t line_ = 0;
    std::optional<TTariffError> error_;
    std::string name_;
    std::string currency_;
    int32_t decimals_ = 2;
    std::vector<std::string> numbers_;
    TTariffDays holidays_;
    std::vector<TTariffPeriod> periods_;
    // The declarations made once a file or once a period, so far.
    std::vector<std::string> saidInFile_;
    std::vector<std::string> saidInPeriod_;
};

}  // namespace

TTariff::TTariff(std::string name, std::string currency, int32_t decimals, std::vector<std::string> numbers,
                 TTariffDays holidays, std::vector<TTariffPeriod> periods)
    : name_(std::move(name)), currency_(std::move(currency)), decimals_(decimals), numbers_(std::move(numbers)),
      holidays_(std::move(holidays)), periods_(std::move(periods))
{
    // The rules can only change at the minute a band begins or ends, at
    // midnight and when a connection has been online for a rule's "after":
    // the units between two such moments are counted at once.
    for (TTariffPeriod& period : periods_) {
        period.Edges = {0, 24 * 60};
        for (const TTariffRule& rule : period.Rules) {
            if (rule.Band) {
                period.Edges.push_back(rule.Band->first);
                period.Edges.push_back(rule.Band->second);
            }
            if (rule.AfterSeconds > 0)
                period.Afters.push_back(rule.AfterSeconds * 100);
        }
        std::sort(period.Edges.begin(), period.Edges.end());
    }
}

bool TTariff::CoversNumber(std::string_view dialled) const
{
    return std::any_of(numbers_.begin(), numbers_.end(),
                       [dialled](const std::string& pattern) { return NumberMatches(pattern, dialled); });
}

bool TTariff::HoldsOn(const TTariffDays& days, int64_t dayNumber) const
{
    if ((days.Weekdays >> Weekday(dayNumber)) & 1)
        return true;
    const TDateParts date = DateOfDayNumber(dayNumber);
    for (const auto& [month, day] : days.Dates)
        if (date.Month == month && date.Day == day)
            return true;
    if (!days.EasterOffsets.empty()) {
        const int64_t easter = EasterSunday(date.Year);
        for (const int32_t offset : days.EasterOffsets)
            if (dayNumber == easter + offset)
                return true;
    }
    return days.Holidays && HoldsOn(holidays_, dayNumber);
}

bool TTariff::Holds(const TTariffRule& rule, int64_t dayNumber, int32_t minute, int64_t elapsedSeconds) const
{
    if (elapsedSeconds < rule.AfterSeconds)
        return false;
    if (rule.Band) {
        const auto [from, to] = *rule.Band;
        const bool inBand = from < to ? minute >= from && minute < to : from == to || minute >= from || minute < to;
        if (!inBand)
            return false;
    }
    return !rule.Days || HoldsOn(*rule.Days, dayNumber);
}

int64_t TimeOnline(const TConnectionRecord& record)
{
    if (record.HangUpDate == 0 || !IsCalendarDate(record.HangUpDateParts) || record.HangUpTime < 0
        || record.HangUpTime >= HundredthsPerDay)
        return std::max<int64_t>(0, record.ConnectionDuration);
    const TDateParts& connect = record.ConnectDateParts;
    const TDateParts& hangUp = record.HangUpDateParts;
    const int64_t days =
        DayNumber(hangUp.Year, hangUp.Month, hangUp.Day) - DayNumber(connect.Year, connect.Month, connect.Day);
    return std::max<int64_t>(0, days * HundredthsPerDay + record.HangUpTime - record.ConnectTime);
}

std::optional<int64_t> TTariff::Cost(const TConnectionRecord& record) const
{
    return Price(record, nullptr);
}

std::optional<TPricing> TTariff::Explain(const TConnectionRecord& record) const
{
    TPricing pricing;
    const std::optional<int64_t> cost = Price(record, &pricing);
    if (!cost)
        return std::nullopt;
    pricing.Cost = *cost;
    return pricing;
}

std::optional<int64_t> TTariff::Price(const TConnectionRecord& record, TPricing* steps) const
{
    if (record.ConnectDate == 0 || !IsCalendarDate(record.ConnectDateParts) || record.ConnectTime < 0
        || record.ConnectTime >= HundredthsPerDay)
        return std::nullopt;
    const TDateParts& date = record.ConnectDateParts;
    const int64_t connectDay = DayNumber(date.Year, date.Month, date.Day);
    const auto inForce = std::find_if(periods_.rbegin(), periods_.rend(), [connectDay](const TTariffPeriod& p) {
        return !p.FromDay || *p.FromDay <= connectDay;
    });
    if (inForce == periods_.rend())
        return std::nullopt;
    const TTariffPeriod& period = *inForce;

    const std::vector<int32_t>& edges = period.Edges;
    const int64_t duration = TimeOnline(record);
    // Amounts are at most a million and units at least a second, so the
    // sum stays far inside 128 bits whatever the time online.
    __int128 cost = period.Fee + period.FirstPrice;
    int64_t elapsed = period.FirstSeconds * 100;  // hundredths since connect
    if (steps != nullptr) {
        steps->Period = &period;
        steps->TimeOnline = duration;
        if (period.FeeLine > 0)
            steps->Steps.push_back({TPricingStep::Fee, period.FeeLine, 0, 0, 0, 1, 0, period.Fee, period.Fee});
        if (period.FirstLine > 0)
            steps->Steps.push_back({TPricingStep::First, period.FirstLine, connectDay, record.ConnectTime, 0, 1,
                                    period.FirstSeconds, period.FirstPrice, period.FirstPrice});
    }
    while (elapsed < duration) {
        const int64_t clock = record.ConnectTime + elapsed;
        const int64_t day = connectDay + clock / HundredthsPerDay;
        const int64_t timeOfDay = clock % HundredthsPerDay;
        const int32_t minute = static_cast<int32_t>(timeOfDay / HundredthsPerMinute);
        const TTariffRule* rule = &period.Rules.front();
        for (const TTariffRule& candidate : period.Rules)
            if (Holds(candidate, day, minute, elapsed / 100))
                rule = &candidate;
        const int32_t nextEdge = *std::upper_bound(edges.begin(), edges.end(), minute);
        int64_t change = elapsed + (nextEdge * HundredthsPerMinute - timeOfDay);
        for (const int64_t after : period.Afters)
            if (after > elapsed)
                change = std::min(change, after);
        const int64_t unit = rule->UnitSeconds * 100;
        const int64_t units = (std::min(change, duration) - elapsed + unit - 1) / unit;
        cost += static_cast<__int128>(units) * rule->UnitPrice;
        if (steps != nullptr)
            steps->Steps.push_back({TPricingStep::Units, rule->Line, day, timeOfDay, elapsed, units, rule->UnitSeconds,
                                    rule->UnitPrice, units * rule->UnitPrice});
        elapsed += units * unit;
    }
    if (steps != nullptr && period.MinimumLine > 0)
        steps->Steps.push_back({TPricingStep::Minimum, period.MinimumLine, 0, 0, 0, 1, 0, period.Minimum,
                                static_cast<TMicroAmount>(std::max<__int128>(0, period.Minimum - cost))});
    cost = std::max<__int128>(cost, period.Minimum);
    if (steps != nullptr)
        steps->Sum = static_cast<TMicroAmount>(std::min<__int128>(cost, std::numeric_limits<int64_t>::max()));
    // Half up to the smallest unit of the currency.
    int64_t perSmallest = MicroPerUnit;
    for (int32_t i = 0; i < decimals_; ++i)
        perSmallest /= 10;
    const __int128 rounded = (cost + perSmallest / 2) / perSmallest;
    // A cost that no sum could hold is none a bill could show either.
    if (rounded > MaxConnectionCost)
        return std::nullopt;
    return static_cast<int64_t>(rounded);
}

std::string TTariff::AmountText(int64_t amount) const
{
    const bool negative = amount < 0;
    std::string digits = std::to_string(negative ? -amount : amount);
    if (decimals_ > 0) {
        if (digits.size() <= static_cast<size_t>(decimals_))
            digits.insert(0, static_cast<size_t>(decimals_) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<size_t>(decimals_), 1, '.');
    }
    return (negative ? "-" : "") + digits;
}

std::variant<TTariff, TTariffError> ParseTariff(std::string_view text, const std::string& fileName)
{
    return TTariffParser(fileName).Parse(text);
}

std::variant<TTariff, TTariffError> ReadTariffFile(const std::string& path)
{
    const platform::TFileHandle file = platform::OpenForSharedReading(path);
    if (!file.IsOpen())
        return TTariffError{path + ": " + platform::ErrorText(errno)};
    const int64_t size = platform::FileSize(file.Fd());
    if (size < 0 || static_cast<uint64_t>(size) > MaxTariffBytes)
        return TTariffError{path + ": " + platform::ErrorText(size < 0 ? errno : EFBIG)};
    std::string text(static_cast<size_t>(size), '\0');
    if (!platform::ReadAllAt(file.Fd(), text.data(), text.size(), 0))
        return TTariffError{path + ": " + platform::ErrorText(errno)};
    return ParseTariff(text, path);
}

}  // namespace kellvar
