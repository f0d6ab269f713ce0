// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtimeerror.h"

#include <string>
#include <vector>

// Controls of one kind that share a name and are told apart by a whole-number index, as in Pip(3).
// An index with no member raises a RuntimeError; the array does not own its members (their parent
// widget does).
template <typename Control> class ControlArray {
public:
    void insert(int index, Control& control)
    {
        if (index < 0) {
            throw RuntimeError("negative control array index " + std::to_string(index));
        }
        const auto slot = static_cast<std::size_t>(index);
        if (slot >= m_members.size()) {
            m_members.resize(slot + 1, nullptr);
        }
        m_members[slot] = &control;
    }

    Control& operator()(int index) const
    {
        if (index < 0 || static_cast<std::size_t>(index) >= m_members.size() ||
            m_members[static_cast<std::size_t>(index)] == nullptr) {
            throw RuntimeError("control array element " + std::to_string(index) + " does not exist");
        }
        return *m_members[static_cast<std::size_t>(index)];
    }

    // One past the highest index in use.
    int size() const { return static_cast<int>(m_members.size()); }

private:
    std::vector<Control*> m_members;
};
