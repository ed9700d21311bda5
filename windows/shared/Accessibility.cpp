#include "windows/shared/Accessibility.h"

#include "windows/shared/Controls.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTextBoundaryFinder>

namespace {

// A clickable caption: a link named by its caption, whose one action opens
// its page, as a click does.
class AccessibleLink final : public QAccessibleWidget {
public:
    explicit AccessibleLink(ClickLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isVisible()) static_cast<ClickLabel*>(widget())->activate();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// A single-line text box, told through its public interface. Qt's own
// answer to "the word (or sentence) at this offset" never returns when the
// offset is the end of the text or falls before a word (Qt 6.4); a screen
// reader asks just that when the caret stands at the end.
class AccessibleLineEdit final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
    explicit AccessibleLineEdit(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return shown();
        return QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString& value) override {
        if (kind == QAccessible::Value && !box()->isReadOnly()) {
            box()->setText(value);
        } else {
            QAccessibleWidget::setText(kind, value);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        state.selectableText = true;
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        return state;
    }

    // Text.
    void selection(int index, int* start, int* end) const override {
        *start = *end = -1;
        if (index != 0 || !box()->hasSelectedText()) return;
        *start = box()->selectionStart();
        *end = *start + static_cast<int>(box()->selectedText().size());
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) box()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    QRect characterRect(int offset) const override {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty()) return {};
        const QFontMetrics metrics(box()->font());
        const QRect inner = box()->contentsRect().marginsRemoved(box()->textMargins());
        const QRect rect(inner.left() + metrics.horizontalAdvance(shown().left(offset)),
                         inner.top() + (inner.height() - metrics.height()) / 2,
                         metrics.horizontalAdvance(character), metrics.height());
        return {box()->mapToGlobal(rect.topLeft()), rect.size()};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        return QAccessibleTextInterface::textBeforeOffset(at(offset), boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        return QAccessibleTextInterface::textAfterOffset(at(offset), boundary, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start, int* end) const override {
        offset = at(offset);
        if (boundary == QAccessible::WordBoundary) return item(QTextBoundaryFinder::Word, offset, start, end);
        if (boundary == QAccessible::SentenceBoundary) return item(QTextBoundaryFinder::Sentence, offset, start, end);
        return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
    }

    // Editable text.
    void deleteText(int start, int end) override { box()->setText(box()->text().remove(start, end - start)); }
    void insertText(int offset, const QString& text) override { box()->setText(box()->text().insert(offset, text)); }
    void replaceText(int start, int end, const QString& text) override {
        box()->setText(box()->text().replace(start, end - start, text));
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }

    // The text as a screen reader may have it: hidden where it is masked.
    QString shown() const {
        if (box()->echoMode() == QLineEdit::Normal) return box()->text();
        if (box()->echoMode() == QLineEdit::NoEcho) return {};
        return QString(box()->text().size(), QLatin1Char('*'));
    }

    // -1 stands for the end of the text, -2 for the caret.
    int at(int offset) const {
        if (offset == -1) return characterCount();
        if (offset == -2) return cursorPosition();
        return offset;
    }

    // The word or sentence (or the run between two) holding the offset; at
    // the end of the text, the last one. Walks the boundaries once, forward.
    QString item(QTextBoundaryFinder::BoundaryType type, int offset, int* start, int* end) const {
        const QString text = shown();
        const int length = static_cast<int>(text.size());
        *start = *end = -1;
        if (length == 0 || offset < 0 || offset > length) return {};
        const int inside = std::min(offset, length - 1);
        QTextBoundaryFinder boundaries(type, text);
        int from = 0;
        int to = length;
        for (qsizetype next = boundaries.toNextBoundary(); next > 0; next = boundaries.toNextBoundary()) {
            if (next <= inside) {
                from = static_cast<int>(next);
            } else {
                to = static_cast<int>(next);
                break;
            }
        }
        *start = from;
        *end = to;
        return text.mid(from, to - from);
    }
};

// Qt asks for the object's own class first, then for each class it derives
// from; the kinds are told apart by type, so that subclasses and renamed
// classes keep their interface.
QAccessibleInterface* programAccessibility(const QString&, QObject* object) {
    if (auto* link = qobject_cast<ClickLabel*>(object)) return new AccessibleLink(link);
    if (auto* window = qobject_cast<DialogWindow*>(object)) return new QAccessibleWidget(window, QAccessible::Dialog);
    if (auto* box = qobject_cast<QLineEdit*>(object)) return new AccessibleLineEdit(box);
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(programAccessibility);
        return true;
    }();
    (void)installed;
}
