// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "randomsource.h"

#include <deque>
#include <initializer_list>
#include <stdexcept>
#include <vector>

// A random source that hands out exactly the numbers a test queues, and records the seeds it is given.
// Running out of numbers is a test fault, reported loudly rather than papered over with a default.
class ScriptedRandom : public RandomSource {
public:
    void seed(double seed) override { seeds.push_back(seed); }

    float next() override
    {
        if (m_queue.empty()) {
            throw std::logic_error("scripted random source ran out of numbers");
        }
        const float value = m_queue.front();
        m_queue.pop_front();
        return value;
    }

    void queue(std::initializer_list<float> values) { m_queue.insert(m_queue.end(), values); }
    void queue(float value) { m_queue.push_back(value); }
    std::size_t remaining() const { return m_queue.size(); }

    std::vector<double> seeds;

private:
    std::deque<float> m_queue;
};

// The draw that makes the die show face (1 to 6): the middle of that face's sixth of [0, 1).
inline float drawFor(int face)
{
    return (static_cast<float>(face) - 0.5f) / 6.0f;
}
