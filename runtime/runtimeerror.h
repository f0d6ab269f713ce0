// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

// A failure of a runtime operation inside an event handler (an argument out of range, an arithmetic
// overflow). Handlers never catch it: it ends the handler and reaches the error report.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const std::string& message)
        : std::runtime_error(message)
    {}
};
