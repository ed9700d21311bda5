#include "engine/Catalogue.h"

#include "engine/Descriptions.h"

#include <string_view>

namespace modMayanTarot {
namespace {

struct GlyphRow {
    std::string_view signLabel;
    std::string_view name;
    std::string_view pictureName;
};

// The picture names are kept exactly as the picture list stores them
// ("1OOc.jpg" included); pictures are fetched by number, never by name.
constexpr std::array<GlyphRow, GlyphCount> kGlyphRows{{
    {"Imix", "Red Dragon", "01Imix.jpg"},
    {"Ik/Wind", "White Wind", "02Ik.jpg"},
    {"Akbal/Night", "Blue Night", "03Akbal.jpg"},
    {"Kan/Seed", "Yellow Seed", "04Kan.jpg"},
    {"Chicchan/Serpent", "Red Serpent", "05Chiccan.jpg"},
    {"Cimi/Transformer", "White World Bridger", "06Cimi.jpg"},
    {"Manik/Deer", "Blue Hand", "07Manik.jpg"},
    {"Lamat/Star", "Yellow Star", "08Lamat.jpg"},
    {"Muluc/Offering", "Red Moon", "09Muluc.jpg"},
    {"Oc/Dog", "White Dog", "1OOc.jpg"},
    {"Chuen/Monkey", "Blue Monkey", "11Chuen.jpg"},
    {"Eb/Road", "Yellow Human", "12Eb.jpg"},
    {"Ben/Reed", "Red Skywalker", "13Ben.jpg"},
    {"Ix/Jaguar", "White Wizard", "14Ix.jpg"},
    {"Men/Eagle", "Blue Eagle", "15Men.jpg"},
    {"Cib/Wisdom", "Yellow Warrior", "16Cib.jpg"},
    {"Caban/Earth", "Red Earth", "17Caban.jpg"},
    {"Etznab/Flint", "White Mirror", "18Etznab.jpg"},
    {"Cauac/Storm", "Blue Storm", "19Cauac.jpg"},
    {"Ahau/Sun", "Yellow Sun", "20Ahau.jpg"},
}};

struct PositionRow {
    std::string_view caption;
    std::string_view explanation;
    std::string_view heading;  // ends in a colon and one blank
};

constexpr std::array<PositionRow, PositionCount> kPositionRows{{
    {"Guide", "Guide Position: This position describes your current guiding force.",
     "The Glyph in the Guide Position is: "},
    {"Challenge", "Challenge Position: This position describes your current challenges.",
     "The Glyph in the Challenge Position is: "},
    {"Central", "Central Position: This position represents yourself.",
     "The Glyph in the Central Position is: "},
    {"Ally", "Ally Position: This position describes your helpers and friends.",
     "The Glyph in the Ally Position is: "},
    {"Occult", "Occult Position: This position describes your current abilities.",
     "The Glyph in the Occult Position is: "},
}};

struct GlyphEntry {
    std::string signLabel;
    std::string name;
    std::string description;
    std::string pictureName;
};

struct PositionEntry {
    std::string caption;
    std::string explanation;
    std::string heading;
};

struct Tables {
    std::array<GlyphEntry, GlyphCount> glyphs;
    std::array<PositionEntry, PositionCount> positions;

    void fill() {
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            glyphs[i] = {std::string(kGlyphRows[i].signLabel), std::string(kGlyphRows[i].name),
                         std::string(kDescriptionTexts[i]), std::string(kGlyphRows[i].pictureName)};
        }
        for (std::size_t i = 0; i < positions.size(); ++i) {
            positions[i] = {std::string(kPositionRows[i].caption),
                            std::string(kPositionRows[i].explanation),
                            std::string(kPositionRows[i].heading)};
        }
    }
};

// Filled on first use as well, so a lookup never sees an empty table.
Tables& tables() {
    static Tables instance = [] {
        Tables t;
        t.fill();
        return t;
    }();
    return instance;
}

// An index outside the tables is a programming error; at() turns it into an
// exception that the calling handler skips instead of undefined behaviour.
const GlyphEntry& glyph(Glyph g) { return tables().glyphs.at(static_cast<std::size_t>(g)); }
const PositionEntry& position(Position p) {
    return tables().positions.at(static_cast<std::size_t>(p));
}

}  // namespace

const std::string& SignLabel(Glyph g) { return glyph(g).signLabel; }
const std::string& GlyphName(Glyph g) { return glyph(g).name; }
const std::string& Description(Glyph g) { return glyph(g).description; }
const std::string& PictureName(Glyph g) { return glyph(g).pictureName; }

int PictureNumber(Glyph g) {
    glyph(g);  // range check
    return g + 1;
}

const std::string& Caption(Position p) { return position(p).caption; }
const std::string& Explanation(Position p) { return position(p).explanation; }
const std::string& Heading(Position p) { return position(p).heading; }

void FillCatalogue() { tables().fill(); }

}  // namespace modMayanTarot
