#include "engine/Draw.h"
#include "engine/Random.h"
#include "tests/support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <set>

using namespace modMayanTarot;

namespace {

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

void expectFiveDistinctGlyphs(const Reading& reading) {
    const std::set<Glyph> distinct(reading.slot.begin(), reading.slot.end());
    EXPECT_EQ(distinct.size(), 5u);
    for (const Glyph g : reading.slot) {
        EXPECT_GE(g, 0);
        EXPECT_LE(g, 19);
    }
}

}  // namespace

TEST(Draw, ProductsRoundToTheNearestGlyphWithHalvesToEven) {
    EXPECT_EQ(GlyphForProduct(0.0), 0);
    EXPECT_EQ(GlyphForProduct(0.5), 0);
    EXPECT_EQ(GlyphForProduct(0.5000001), 1);
    EXPECT_EQ(GlyphForProduct(1.5), 2);
    EXPECT_EQ(GlyphForProduct(2.5), 2);
    EXPECT_EQ(GlyphForProduct(3.5), 4);
    EXPECT_EQ(GlyphForProduct(18.5), 18);
    EXPECT_EQ(GlyphForProduct(18.6), 19);
    EXPECT_EQ(GlyphForProduct(2.4999999), 2);
}

TEST(Draw, GeneratorValuesCoverTheWholeRangeOfGlyphs) {
    EXPECT_EQ(GlyphForValue(0.0f), 0);
    EXPECT_EQ(GlyphForValue(18.6f / 19.0f), 19);
    EXPECT_EQ(GlyphForValue(kLargestBelowOne), 19);
    for (int g = 0; g < GlyphCount; ++g) {
        EXPECT_EQ(GlyphForValue(valueForGlyph(g)), g);
    }
}

TEST(Draw, RepeatsAreDrawnAgainForTheSamePosition) {
    // Glyph 7 first, then a long run of sevens, then 3, repeats of 7 and 3,
    // and so on: every repeat is discarded and only the position counter's
    // own slots count.
    std::vector<float> values{valueForGlyph(7)};
    values.insert(values.end(), 500, valueForGlyph(7));
    values.push_back(valueForGlyph(3));
    values.insert(values.end(), {valueForGlyph(7), valueForGlyph(3), valueForGlyph(0)});
    values.insert(values.end(), {valueForGlyph(0), valueForGlyph(19)});
    values.insert(values.end(), {valueForGlyph(19), valueForGlyph(3), valueForGlyph(12)});
    ScopedScript scripted(values);
    Draw();
    EXPECT_EQ(CurrentReading(), (Reading{{7, 3, 0, 19, 12}}));
    EXPECT_EQ(scripted.script.used(), values.size());
}

TEST(Draw, FiveDistinctGlyphsWhateverTheGeneratorReturns) {
    // Worst cases: the generator keeps returning glyphs already placed, or
    // sits on the edges of the range.
    const std::vector<std::vector<int>> patterns{
        {0, 0, 0, 0, 1, 1, 0, 1, 2, 2, 1, 0, 3, 3, 3, 2, 1, 0, 4},
        {19, 19, 19, 18, 18, 19, 0, 0, 0, 19, 18, 1, 1, 1, 0, 2},
        {5, 6, 5, 6, 5, 6, 7, 5, 6, 7, 8, 8, 8, 8, 8, 9},
    };
    for (const auto& pattern : patterns) {
        std::vector<float> values;
        for (const int g : pattern) values.push_back(valueForGlyph(g));
        ScopedScript scripted(values);
        Draw();
        expectFiveDistinctGlyphs(CurrentReading());
        EXPECT_EQ(scripted.script.used(), values.size());
    }
    std::vector<float> edges(40, 0.0f);
    edges.insert(edges.end(), 40, kLargestBelowOne);
    edges.insert(edges.end(), {0.3f, 0.4f, 0.5f});
    ScopedScript scripted(edges);
    Draw();
    expectFiveDistinctGlyphs(CurrentReading());
}

TEST(Draw, TheSlotsOfAnEarlierReadingPlayNoPart) {
    CurrentReading() = Reading{{9, 8, 7, 6, 5}};
    ScopedScript scripted({valueForGlyph(5), valueForGlyph(6), valueForGlyph(7),
                           valueForGlyph(8), valueForGlyph(9)});
    Draw();
    EXPECT_EQ(CurrentReading(), (Reading{{5, 6, 7, 8, 9}}));
    EXPECT_EQ(scripted.script.used(), 5u);
}

TEST(Draw, TheEdgeGlyphsComeFirstHalfAsOftenAsTheOthers) {
    Random::Generator generator;
    generator.seed(20261208);
    Random::ScopedSource scope(generator);
    constexpr int kDraws = 1'000'000;
    std::array<int, GlyphCount> first{};
    for (int i = 0; i < kDraws; ++i) {
        Draw();
        ++first[static_cast<std::size_t>(CurrentReading().slot[0])];
    }
    // Expected shares 1/38 for glyphs 0 and 19, 1/19 for the rest. The 5%
    // tolerance is more than eight standard deviations wide, and the seed is fixed.
    const double edge = kDraws / 38.0;
    for (int g = 0; g < GlyphCount; ++g) {
        const double expected = (g == 0 || g == 19) ? edge : 2 * edge;
        EXPECT_NEAR(first[static_cast<std::size_t>(g)], expected, expected * 0.05) << "glyph " << g;
    }
}

TEST(Random, ValuesStayBelowOneAndFollowTheirSeed) {
    Random::Generator a;
    Random::Generator b;
    a.seed(42);
    b.seed(42);
    float smallest = 1.0f;
    float largest = 0.0f;
    for (int i = 0; i < 200'000; ++i) {
        const float r = a.next();
        ASSERT_EQ(r, b.next());
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    EXPECT_LT(smallest, 0.001f);
    EXPECT_GT(largest, 0.999f);

    b.seed(43);
    a.seed(42);
    int same = 0;
    for (int i = 0; i < 100; ++i) same += a.next() == b.next() ? 1 : 0;
    EXPECT_LT(same, 5);
}

TEST(Random, ClockSeedsDifferFromCallToCall) {
    std::set<std::uint64_t> seeds;
    for (int i = 0; i < 1000; ++i) seeds.insert(Random::ClockSeed());
    // The clock ticks in nanoseconds; a few equal readings in a row are
    // possible on a coarse clock, a handful of distinct ones are not enough.
    EXPECT_GT(seeds.size(), 100u);
}

TEST(Random, EveryUserDrawsFromTheOneSequence) {
    ScopedScript scripted({0.25f, valueForGlyph(1), valueForGlyph(2), valueForGlyph(3),
                           valueForGlyph(4), valueForGlyph(5), 0.75f});
    EXPECT_EQ(Random::Next(), 0.25f);
    Draw();
    EXPECT_EQ(CurrentReading(), (Reading{{1, 2, 3, 4, 5}}));
    EXPECT_EQ(Random::Next(), 0.75f);
    Random::SeedFromClock();
    ASSERT_EQ(scripted.script.seeds().size(), 1u);
}
