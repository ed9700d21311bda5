#include "engine/Catalogue.h"

#include "engine/Descriptions.h"
#include "engine/Translation.h"

#include <string_view>

namespace modMayanTarot {
namespace {

// The texts are English, null-terminated literals, translated as the
// catalogue is filled.
struct GlyphRow {
    const char* signLabel;
    const char* name;
    const char* pictureName;
};

// The picture names are kept exactly as the picture list stores them
// ("1OOc.jpg" included); pictures are fetched by number, never by name.
constexpr std::array<GlyphRow, GlyphCount> kGlyphRows{{
    {KV_TRANSLATABLE("Catalogue", "Imix"), KV_TRANSLATABLE("Catalogue", "Red Dragon"), "01Imix.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Ik/Wind"), KV_TRANSLATABLE("Catalogue", "White Wind"), "02Ik.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Akbal/Night"), KV_TRANSLATABLE("Catalogue", "Blue Night"), "03Akbal.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Kan/Seed"), KV_TRANSLATABLE("Catalogue", "Yellow Seed"), "04Kan.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Chicchan/Serpent"), KV_TRANSLATABLE("Catalogue", "Red Serpent"), "05Chiccan.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Cimi/Transformer"), KV_TRANSLATABLE("Catalogue", "White World Bridger"), "06Cimi.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Manik/Deer"), KV_TRANSLATABLE("Catalogue", "Blue Hand"), "07Manik.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Lamat/Star"), KV_TRANSLATABLE("Catalogue", "Yellow Star"), "08Lamat.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Muluc/Offering"), KV_TRANSLATABLE("Catalogue", "Red Moon"), "09Muluc.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Oc/Dog"), KV_TRANSLATABLE("Catalogue", "White Dog"), "1OOc.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Chuen/Monkey"), KV_TRANSLATABLE("Catalogue", "Blue Monkey"), "11Chuen.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Eb/Road"), KV_TRANSLATABLE("Catalogue", "Yellow Human"), "12Eb.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Ben/Reed"), KV_TRANSLATABLE("Catalogue", "Red Skywalker"), "13Ben.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Ix/Jaguar"), KV_TRANSLATABLE("Catalogue", "White Wizard"), "14Ix.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Men/Eagle"), KV_TRANSLATABLE("Catalogue", "Blue Eagle"), "15Men.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Cib/Wisdom"), KV_TRANSLATABLE("Catalogue", "Yellow Warrior"), "16Cib.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Caban/Earth"), KV_TRANSLATABLE("Catalogue", "Red Earth"), "17Caban.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Etznab/Flint"), KV_TRANSLATABLE("Catalogue", "White Mirror"), "18Etznab.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Cauac/Storm"), KV_TRANSLATABLE("Catalogue", "Blue Storm"), "19Cauac.jpg"},
    {KV_TRANSLATABLE("Catalogue", "Ahau/Sun"), KV_TRANSLATABLE("Catalogue", "Yellow Sun"), "20Ahau.jpg"},
}};

struct PositionRow {
    const char* caption;
    const char* explanation;
    const char* heading;  // ends in a colon and one blank
};

constexpr std::array<PositionRow, PositionCount> kPositionRows{{
    {KV_TRANSLATABLE("Catalogue", "Guide"),
     KV_TRANSLATABLE("Catalogue", "Guide Position: This position describes your current guiding force."),
     KV_TRANSLATABLE("Catalogue", "The Glyph in the Guide Position is: ")},
    {KV_TRANSLATABLE("Catalogue", "Challenge"),
     KV_TRANSLATABLE("Catalogue", "Challenge Position: This position describes your current challenges."),
     KV_TRANSLATABLE("Catalogue", "The Glyph in the Challenge Position is: ")},
    {KV_TRANSLATABLE("Catalogue", "Central"),
     KV_TRANSLATABLE("Catalogue", "Central Position: This position represents yourself."),
     KV_TRANSLATABLE("Catalogue", "The Glyph in the Central Position is: ")},
    {KV_TRANSLATABLE("Catalogue", "Ally"),
     KV_TRANSLATABLE("Catalogue", "Ally Position: This position describes your helpers and friends."),
     KV_TRANSLATABLE("Catalogue", "The Glyph in the Ally Position is: ")},
    {KV_TRANSLATABLE("Catalogue", "Occult"),
     KV_TRANSLATABLE("Catalogue", "Occult Position: This position describes your current abilities."),
     KV_TRANSLATABLE("Catalogue", "The Glyph in the Occult Position is: ")},
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
            glyphs[i] = {Translated("Catalogue", kGlyphRows[i].signLabel), Translated("Catalogue", kGlyphRows[i].name),
                         Translated("Description", kDescriptionTexts[i].data()), kGlyphRows[i].pictureName};
        }
        for (std::size_t i = 0; i < positions.size(); ++i) {
            positions[i] = {Translated("Catalogue", kPositionRows[i].caption),
                            Translated("Catalogue", kPositionRows[i].explanation),
                            Translated("Catalogue", kPositionRows[i].heading)};
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

namespace {

Translation& translation() {
    static Translation current = nullptr;
    return current;
}

}  // namespace

void SetTranslation(Translation replacement) {
    translation() = replacement;
    FillCatalogue();
}

std::string Translated(const char* context, const char* text) {
    return translation() ? translation()(context, text) : std::string(text);
}

}  // namespace modMayanTarot
