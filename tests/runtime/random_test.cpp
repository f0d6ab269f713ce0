// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "splitmix64.h"
#include "timeofday.h"

#include <ctime>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::vector<float> draws(SplitMix64& random, int count)
{
    std::vector<float> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(random.next());
    }
    return values;
}

TEST(SplitMix64, matchesTheReferenceSequence)
{
    // The published SplitMix64 outputs for state 0.
    SplitMix64 random(0);
    EXPECT_EQ(random.nextBits(), 0xe220a8397b1dcdafULL);
    EXPECT_EQ(random.nextBits(), 0x6e789e6aa1b965f4ULL);
    EXPECT_EQ(random.nextBits(), 0x06c45d188009454fULL);
}

TEST(SplitMix64, givesAFixedSequenceForASeed)
{
    SplitMix64 random;
    random.seed(12345.5);
    // The top 24 bits of each output over 2^24, worked out independently of this code.
    const std::vector<float> expected{2569317 * 0x1p-24f, 16748900 * 0x1p-24f, 4849783 * 0x1p-24f,
                                      11100977 * 0x1p-24f, 12658533 * 0x1p-24f};
    EXPECT_EQ(draws(random, 5), expected);

    random.seed(12345.5);
    EXPECT_EQ(draws(random, 5), expected) << "seeding again restarts the sequence";
}

TEST(SplitMix64, differentSeedsGiveDifferentSequences)
{
    SplitMix64 first;
    SplitMix64 second;
    // Two starts of the program a few milliseconds apart.
    first.seed(static_cast<double>(43200.125f));
    second.seed(static_cast<double>(43200.133f));
    EXPECT_NE(draws(first, 8), draws(second, 8));
}

TEST(SplitMix64, staysWithinZeroToOne)
{
    SplitMix64 random(7);
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 200000; ++i) {
        const float value = random.next();
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_LT(lowest, 0.001f);
    EXPECT_GT(highest, 0.999f);
}

TEST(TimeOfDay, isSecondsSinceLocalMidnight)
{
    const std::time_t now = std::time(nullptr);
    const std::tm local = *std::localtime(&now);
    EXPECT_NEAR(secondsSinceMidnight(),
                static_cast<float>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec), 1.5f);
}

} // namespace
