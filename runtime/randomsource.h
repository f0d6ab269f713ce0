// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the game's random numbers come from. The game holds a reference to one source, so tests can
// script every draw and the program can use a generator with a known, portable sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Restart the sequence from seed; equal seeds give equal sequences.
    virtual void seed(double seed) = 0;

    // The next number, uniform in [0, 1).
    virtual float next() = 0;

protected:
    RandomSource() = default;
    RandomSource(const RandomSource&) = default;
    RandomSource& operator=(const RandomSource&) = default;
};
