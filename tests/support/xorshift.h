// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace testing {

// Random 64-bit numbers, the same series on every run, for tests that hold
// a fast path against a slow one on many inputs.
class XorShift {
public:
    explicit XorShift(uint64_t seed) : state_(seed) {}
    uint64_t Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }

private:
    uint64_t state_;
};

}  // namespace testing
