#include "windows/ResultWindowTarget.h"

#include "windows/shared/Forms.h"
#include "windows/frmMayanTarotResult.h"

#include <QTextEdit>

ResultWindowTarget::ResultWindowTarget() = default;
ResultWindowTarget::~ResultWindowTarget() = default;

void ResultWindowTarget::load() {
    frmMayanTarotResult& window = Forms::Load<frmMayanTarotResult>();
    if (window_ != &window || !text_) {
        window_ = &window;
        text_ = std::make_unique<RichTextTarget>(*window.RTB->document());
    }
}

RichTextTarget& ResultWindowTarget::text() {
    load();
    return *text_;
}

void ResultWindowTarget::setWholeText(std::string_view value) { text().setWholeText(value); }
void ResultWindowTarget::setEmphasis(bool on) { text().setEmphasis(on); }
void ResultWindowTarget::setTextSize(int size) { text().setTextSize(size); }
void ResultWindowTarget::insertText(std::string_view value) { text().insertText(value); }

void ResultWindowTarget::setPicture(int box, int pictureNumber) {
    Forms::Load<frmMayanTarotResult>().SetPicture(box, pictureNumber);
}
