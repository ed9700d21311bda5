#include "windows/RichTextTarget.h"

#include <QTextDocument>

RichTextTarget::RichTextTarget(QTextDocument& document)
    : document_(document), cursor_(&document) {}

RichTextTarget::~RichTextTarget() {
    if (editing_) cursor_.endEditBlock();
}

QString RichTextTarget::toDocumentText(std::string_view text) {
    QString converted = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    converted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return converted;
}

void RichTextTarget::setWholeText(std::string_view text) {
    if (editing_) cursor_.endEditBlock();
    document_.setPlainText(toDocumentText(text));
    cursor_ = QTextCursor(&document_);
    format_ = cursor_.charFormat();
    cursor_.beginEditBlock();
    editing_ = true;
}

void RichTextTarget::setEmphasis(bool on) {
    format_.setFontWeight(on ? QFont::Bold : QFont::Normal);
}

void RichTextTarget::setTextSize(int size) { format_.setFontPointSize(size); }

void RichTextTarget::insertText(std::string_view text) {
    cursor_.insertText(toDocumentText(text), format_);
}

void RichTextTarget::setPicture(int box, int pictureNumber) {
    pictures_.at(static_cast<std::size_t>(box)) = pictureNumber;
}
