// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtimeerror.h"
#include "text.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

TEST(TextValueOf, readsLeadingDecimalDigitsOnly)
{
    EXPECT_EQ(Text::valueOf(u"0"), 0.0);
    EXPECT_EQ(Text::valueOf(u"10"), 10.0);
    EXPECT_EQ(Text::valueOf(u"42abc"), 42.0);
    EXPECT_EQ(Text::valueOf(u"007"), 7.0);
    EXPECT_EQ(Text::valueOf(u"12.75"), 12.0);
    EXPECT_EQ(Text::valueOf(u"10000000"), 10000000.0);
}

TEST(TextValueOf, isZeroWithoutALeadingDigit)
{
    EXPECT_EQ(Text::valueOf(u""), 0.0);
    EXPECT_EQ(Text::valueOf(u"Win?"), 0.0);
    EXPECT_EQ(Text::valueOf(u" 7"), 0.0);
    EXPECT_EQ(Text::valueOf(u"-5"), 0.0);
    // Digits of other scripts are not decimal digits of a caption number.
    EXPECT_EQ(Text::valueOf(u"\u0663"), 0.0);
}

TEST(TextValueOf, digitsBeyondDoubleRangeRaiseInsteadOfGivingInfinity)
{
    EXPECT_THROW(Text::valueOf(QString(400, QLatin1Char('9'))), RuntimeError);
    EXPECT_EQ(Text::valueOf(QString(300, QLatin1Char('9'))), 1e300);
}

TEST(TextTextOf, writesWholeNumbersWithoutPointOrExponent)
{
    EXPECT_EQ(Text::textOf(0.0), "0");
    EXPECT_EQ(Text::textOf(-0.0), "0");
    EXPECT_EQ(Text::textOf(0.0 + 10), "10");
    EXPECT_EQ(Text::textOf(5.0f), "5");
    EXPECT_EQ(Text::textOf(1e15), "1000000000000000");
    EXPECT_EQ(Text::textOf(1e21), "1000000000000000000000");
    EXPECT_EQ(Text::textOf(-25.0), "-25");
}

TEST(TextTextOf, writesTheShortestFormThatReadsBack)
{
    EXPECT_EQ(Text::textOf(0.5), "0.5");
    EXPECT_EQ(Text::textOf(0.1), "0.1");
    EXPECT_EQ(Text::textOf(0.1f), "0.1");
    EXPECT_EQ(Text::textOf(1e-7), "0.0000001");
}

TEST(TextTextOf, refusesInfinityAndNaN)
{
    EXPECT_THROW(Text::textOf(std::numeric_limits<double>::infinity()), RuntimeError);
    EXPECT_THROW(Text::textOf(std::nan("")), RuntimeError);
    EXPECT_THROW(Text::textOf(std::numeric_limits<float>::infinity()), RuntimeError);
}

TEST(TextTextOf, roundTripsScoresThroughValueOf)
{
    for (const double score : {0.0, 5.0, 10.0, 95.0, 1234567890.0, 9007199254740992.0}) {
        EXPECT_EQ(Text::valueOf(Text::textOf(score)), score);
    }
}

TEST(TextMid, takesASubstringAtAOneBasedPosition)
{
    EXPECT_EQ(Text::mid(u"abcdef", 1, 3), "abc");
    EXPECT_EQ(Text::mid(u"abcdef", 4, 60), "def");
    EXPECT_EQ(Text::mid(u"abcdef", 7, 2), "");
    EXPECT_EQ(Text::mid(u"abcdef", 2, 0), "");
    EXPECT_EQ(Text::length(u"abcdef"), 6);
    EXPECT_EQ(Text::length(u""), 0);
}

TEST(TextMid, rejectsPositionsBeforeTheStartAndNegativeLengths)
{
    EXPECT_THROW(Text::mid(u"abc", 0, 1), RuntimeError);
    EXPECT_THROW(Text::mid(u"abc", 1, -1), RuntimeError);
}

} // namespace
