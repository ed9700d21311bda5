#include "engine/Catalogue.h"
#include "engine/Descriptions.h"
#include "engine/Translation.h"

#include <QDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
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

// Each description starts with fixed words and keeps to about a set length.
struct DescriptionRule {
    std::size_t length;
    std::string_view opening;
};
constexpr std::array<DescriptionRule, GlyphCount> kDescriptionRules{{
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
    {664, "'Blue Eagle' is the 15th glyph"},
    {692, "As the name suggests, 'Yellow Warrior'"},
    {760, "The 'Red Earth' person is always"},
    {617, "This is the 18th glyph of"},
    {666, "'Blue Storm' is the 19th glyph"},
    {612, "The last glyph of the Mayan birth"},
}};

// Lower-case words with punctuation stripped: a word is a run of letters and
// digits (any byte of a UTF-8 sequence counts as a letter, so "dragón" is one
// word), and an apostrophe inside it ("don't") stays; anything else, hyphens
// and the single quotes around glyph names included, separates words. Only
// ASCII letters are lower-cased.
std::vector<std::string> words(std::string_view text) {
    const auto isLetter = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || static_cast<unsigned char>(c) >= 0x80;
    };
    std::vector<std::string> result;
    std::string word;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isLetter(c)) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (c == '\'' && !word.empty() && i + 1 < text.size() && isLetter(text[i + 1])) {
            word += c;
        } else if (!word.empty()) {
            result.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) result.push_back(std::move(word));
    return result;
}

// Every language the program speaks: English, its own, and each compiled
// translation, whose texts reach the catalogue as they do in the program.
class Language {
public:
    explicit Language(std::string code, std::unique_ptr<QTranslator> translator = nullptr)
        : code_(std::move(code)), translator_(std::move(translator)) {}
    const std::string& code() const { return code_; }
    bool english() const { return !translator_; }

    // Fills the catalogue in this language for as long as it lives.
    class Speaking {
    public:
        explicit Speaking(const Language& language) {
            current() = language.translator_.get();
            SetTranslation(current() ? translated : nullptr);
        }
        ~Speaking() {
            current() = nullptr;
            SetTranslation(nullptr);
        }
        Speaking(const Speaking&) = delete;
        Speaking& operator=(const Speaking&) = delete;

    private:
        static const QTranslator*& current() {
            static const QTranslator* translator = nullptr;
            return translator;
        }
        static std::string translated(const char* context, const char* text) {
            const QString translation = current()->translate(context, text);
            return translation.isEmpty() ? std::string(text) : translation.toStdString();
        }
    };

private:
    std::string code_;
    std::unique_ptr<QTranslator> translator_;
};

std::vector<Language> languages() {
    std::vector<Language> all;
    all.emplace_back("en");
    const QDir folder(QStringLiteral(KV_TRANSLATIONS));
    for (const QString& file : folder.entryList({QStringLiteral("kvyaxkelen_*.qm")}, QDir::Files)) {
        auto translator = std::make_unique<QTranslator>();
        EXPECT_TRUE(translator->load(folder.filePath(file))) << file.toStdString();
        all.emplace_back(file.mid(11).chopped(3).toStdString(), std::move(translator));
    }
    EXPECT_GT(all.size(), 1u) << "no translation in " << KV_TRANSLATIONS;
    return all;
}

std::string DescriptionInEnglish(Glyph g) { return std::string(kDescriptionTexts[static_cast<std::size_t>(g)]); }

constexpr Glyph kNone = -1;

struct Companions {
    Glyph best = kNone;
    Glyph challenge = kNone;
};

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// "-" or a catalogue name; anything else is a fault in the table.
Glyph companionNamed(const std::string& name) {
    if (name == "-") return kNone;
    for (Glyph g = 0; g < GlyphCount; ++g) {
        if (GlyphName(g) == name) return g;
    }
    ADD_FAILURE() << "companions table names an unknown glyph: " << name;
    return kNone;
}

