// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "randomsource.h"

#include <cstdint>

// SplitMix64 (Steele, Lea and Flood, "Fast splittable pseudorandom number generators", 2014): a 64-bit
// counter advanced by the golden-ratio increment and passed through a fixed mixing function. It is plain
// integer arithmetic, so a seed gives the same sequence with every compiler and standard library, which
// std::uniform_real_distribution does not promise. Its output passes BigCrush; a dice game needs far less.
class SplitMix64 final : public RandomSource {
public:
    explicit SplitMix64(std::uint64_t state = 0)
        : m_state(state)
    {}

    // The seed's IEEE-754 bit pattern becomes the state, so seeds that differ in any bit (two times of
    // day a fraction of a second apart) start different sequences.
    void seed(double seed) override;

    // The top 24 bits of the next 64-bit output, scaled by 2^-24: every float in [0, 1) that is a
    // multiple of 2^-24, each equally likely, and never 1.0 (which a float conversion of a double could
    // round up to).
    float next() override;

    std::uint64_t nextBits();

private:
    std::uint64_t m_state;
};
