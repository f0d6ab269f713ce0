// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "splitmix64.h"

#include <bit>

void SplitMix64::seed(double seed)
{
    m_state = std::bit_cast<std::uint64_t>(seed);
}

std::uint64_t SplitMix64::nextBits()
{
    m_state += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27U)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31U);
}

float SplitMix64::next()
{
    return static_cast<float>(nextBits() >> 40U) * 0x1p-24f;
}