// The table beside the texts: one row per glyph in catalogue order,
// "glyph | best | challenge"; lines starting with '#' are comments.
std::vector<Companions> readCompanionsTable() {
    std::ifstream file(KV_COMPANIONS_TABLE);
    EXPECT_TRUE(file.is_open()) << "cannot open " << KV_COMPANIONS_TABLE;
    std::vector<Companions> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (trimmed(line).empty() || line.front() == '#') continue;
        const auto bar1 = line.find('|');
        const auto bar2 = bar1 == std::string::npos ? bar1 : line.find('|', bar1 + 1);
        if (bar2 == std::string::npos || line.find('|', bar2 + 1) != std::string::npos) {
            ADD_FAILURE() << "companions row is not glyph | best | challenge: " << line;
            continue;
        }
        const auto row = static_cast<Glyph>(rows.size());
        EXPECT_TRUE(row < GlyphCount && trimmed(line.substr(0, bar1)) == GlyphName(row))
            << "companions row " << row << " out of catalogue order: " << line;
        rows.push_back({companionNamed(trimmed(line.substr(bar1 + 1, bar2 - bar1 - 1))),
                        companionNamed(trimmed(line.substr(bar2 + 1)))});
    }
    return rows;
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
    for (Glyph g = 0; g < GlyphCount; ++g) {
        const std::string& text = Description(g);
        const auto& want = kDescriptionRules[static_cast<std::size_t>(g)];
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

TEST(Catalogue, ClosingsFollowTheCompanionsTable) {
    const std::vector<Companions> table = readCompanionsTable();
    ASSERT_EQ(table.size(), static_cast<std::size_t>(GlyphCount));
    const auto companionsOf = [&table](Glyph g) { return table[static_cast<std::size_t>(g)]; };

    // The table itself: the first glyph names no one, every other one names a
    // best companion; a best companion answers in kind or names no one, and
    // no pair is best and challenge to each other at once.
    EXPECT_EQ(companionsOf(0).best, kNone);
    EXPECT_EQ(companionsOf(0).challenge, kNone);
    for (Glyph a = 1; a < GlyphCount; ++a) {
        const Companions row = companionsOf(a);
        SCOPED_TRACE("companions of " + GlyphName(a));
        ASSERT_NE(row.best, kNone);
        EXPECT_NE(row.best, a);
        EXPECT_NE(row.challenge, a);
        EXPECT_NE(row.challenge, row.best);
        const Companions answer = companionsOf(row.best);
        EXPECT_TRUE(answer.best == a || answer.best == kNone) << GlyphName(row.best);
        EXPECT_NE(answer.challenge, a) << GlyphName(row.best);
    }

    // In every language, each text names other glyphs only in its last two
    // sentences, in single quotes, exactly its row's companions (by their
    // names in that language) with the best one first, and it ends on them:
    // the last sentence names at least one.
    for (const Language& language : languages()) {
        const Language::Speaking speaking(language);
        SCOPED_TRACE("language " + language.code());
        for (Glyph g = 0; g < GlyphCount; ++g) {
            const std::string& text = Description(g);
            SCOPED_TRACE("glyph " + std::to_string(g));
            EXPECT_EQ(text.find_first_of("\r\n\t"), std::string::npos);
            if (!language.english()) {
                EXPECT_NE(text, DescriptionInEnglish(g)) << "not translated";
            }
            std::vector<std::size_t> sentenceEnds;
            for (std::size_t i = 0; i + 1 < text.size(); ++i) {
                if ((text[i] == '.' || text[i] == '!' || text[i] == '?') && text[i + 1] == ' ') sentenceEnds.push_back(i);
            }
            const std::size_t lastSentence = sentenceEnds.empty() ? 0 : sentenceEnds.back() + 2;
            const std::size_t closing = sentenceEnds.size() < 2 ? 0 : sentenceEnds[sentenceEnds.size() - 2] + 2;

            std::vector<std::pair<std::size_t, Glyph>> named;
            for (Glyph other = 0; other < GlyphCount; ++other) {
                if (other == g) continue;
                const std::string& name = GlyphName(other);
                for (auto pos = text.find(name); pos != std::string::npos; pos = text.find(name, pos + 1)) {
                    EXPECT_TRUE(pos > 0 && text[pos - 1] == '\'' && text.compare(pos + name.size(), 1, "'") == 0)
                        << name << " without its single quotes";
                    EXPECT_GE(pos, closing) << name << " named before the closing";
                    named.emplace_back(pos, other);
                }
            }
            std::sort(named.begin(), named.end());
            std::vector<Glyph> namedGlyphs;
            for (const auto& [position, glyph] : named) namedGlyphs.push_back(glyph);
            std::vector<Glyph> expected;
            for (const Glyph companion : {companionsOf(g).best, companionsOf(g).challenge}) {
                if (companion != kNone) expected.push_back(companion);
            }
            EXPECT_EQ(namedGlyphs, expected);
            if (!named.empty()) {
                EXPECT_GE(named.back().first, lastSentence) << "the text does not close on its companions";
            }
        }
    }
}

TEST(Catalogue, NoThreeWordRunIsSharedByMoreThanThreeDescriptions) {
    // A run is three consecutive words (see words()) of a description, none of
    // them part of its fixed opening (English has them) or of a glyph's name,
    // and not all of them small words of its language. Runs that many texts
    // share read as a template.
    const std::map<std::string, std::set<std::string>> smallWords{
        {"en", {"a", "an", "the", "you", "your", "are", "is", "be", "to", "of", "in", "on", "and", "or", "with",
                "for", "as", "that", "it", "have", "has"}},
        {"es", {"el",  "la",  "los", "las", "un",  "una", "unos", "unas", "de",  "del", "al", "a",   "en",
                "y",   "e",   "o",   "u",   "que", "tu",  "tus",  "te",   "ti",  "se",  "su", "sus", "es",
                "son", "ser", "eres", "con", "por", "para", "lo", "le", "les", "como", "no", "más", "mas",
                "muy", "sin"}},
    };
    for (const Language& language : languages()) {
        const Language::Speaking speaking(language);
        SCOPED_TRACE("language " + language.code());
        ASSERT_EQ(smallWords.count(language.code()), 1u) << "no small words for " << language.code();
        const std::set<std::string>& small = smallWords.at(language.code());
        std::vector<std::vector<std::string>> names;
        for (Glyph g = 0; g < GlyphCount; ++g) names.push_back(words(GlyphName(g)));
        std::map<std::string, std::set<Glyph>> textsByRun;
        for (Glyph g = 0; g < GlyphCount; ++g) {
            const std::vector<std::string> text = words(Description(g));
            std::vector<bool> excluded(text.size(), false);
            if (language.english()) {
                const std::string_view opening = kDescriptionRules[static_cast<std::size_t>(g)].opening;
                std::fill_n(excluded.begin(), std::min(words(opening).size(), text.size()), true);
            }
            for (const auto& name : names) {
                for (std::size_t i = 0; i + name.size() <= text.size(); ++i) {
                    if (std::equal(name.begin(), name.end(), text.begin() + static_cast<std::ptrdiff_t>(i))) {
                        std::fill_n(excluded.begin() + static_cast<std::ptrdiff_t>(i), name.size(), true);
                    }
                }
            }
            const auto counts = [&](std::size_t i) { return !excluded[i]; };
            const auto isSmall = [&](std::size_t i) { return small.count(text[i]) != 0; };
            for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
                if (counts(i) && counts(i + 1) && counts(i + 2) && !(isSmall(i) && isSmall(i + 1) && isSmall(i + 2))) {
                    textsByRun[text[i] + ' ' + text[i + 1] + ' ' + text[i + 2]].insert(g);
                }
            }
        }
        for (const auto& [run, glyphs] : textsByRun) {
            if (glyphs.size() > 3) {
                std::string which;
                for (const Glyph g : glyphs) which += ' ' + std::to_string(g);
                ADD_FAILURE() << '"' << run << "\" appears in the descriptions of glyphs" << which;
            }
        }
    }
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
