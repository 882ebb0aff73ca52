#include "accessible_text_box.h"

#include <QAccessibleWidget>

#include "accessible_role.h"
#include "text_box.h"
#include "window.h"

namespace tk {
namespace {

class AccessibleTextBox : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit AccessibleTextBox(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = Box().isReadOnly();
        state.editable = !state.readOnly;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? Box().text() : QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString& text) override {
        if (kind == QAccessible::Value) {
            Box().EnterText(0, characterCount(), text);
        } else {
            QAccessibleWidget::setText(kind, text);
        }
    }

    // The text, the caret and the selection.
    QString text(int start, int end) const override { return Box().text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Box().text().size()); }
    int cursorPosition() const override { return Box().cursorPosition(); }
    int selectionCount() const override { return Box().hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        const bool selected = index == 0 && Box().hasSelectedText();
        *start = selected ? Box().selectionStart() : 0;
        *end = selected ? Box().selectionEnd() : 0;
    }
    // The caret and the selection (which "Copy" reads) move only while the window takes input.
    void setCursorPosition(int position) override {
        if (TakesInput(Box())) Box().setCursorPosition(position);
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void setSelection(int index, int start, int end) override {
        if (index == 0 && TakesInput(Box())) Box().setSelection(start, end - start);
    }
    void removeSelection(int index) override {
        if (index == 0 && TakesInput(Box())) Box().deselect();
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;  // a line edit has no text attributes
        return {};
    }
    void scrollToSubstring(int start, int end) override {
        setCursorPosition(end);
        setCursorPosition(start);
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Box().cursorPositionAt(Box().mapFromGlobal(point));
    }
    QRect characterRect(int offset) const override {
        return Box().CharacterRect(offset).translated(Box().mapToGlobal(QPoint(0, 0)));
    }

    // Writes, as pasted text.
    void insertText(int offset, const QString& text) override { Box().EnterText(offset, offset, text); }
    void deleteText(int start, int end) override { Box().EnterText(start, end, {}); }
    void replaceText(int start, int end, const QString& text) override { Box().EnterText(start, end, text); }

private:
    TextBox& Box() const { return *static_cast<TextBox*>(widget()); }
};

}  // namespace

void ExposeTextBoxesToScreenReaders() { ExposeToScreenReadersAs<TextBox, AccessibleTextBox>(); }

}  // namespace tk
