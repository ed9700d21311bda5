#include "engine/Catalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace modMayanTarot;

namespace {

constexpr std::array<std::string_view, 4> kColours{"Red", "White", "Blue", "Yellow"};

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace

TEST(Catalogue, NamesFollowTheColourCycleAndAreDistinct) {
    std::set<std::string> names;
    for (Glyph g = 0; g < GlyphCount; ++g) {
        const std::string& name = GlyphName(g);
        const std::string_view colour = kColours[static_cast<std::size_t>(g % 4)];
        EXPECT_TRUE(startsWith(name, std::string(colour) + " ")) << name;
        EXPECT_GT(name.size(), colour.size() + 1) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(GlyphName(5), "White World Bridger");
}

TEST(Catalogue, OnlyTheFirstSignLabelLacksAMeaning) {
    EXPECT_EQ(SignLabel(0), "Imix");
    for (Glyph g = 1; g < GlyphCount; ++g) {
        const std::string& label = SignLabel(g);
        const auto slash = label.find('/');
        ASSERT_NE(slash, std::string::npos) << label;
        EXPECT_GT(slash, 0u) << label;
        EXPECT_LT(slash + 1, label.size()) << label;
        EXPECT_EQ(label.find('/', slash + 1), std::string::npos) << label;
    }
}

TEST(Catalogue, PicturesAreNumberedByGlyphWhateverTheirNames) {
    std::set<std::string> pictureNames;
    for (Glyph g = 0; g < GlyphCount; ++g) {
        EXPECT_EQ(PictureNumber(g), g + 1);
        EXPECT_TRUE(endsWith(PictureName(g), ".jpg")) << PictureName(g);
        pictureNames.insert(PictureName(g));
    }
    EXPECT_EQ(pictureNames.size(), 20u);
    // The tenth picture's stored name has two letter O where "10" would be.
    EXPECT_EQ(PictureName(9), "1OOc.jpg");
    EXPECT_EQ(PictureNumber(9), 10);
}

TEST(Catalogue, PositionTextsNameTheirPositionAndHeadingsKeepTheirBlank) {
    for (Position p = 0; p < PositionCount; ++p) {
        const std::string& caption = Caption(p);
        EXPECT_TRUE(startsWith(Explanation(p), caption + " Position: ")) << Explanation(p);
        EXPECT_TRUE(endsWith(Explanation(p), ".")) << Explanation(p);
        EXPECT_EQ(Heading(p), "The Glyph in the " + caption + " Position is: ");
    }
    EXPECT_EQ(Caption(0), "Guide");
    EXPECT_EQ(Caption(4), "Occult");
}

TEST(Catalogue, DescriptionsHaveTheirOpeningsAndLengths) {
    struct Expected {
        std::size_t length;
        std::string_view opening;
    };
    const std::array<Expected, GlyphCount> expected{{
        {755, "Red Dragon days cast a particular influence"},
        {676, "The most notable trait about the persons"},
        {737, "As a Blue Night person, you tend"},
        {772, "Regarding a nurturing attitude, these people"},
        {912, "The Serpent, a powerful symbol of healing"},
        {799, "If you are born on 'White Worldbridger'"},
        {838, "Blue Hand people have the ability"},
        {796, "The 'Yellow Star' person was born"},
        {770, "This is the ninth glyph of"},
        {776, "If you were born on a 'White"},
        {761, "'Blue Monkey' persons are very energetic"},
        {666, "Great wisdom and mystic capabilities"},
        {849, "People born on the days of 'Red"},
        {604, "This is the 14th glyph of the"},
        {664, "'Blue Eagle' is the 15the glyph"},
        {692, "As the name suggests, 'Yellow Warrior'"},
        {760, "The 'Red Earth' person is always"},
        {617, "This is the 18th glyph of"},
        {666, "'Blue Storm' is the 19th glyph"},
        {612, "The last glyph of the Mayan birth"},
    }};
    for (Glyph g = 0; g < GlyphCount; ++g) {
        const std::string& text = Description(g);
        const auto& want = expected[static_cast<std::size_t>(g)];
        SCOPED_TRACE("glyph " + std::to_string(g));
        EXPECT_TRUE(startsWith(text, want.opening)) << text.substr(0, 60);
        EXPECT_GE(text.size(), 604u);
        EXPECT_LE(text.size(), 912u);
        EXPECT_GE(text.size() * 100, want.length * 95);
        EXPECT_LE(text.size() * 100, want.length * 105);
        EXPECT_EQ(text.find_first_of("\r\n\t"), std::string::npos);
        EXPECT_EQ(text.front(), want.opening.front());
        EXPECT_NE(text.back(), ' ');
    }
}

TEST(Catalogue, DescriptionsCloseByNamingAnotherGlyph) {
    // Every description but the first ends by naming the glyph its people get
    // along with best (and mostly the one that challenges them).
    int namingTwo = 0;
    for (Glyph g = 1; g < GlyphCount; ++g) {
        const std::string& text = Description(g);
        const std::string_view closing = std::string_view(text).substr(text.size() - 260);
        int others = 0;
        for (Glyph other = 0; other < GlyphCount; ++other) {
            if (other != g && closing.find(GlyphName(other)) != std::string_view::npos) {
                ++others;
            }
        }
        EXPECT_GE(others, 1) << "glyph " << g << " closes without naming another glyph";
        namingTwo += others >= 2 ? 1 : 0;
    }
    EXPECT_GE(namingTwo, 10);
}

TEST(Catalogue, FillingWritesTheSameValuesAgain) {
    // Every entry as a reading sees it, and where it lives: a fill may not
    // change a value, add to it, shift rows, or move what callers hold.
    const auto everything = [] {
        std::vector<std::pair<const std::string*, std::string>> entries;
        for (Glyph g = 0; g < GlyphCount; ++g) {
            for (const std::string* entry : {&SignLabel(g), &GlyphName(g), &Description(g), &PictureName(g)}) {
                entries.emplace_back(entry, *entry);
            }
        }
        for (Position p = 0; p < PositionCount; ++p) {
            for (const std::string* entry : {&Caption(p), &Explanation(p), &Heading(p)}) entries.emplace_back(entry, *entry);
        }
        return entries;
    };
    const auto before = everything();
    const std::string& held = GlyphName(7);
    FillCatalogue();
    FillCatalogue();
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(held, "Yellow Star");
    EXPECT_EQ(Heading(3), "The Glyph in the Ally Position is: ");
    EXPECT_EQ(PictureName(9), "1OOc.jpg");
}

TEST(Catalogue, IndicesOutsideTheTablesAreRefused) {
    EXPECT_THROW(GlyphName(20), std::out_of_range);
    EXPECT_THROW(SignLabel(-1), std::out_of_range);
    EXPECT_THROW(PictureNumber(20), std::out_of_range);
    EXPECT_THROW(Caption(5), std::out_of_range);
    EXPECT_THROW(Heading(-1), std::out_of_range);
}
