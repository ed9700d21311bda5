#pragma once
// The twenty glyph descriptions in English, compiled in from
// assets/descriptions at build time so that no run depends on a file beside
// the program. Each is a null-terminated literal; its translations come
// from assets/descriptions/<language>/ through the program's translation.

#include <array>
#include <string_view>

namespace modMayanTarot {
extern const std::array<std::string_view, 20> kDescriptionTexts;
}
