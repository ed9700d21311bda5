#include "engine/Draw.h"

#include "engine/Random.h"

#include <cmath>

namespace modMayanTarot {

Reading& CurrentReading() {
    static Reading reading;
    return reading;
}

Glyph GlyphForValue(float r) { return GlyphForProduct(static_cast<double>(r) * 19.0); }

Glyph GlyphForProduct(double product) {
    // Explicit half-to-even, so the result does not depend on the floating
    // point rounding mode in force.
    const double whole = std::floor(product);
    const double fraction = product - whole;
    double rounded = whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        rounded = whole + 1.0;
    }
    return static_cast<Glyph>(rounded);
}

void Draw() {
    Reading& reading = CurrentReading();
    std::int16_t k = 0;
    while (k <= 4) {
        const Glyph g = GlyphForValue(Random::Next());
        bool repeated = false;
        for (std::int16_t j = 0; j < k; ++j) {
            if (reading.slot[static_cast<std::size_t>(j)] == g) {
                repeated = true;
                break;
            }
        }
        if (!repeated) {
            reading.slot[static_cast<std::size_t>(k)] = g;
            ++k;
        }
    }
}

}  // namespace modMayanTarot
