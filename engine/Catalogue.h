#pragma once
// The glyph catalogue: the twenty Mayan day signs and the five reading
// positions, with every text a reading shows.

#include <array>
#include <cstdint>
#include <string>

// Indices are 16-bit signed on purpose: the stored reading record and every
// caller use this width.
using Glyph = std::int16_t;     // 0 .. 19
using Position = std::int16_t;  // 0 .. 4

inline constexpr int GlyphCount = 20;
inline constexpr int PositionCount = 5;

// One glyph per position; slot k holds the glyph of position k.
struct Reading {
    std::array<Glyph, PositionCount> slot{};
    friend bool operator==(const Reading&, const Reading&) = default;
};

namespace modMayanTarot {

// Glyph lookups (index 0 .. 19).
const std::string& SignLabel(Glyph glyph);
const std::string& GlyphName(Glyph glyph);
const std::string& Description(Glyph glyph);
const std::string& PictureName(Glyph glyph);
// 1-based number of the glyph's picture in the result window's picture list.
int PictureNumber(Glyph glyph);

// Position lookups (index 0 .. 4).
const std::string& Caption(Position position);
const std::string& Explanation(Position position);
const std::string& Heading(Position position);

// Sets every entry of both tables to its fixed value. The reading routine
// calls it before composing each reading; it always writes the same values.
void FillCatalogue();

}  // namespace modMayanTarot
