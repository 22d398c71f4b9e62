#pragma once

#include <cstdint>
#include <optional>
#include <random>

/// The one pseudo-random generator that the engine is handed. Operations that draw call reseed() right before
/// their draws: a clock-seeded generator then takes a fresh seed from the clock, while a generator made with a
/// fixed seed (tests, the command-line tool's --seed) keeps its sequence, so its draws repeat run after run.
class Random
{
public:
    /// A generator seeded from the clock at every reseed().
    Random();
    /// A generator seeded once with seed; reseed() leaves its sequence alone.
    explicit Random(std::uint64_t seed);

    void reseed();
    /// A uniform draw from 0 to n - 1; n must be at least 1.
    int draw(int n);

private:
    std::optional<std::uint64_t> m_fixedSeed;
    std::mt19937_64 m_engine;
};
