#include "engine/Random.h"

#include <chrono>

namespace Random {

Generator::Generator() { seed(ClockSeed()); }

float Generator::next() {
    // 24 bits fill a float's significand exactly: the largest value is
    // 1 - 2^-24, never 1.0 (std::generate_canonical<float> can return 1.0).
    const auto bits = static_cast<std::uint32_t>(engine_() >> 40);
    return static_cast<float>(bits) * 0x1p-24f;
}

void Generator::seed(std::uint64_t value) {
    std::seed_seq sequence{static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
    engine_.seed(sequence);
}

namespace {

Source*& overrideSlot() {
    static Source* current = nullptr;
    return current;
}

Source& current() {
    if (Source* scripted = overrideSlot()) {
        return *scripted;
    }
    static Generator generator;
    return generator;
}

}  // namespace

float Next() { return current().next(); }

void SeedFromClock() { current().seed(ClockSeed()); }

std::uint64_t ClockSeed() {
    // splitmix64 finaliser: seeds taken a few nanoseconds apart still start
    // unrelated sequences.
    auto z = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    z += 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

ScopedSource::ScopedSource(Source& source) : previous_(overrideSlot()) {
    overrideSlot() = &source;
}

ScopedSource::~ScopedSource() { overrideSlot() = previous_; }

}  // namespace Random
