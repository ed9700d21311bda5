#include "tests/support/QtPrinters.h"
#include "engine/Catalogue.h"
#include "engine/Draw.h"
#include "tests/support/ScriptedRandom.h"
#include "windows/RichTextTarget.h"

#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace modMayanTarot;

namespace {

struct Fragment {
    QString text;
    bool bold;
    qreal pointSize;
};

// The document as Qt holds it, fragment by fragment, with paragraph breaks
// written back as "\n".
std::vector<Fragment> fragments(const QTextDocument& document) {
    std::vector<Fragment> result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            result.push_back({fragment.text(), format.fontWeight() == QFont::Bold, format.fontPointSize()});
        }
        result.push_back({QStringLiteral("\n"), false, 0});
    }
    return result;
}

std::vector<float> valuesFor(std::initializer_list<int> glyphs) {
    std::vector<float> values;
    for (const int g : glyphs) values.push_back(valueForGlyph(g));
    return values;
}

QString q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TEST(RichTextTarget, LineBreaksBecomeParagraphs) {
    EXPECT_EQ(RichTextTarget::toDocumentText("a\r\nb\r\n\r\nc"), QStringLiteral("a\nb\n\nc"));
    EXPECT_EQ(RichTextTarget::toDocumentText("a\rb\nc"), QStringLiteral("a\nb\nc"));
    QTextDocument document;
    RichTextTarget target(document);
    target.setWholeText("");
    target.insertText("one\r\ntwo\r\n");
    EXPECT_EQ(document.blockCount(), 3);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("one\ntwo\n"));
}

TEST(RichTextTarget, HoldsTheWholeReadingWithBoldLabelsAtTenPoints) {
    ScopedScript scripted(valuesFor({2, 7, 0, 19, 16}));
    QTextDocument document;
    RichTextTarget target(document);
    ComposeReading(target);

    const QString text = document.toPlainText();
    EXPECT_EQ(text.count(QLatin1Char('\n')), 52);
    EXPECT_EQ(document.blockCount(), 53);
    EXPECT_TRUE(text.startsWith(QStringLiteral("KV Yaxkelen Reading\n\nGuide\nGuide Position: ")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nThe Glyph in the Occult Position is: \nSign: \n")));
    EXPECT_TRUE(text.endsWith(q(Description(16)) + QStringLiteral("\n\n")));

    QStringList bold;
    for (const Fragment& fragment : fragments(document)) {
        if (fragment.text == QStringLiteral("\n")) continue;
        EXPECT_EQ(fragment.pointSize, 10.0) << fragment.text.toStdString();
        if (fragment.bold) bold << fragment.text;
    }
    QStringList expected{QStringLiteral("KV Yaxkelen Reading")};
    for (Position k = 0; k < PositionCount; ++k) {
        expected << q(Caption(k)) << QStringLiteral("Sign: ") << QStringLiteral("Name: ")
                 << QStringLiteral("Description: ");
    }
    EXPECT_EQ(bold, expected);
    EXPECT_EQ(target.pictureNumbers(), (std::array<int, 5>{3, 8, 1, 20, 17}));
    // The insertion point is left at the end of the document.
    EXPECT_TRUE(target.cursor().atEnd());
}

TEST(RichTextTarget, ASecondReadingLeavesNothingOfTheFirst) {
    ScopedScript scripted(valuesFor({4, 5, 6, 8, 10, 12, 13, 14, 15, 18}));
    QTextDocument document;
    RichTextTarget target(document);
    ComposeReading(target);
    ComposeReading(target);
    const QString text = document.toPlainText();
    for (const Glyph old : {4, 5, 6, 8, 10}) {
        // Names stand on lines of their own; descriptions may mention them too.
        EXPECT_FALSE(text.contains(QStringLiteral("\n") + q(GlyphName(old)) + QStringLiteral("\n")))
            << GlyphName(old);
    }
    for (const Glyph now : {12, 13, 14, 15, 18}) {
        EXPECT_TRUE(text.contains(QStringLiteral("\n") + q(GlyphName(now)) + QStringLiteral("\n")));
    }
    EXPECT_EQ(document.blockCount(), 53);
    EXPECT_EQ(text.count(QStringLiteral("KV Yaxkelen Reading")), 1);
}
