#pragma once
// The reading routine's target on the real result window: loading the
// window (hidden), its rich-text box RTB and its picture boxes.

#include "engine/ReadingRoutine.h"
#include "windows/RichTextTarget.h"

#include <QPointer>

#include <memory>

class frmMayanTarotResult;

class ResultWindowTarget final : public modMayanTarot::ReadingTarget {
public:
    ResultWindowTarget();
    ~ResultWindowTarget() override;

    // Loads the result window without showing it.
    void load() override;
    void setWholeText(std::string_view text) override;
    void setEmphasis(bool on) override;
    void setTextSize(int size) override;
    void insertText(std::string_view text) override;
    void setPicture(int box, int pictureNumber) override;

private:
    RichTextTarget& text();
    // The window whose document text_ writes into: a window loaded anew
    // (should the old one go meanwhile) gets a writer of its own.
    QPointer<frmMayanTarotResult> window_;
    std::unique_ptr<RichTextTarget> text_;
};
