// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// Conversions between captions and numbers, and the text operations the game uses. Captions hold the
// game's numbers, so these must read back exactly what they write: textOf(valueOf(s)) == s for every
// caption of plain decimal digits without leading zeros.
namespace Text {

// The number formed by the leading ASCII decimal digits of text; 0 when it does not start with a digit
// ("", "Win?", " 7"). Digits past the range of double raise a RuntimeError.
double valueOf(QStringView text);

// The shortest decimal text that reads back as value: no leading space, no exponent, and no decimal
// point for whole numbers (10.0 gives "10", 1e15 gives "1000000000000000", -0.0 gives "0").
// Infinity or NaN raise a RuntimeError instead of reaching a caption.
QString textOf(double value);
QString textOf(float value);

// Length in characters (UTF-16 code units, the unit of QString and of mid's positions).
int length(QStringView text);

// The part of text that starts at 1-based position start and is at most count characters long; empty
// when start is past the end. start < 1 or count < 0 raise a RuntimeError.
QString mid(QStringView text, int start, int count);

} // namespace Text
