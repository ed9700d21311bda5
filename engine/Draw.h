#pragma once
// Drawing the five glyphs of a reading.

#include "engine/Catalogue.h"

namespace modMayanTarot {

// The process-wide record of the last reading; all slots 0 before the first draw.
Reading& CurrentReading();

// The glyph that one generator value r (0 <= r < 1) stands for: r * 19 in
// double precision, rounded by GlyphForProduct. Glyphs 0 and 19 therefore
// weigh half as much as the others.
Glyph GlyphForValue(float r);

// Rounds to the nearest integer, an exact half going to the even neighbour
// (0.5 gives 0, 1.5 gives 2, 2.5 gives 2).
Glyph GlyphForProduct(double product);

// Fills CurrentReading() with five distinct glyphs, one per position, taking
// values from the process-wide generator and drawing again for the same
// position whenever a glyph repeats one already placed in this draw.
void Draw();

}  // namespace modMayanTarot
