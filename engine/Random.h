#pragma once
// The program's one random generator. Every user (the draw, the sponsor
// caption choice, the exit screen's support text) takes from the same
// sequence, so what one draws shifts what the next one gets.

#include <cstdint>
#include <random>

namespace Random {

// Where the values come from. The default is a clock-seeded pseudo-random
// generator; tests put a scripted source in its place.
class Source {
public:
    virtual ~Source() = default;
    // A uniform single-precision value r with 0 <= r < 1.
    virtual float next() = 0;
    virtual void seed(std::uint64_t value) = 0;
};

// Mersenne twister; each value takes 24 random bits scaled by 2^-24, so it
// can never round up to 1.0.
class Generator final : public Source {
public:
    Generator();
    float next() override;
    void seed(std::uint64_t value) override;

private:
    std::mt19937_64 engine_;
};

// The next value of the process-wide sequence.
float Next();

// Reseeds the process-wide source from a high-resolution clock reading.
void SeedFromClock();

// The seed that SeedFromClock would use now: nanoseconds of the system clock,
// spread over 64 bits.
std::uint64_t ClockSeed();

// Puts another source in place of the process-wide one for as long as the
// object lives (tests, benchmarks).
class ScopedSource {
public:
    explicit ScopedSource(Source& source);
    ~ScopedSource();
    ScopedSource(const ScopedSource&) = delete;
    ScopedSource& operator=(const ScopedSource&) = delete;

private:
    Source* previous_;
};

}  // namespace Random
