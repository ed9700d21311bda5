#include "engine/ReadingRoutine.h"

#include "engine/Catalogue.h"
#include "engine/Draw.h"
#include "engine/Translation.h"

#include <string>

namespace modMayanTarot {
namespace {

std::string line(std::string_view text) {
    std::string result(text);
    result += kLineBreak;
    return result;
}

void insertEmphasised(ReadingTarget& target, std::string_view text) {
    target.setEmphasis(true);
    target.insertText(line(text));
    target.setEmphasis(false);
}

}  // namespace

void WriteReading(ReadingTarget& target, const Reading& reading) {
    target.load();
    target.setWholeText("");
    target.setEmphasis(true);
    target.setTextSize(10);
    target.insertText(line(line(Translated("Reading", KV_TRANSLATABLE("Reading", "KV Yaxkelen Reading")))));
    target.setEmphasis(false);

    for (Position k = 0; k < PositionCount; ++k) {
        const Glyph g = reading.slot[static_cast<std::size_t>(k)];
        target.setPicture(k, PictureNumber(g));

        insertEmphasised(target, Caption(k));
        target.insertText(line(Explanation(k)));
        target.insertText(line(Heading(k)));
        insertEmphasised(target, Translated("Reading", KV_TRANSLATABLE("Reading", "Sign: ")));
        target.insertText(line(SignLabel(g)));
        insertEmphasised(target, Translated("Reading", KV_TRANSLATABLE("Reading", "Name: ")));
        target.insertText(line(GlyphName(g)));
        insertEmphasised(target, Translated("Reading", KV_TRANSLATABLE("Reading", "Description: ")));
        target.insertText(line(line(Description(g))));
    }
}

void ComposeReading(ReadingTarget& target) {
    Draw();
    FillCatalogue();
    WriteReading(target, CurrentReading());
}

}  // namespace modMayanTarot
