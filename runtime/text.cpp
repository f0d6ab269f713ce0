// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text.h"

#include "runtimeerror.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace Text {
namespace {

template <typename Number> QString shortestFixed(Number value)
{
    if (std::isnan(value)) {
        throw RuntimeError("invalid number (not a number)");
    }
    if (std::isinf(value)) {
        throw RuntimeError("overflow");
    }
    if (value == 0) {
        return QStringLiteral("0"); // also for -0.0, which to_chars would write as "-0"
    }
    // Large enough for the longest fixed form of any double: 309 integer digits, or 0. and 323 zeros
    // before the last digit of the smallest subnormal, plus the sign.
    std::array<char, 400> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (error != std::errc{}) {
        throw RuntimeError("number too long to convert to text");
    }
    return QString::fromLatin1(buffer.data(), end - buffer.data());
}

} // namespace

double valueOf(QStringView text)
{
    std::string digits;
    for (const QChar ch : text) {
        if (ch < u'0' || ch > u'9') {
            break;
        }
        digits.push_back(static_cast<char>(ch.unicode()));
    }
    if (digits.empty()) {
        return 0.0;
    }
    // Digits alone read the same in every locale, so strtod serves (Emscripten's C++ library has no
    // from_chars for floating point); it says ERANGE when they overflow a double.
    errno = 0;
    const double value = std::strtod(digits.c_str(), nullptr);
    if (errno == ERANGE) {
        throw RuntimeError("overflow");
    }
    return value;
}

QString textOf(double value)
{
    return shortestFixed(value);
}

QString textOf(float value)
{
    return shortestFixed(value);
}

int length(QStringView text)
{
    return static_cast<int>(text.size());
}

QString mid(QStringView text, int start, int count)
{
    if (start < 1 || count < 0) {
        throw RuntimeError("invalid substring position or length");
    }
    return text.mid(start - 1, count).toString();
}

} // namespace Text
