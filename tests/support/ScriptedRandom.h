#pragma once
// A random source that hands out a fixed list of values and records every
// seeding, installed in place of the program's generator while it lives.

#include "engine/Random.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

class ScriptedRandom final : public Random::Source {
public:
    explicit ScriptedRandom(std::vector<float> values = {}) : values_(std::move(values)) {}

    float next() override {
        if (position_ >= values_.size()) {
            throw std::out_of_range("scripted random values used up");
        }
        return values_[position_++];
    }
    void seed(std::uint64_t value) override { seeds_.push_back(value); }

    void append(std::vector<float> more) { values_.insert(values_.end(), more.begin(), more.end()); }
    std::size_t used() const { return position_; }
    const std::vector<std::uint64_t>& seeds() const { return seeds_; }

private:
    std::vector<float> values_;
    std::size_t position_ = 0;
    std::vector<std::uint64_t> seeds_;
};

// The value in the middle of glyph g's rounding interval (g from 0 to 19).
inline float valueForGlyph(int g) {
    if (g == 0) return 0.0f;
    if (g == 19) return 18.75f / 19.0f;
    return static_cast<float>(g) / 19.0f;
}

// Installs a ScriptedRandom as the program's generator for a scope.
class ScopedScript {
public:
    explicit ScopedScript(std::vector<float> values) : script(std::move(values)), scope_(script) {}
    ScriptedRandom script;

private:
    Random::ScopedSource scope_;
};
