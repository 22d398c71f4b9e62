#include "Random.h"

#include <chrono>

namespace {
std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
} // namespace

Random::Random() : m_engine(clockSeed()) {}

Random::Random(std::uint64_t seed) : m_fixedSeed(seed), m_engine(seed) {}

void Random::reseed()
{
    if (!m_fixedSeed) {
        m_engine.seed(clockSeed());
    }
}

int Random::draw(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}
