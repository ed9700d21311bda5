#include "engine/Catalogue.h"
#include "engine/Draw.h"
#include "engine/ReadingRoutine.h"
#include "tests/support/RecordingTarget.h"
#include "tests/support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace modMayanTarot;

namespace {

std::vector<float> valuesFor(std::initializer_list<int> glyphs) {
    std::vector<float> values;
    for (const int g : glyphs) values.push_back(valueForGlyph(g));
    return values;
}

std::size_t count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

}  // namespace

TEST(ReadingRoutine, StartsFromAnEmptyLoadedTargetWithEmphasisAndSizeForTheTitle) {
    ScopedScript scripted(valuesFor({0, 1, 2, 3, 4}));
    RecordingTarget target;
    ComposeReading(target);
    const std::vector<std::string> opening(target.operations.begin(), target.operations.begin() + 6);
    EXPECT_EQ(opening, (std::vector<std::string>{"load", "text=", "emphasis on", "size=10", "insert",
                                                 "emphasis off"}));
    EXPECT_EQ(target.runs.front().text, "KV Yaxkelen Reading\r\n\r\n");
    for (const auto& run : target.runs) EXPECT_EQ(run.size, 10);
    EXPECT_EQ(std::count(target.operations.begin(), target.operations.end(), "size=10"), 1);
}

TEST(ReadingRoutine, DocumentHasFiftyTwoLineBreaksAndNoStrayOnes) {
    ScopedScript scripted(valuesFor({19, 0, 5, 9, 13}));
    RecordingTarget target;
    ComposeReading(target);
    const std::string document = target.document();
    EXPECT_EQ(count(document, "\r\n"), 52u);
    EXPECT_EQ(count(document, "\r"), 52u);
    EXPECT_EQ(count(document, "\n"), 52u);
    // It ends with the last description, a line break and an empty line.
    EXPECT_TRUE(document.ends_with(Description(13) + "\r\n\r\n"));
}

TEST(ReadingRoutine, OnlyTheTitleCaptionsAndLabelsAreEmphasised) {
    ScopedScript scripted(valuesFor({3, 14, 8, 1, 17}));
    RecordingTarget target;
    ComposeReading(target);
    std::vector<std::string> emphasised;
    std::vector<std::string> plain;
    for (const auto& run : target.runs) (run.emphasised ? emphasised : plain).push_back(run.text);

    std::vector<std::string> expected{"KV Yaxkelen Reading\r\n\r\n"};
    for (Position k = 0; k < PositionCount; ++k) {
        expected.push_back(Caption(k) + "\r\n");
        expected.insert(expected.end(), {"Sign: \r\n", "Name: \r\n", "Description: \r\n"});
    }
    EXPECT_EQ(emphasised, expected);
    ASSERT_EQ(plain.size(), 25u);
    for (const auto& text : plain) {
        EXPECT_EQ(text.find("Sign: "), std::string::npos);
        EXPECT_EQ(text.find("Name: "), std::string::npos);
    }
}

TEST(ReadingRoutine, EachBlockPairsItsTextsWithItsPicture) {
    ScopedScript scripted(valuesFor({0, 19, 9, 4, 11}));
    RecordingTarget target;
    ComposeReading(target);
    const Reading& reading = CurrentReading();
    ASSERT_EQ(reading, (Reading{{0, 19, 9, 4, 11}}));
    EXPECT_EQ(target.pictures, (std::array<int, 5>{1, 20, 10, 5, 12}));

    // Block k: nine runs after the title, in this order, preceded by the
    // picture of its glyph.
    for (Position k = 0; k < PositionCount; ++k) {
        const Glyph g = reading.slot[static_cast<std::size_t>(k)];
        const auto first = 1 + static_cast<std::size_t>(k) * 9;
        const std::vector<std::string> block{
            Caption(k) + "\r\n",       Explanation(k) + "\r\n", Heading(k) + "\r\n",
            "Sign: \r\n",              SignLabel(g) + "\r\n",   "Name: \r\n",
            GlyphName(g) + "\r\n",     "Description: \r\n",     Description(g) + "\r\n\r\n"};
        for (std::size_t i = 0; i < block.size(); ++i) {
            EXPECT_EQ(target.runs.at(first + i).text, block[i]) << "block " << k << " run " << i;
        }
        // The heading keeps its blank before the line break.
        EXPECT_TRUE(target.runs.at(first + 2).text.ends_with(" Position is: \r\n"));
        const std::string picture = "picture " + std::to_string(k) + "=" + std::to_string(g + 1);
        const auto at = std::find(target.operations.begin(), target.operations.end(), picture);
        ASSERT_NE(at, target.operations.end()) << picture;
        EXPECT_EQ(*(at + 1), "emphasis on");
    }
}

TEST(ReadingRoutine, ASecondReadingReplacesTheWholeDocument) {
    ScopedScript scripted(valuesFor({1, 2, 3, 4, 5, 6, 7, 8, 10, 12}));
    RecordingTarget target;
    ComposeReading(target);
    ComposeReading(target);
    EXPECT_EQ(CurrentReading(), (Reading{{6, 7, 8, 10, 12}}));
    EXPECT_EQ(std::count(target.operations.begin(), target.operations.end(), "text="), 2);
    EXPECT_EQ(target.pictures, (std::array<int, 5>{7, 8, 9, 11, 13}));
    EXPECT_EQ(target.document().find(GlyphName(1)), std::string::npos);
    EXPECT_EQ(count(target.document(), "\r\n"), 52u);
}

TEST(ReadingRoutine, AFailingStepEndsTheRoutineThere) {
    ScopedScript scripted(valuesFor({1, 2, 3, 4, 5}));
    RecordingTarget target;
    target.failAt = 9;  // somewhere inside the first block
    EXPECT_THROW(ComposeReading(target), std::runtime_error);
    EXPECT_EQ(target.operations.size(), 9u);
    // The draw had already happened.
    EXPECT_EQ(CurrentReading(), (Reading{{1, 2, 3, 4, 5}}));
}
