#pragma once
// Composing a reading: the draw, then the document of five position blocks
// and the five pictures, written into whatever offers the operations below
// (the result window, or a plain rich-text document).

#include "engine/Catalogue.h"

#include <string_view>

namespace modMayanTarot {

inline constexpr std::string_view kLineBreak = "\r\n";

class ReadingTarget {
public:
    virtual ~ReadingTarget() = default;
    // Makes the target exist without showing it (a no-op when it already does).
    virtual void load() = 0;
    virtual void setWholeText(std::string_view text) = 0;
    // Character attributes of the insertion point, for text inserted afterwards.
    virtual void setEmphasis(bool on) = 0;
    virtual void setTextSize(int size) = 0;
    // Inserts at the insertion point and leaves it after the new text.
    virtual void insertText(std::string_view text) = 0;
    // Puts picture number `pictureNumber` (1 .. 20) of the picture list into
    // picture box `box` (0 .. 4).
    virtual void setPicture(int box, int pictureNumber) = 0;
};

// The reading routine: draws a new reading, fills the catalogue, and composes
// the document and pictures into the target, which it never shows. A target
// operation that throws ends the routine at that step; the caller decides
// what happens next.
void ComposeReading(ReadingTarget& target);

// Writes the document and pictures of an already drawn reading.
void WriteReading(ReadingTarget& target, const Reading& reading);

}  // namespace modMayanTarot
