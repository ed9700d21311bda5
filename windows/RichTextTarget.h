#pragma once
// The reading document written into a Qt rich-text document: bold renders
// the emphasis and the text size is a point size.

#include "engine/ReadingRoutine.h"

#include <QTextCharFormat>
#include <QTextCursor>

#include <array>

class QTextDocument;

class RichTextTarget : public modMayanTarot::ReadingTarget {
public:
    explicit RichTextTarget(QTextDocument& document);
    // Ends the edit that setWholeText began: the document's layout hears
    // of the whole reading once, not of every run.
    ~RichTextTarget() override;
    RichTextTarget(const RichTextTarget&) = delete;
    RichTextTarget& operator=(const RichTextTarget&) = delete;

    void load() override {}
    void setWholeText(std::string_view text) override;
    void setEmphasis(bool on) override;
    void setTextSize(int size) override;
    void insertText(std::string_view text) override;
    // A bare document has no picture boxes: it keeps the numbers it was given.
    void setPicture(int box, int pictureNumber) override;

    const std::array<int, 5>& pictureNumbers() const { return pictures_; }
    const QTextCursor& cursor() const { return cursor_; }

    // Qt keeps paragraphs, not line-break characters: each CR LF pair (or a
    // lone CR or LF) becomes one paragraph break.
    static QString toDocumentText(std::string_view text);

private:
    QTextDocument& document_;
    QTextCursor cursor_;
    QTextCharFormat format_;
    std::array<int, 5> pictures_{};
    bool editing_ = false;
};
