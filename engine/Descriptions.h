#pragma once
// The twenty glyph descriptions, compiled in from assets/descriptions at
// build time so that no run depends on a file beside the program.

#include <array>
#include <string_view>

namespace modMayanTarot {
extern const std::array<std::string_view, 20> kDescriptionTexts;
}
