// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/connectionrecord.h"
#include "core/connectionsums.h"
#include "core/tariffs.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kellvar {

// A number as the dial command gave it, one the driver hid ("##########"),
// or none: the All-Time-Log keeps no dial commands.
enum class TNumberKind { Dialled, Hidden, Unknown };

// How the sessions dialled to one number went. Times are in hundredths of a
// second, speeds in bps; a figure over no value is none.
struct TNumberFigures {
    // The number as normalised for tariff matching; empty unless dialled.
    std::string Number;
    TNumberKind Kind = TNumberKind::Dialled;
    int64_t Attempts = 0;
    // Sessions that connected, listed or given up by the next dial.
    int64_t Connects = 0;
    // Of the listed connections: the line dropped, or hung up here.
    int64_t CarrierLosses = 0;
    int64_t HungUpHere = 0;
    // From dialling to the connect, the median and the 90th percentile.
    std::optional<int32_t> MedianTimeToConnect;
    std::optional<int32_t> SlowTimeToConnect;
    std::optional<int32_t> LowestSpeed;
    std::optional<int32_t> MedianSpeed;
    std::optional<int32_t> HighestSpeed;
    // The listed connections' time online and bytes, and their costs.
    TConnectionSums Sums;
    TCostSums Costs;

    // Connects per attempt in hundredths of a percent, half to even.
    std::optional<int64_t> SuccessBasisPoints() const;
    // Bytes both ways per second online, in hundredths; none without time.
    std::optional<int64_t> ThroughputHundredths() const;
};

// The nearest-rank percentile (1-100) of the values: the smallest value that
// at least that share of them does not exceed. The values are reordered.
std::optional<int32_t> NearestRankPercentile(std::vector<int32_t>& values, int percent);

// Adds sessions up per dialled number as they come. It keeps per number its
// counts and the dialling times and speeds that the medians need.
class TNumberTally {
public:
    // A connection of the table, with its cost where the sessions are priced.
    void AddConnection(const TConnectionRecord& record, const std::optional<TCost>& cost);
    // A dialled session that got no row (see TAnalysisReceiver).
    void AddUnlistedSession(const TConnectionRecord& record);

    // Most attempts first, then dialled numbers before hidden and unknown
    // ones, then by number.
    std::vector<TNumberFigures> Figures() const;
    bool Empty() const { return numbers_.empty(); }
    // The chosen numbers' sessions as if dialled to one number; none when
    // none of them was dialled.
    std::optional<TNumberFigures> Combined(const std::vector<TNumberFigures>& chosen) const;

private:
    // A connect's time to connect and speed (0: not logged), by its number's
    // place in numbers_: one flat list, not a list per number, so that a
    // history of many numbers dialled once each stays small.
    struct TConnectSample {
        uint32_t Number;
        int32_t TimeToConnect;
        int32_t Speed;
    };

    // The number's place in numbers_, added on its first session.
    uint32_t PlaceOf(const std::string& number);
    void AddConnect(uint32_t place, const TConnectionRecord& record);
    // The figures with the medians, percentiles and speeds of the samples.
    static TNumberFigures Finished(TNumberFigures figures, std::vector<int32_t>& times, std::vector<int32_t>& speeds);

    // Found by the dialled number's text without copying it.
    struct TKeyHash {
        using is_transparent = void;
        size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
    };
    std::unordered_map<std::string, size_t, TKeyHash, std::equal_to<>> index_;
    // A deque: growing never copies what it holds.
    std::deque<TNumberFigures> numbers_;
    std::vector<TConnectSample> samples_;
};

}  // namespace kellvar
