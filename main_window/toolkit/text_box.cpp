#include "text_box.h"

#include "colour_value.h"
#include "key_codes.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QValidator>
#include <algorithm>
#include <utility>

namespace tk {
namespace {

constexpr char32_t kLargestCodePoint = 0x10FFFF;

bool IsControlCharacter(char32_t code) { return code < 0x20 || code == 0x7F; }

// A code a key filter may hand back to be typed: a character, not a control one.
bool IsTypable(int code) {
    return code > 0 && !IsControlCharacter(static_cast<char32_t>(code)) &&
           static_cast<char32_t>(code) <= kLargestCodePoint;
}

// Whether the line edit would insert the key's text: its own rule, under
// which a key pressed with Ctrl alone (or Ctrl+Shift) types nothing but one
// with Ctrl and the keypad, or Ctrl+Alt (AltGr on some systems), does.
bool LineEditInserts(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty()) return false;
    const QChar first = text.front();
    if (first.category() == QChar::Other_Format) return true;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
    return first.isPrint() || first.category() == QChar::Other_PrivateUse ||
           (first.isHighSurrogate() && text.size() > 1 && text[1].isLowSurrogate());
}

// What a key press types, as character codes for the key filter.
enum class Typing {
    Nothing,     // no character (arrows, Delete, Tab, Escape) or a Ctrl shortcut
    Characters,  // Backspace, Enter or what the line edit would insert: offered to the filter
    Chord,       // text pressed with Alt or Meta (but AltGr): the line edit would
                 // insert it, but a chord types nothing
};

Typing WhatKeyTypes(const QKeyEvent& event, std::u32string& codes) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool altGr = (modifiers & Qt::ControlModifier) && (modifiers & Qt::AltModifier);
    const bool chord = !altGr && (modifiers & (Qt::AltModifier | Qt::MetaModifier));
    const bool plain = !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    switch (event.key()) {
        case Qt::Key_Backspace: codes = {kBackspace}; return plain ? Typing::Characters : Typing::Nothing;
        case Qt::Key_Return:
        case Qt::Key_Enter: codes = {kEnter}; return plain ? Typing::Characters : Typing::Nothing;
        default: break;
    }
    if (!LineEditInserts(event)) return Typing::Nothing;
    const QList<uint> points = event.text().toUcs4();
    codes.assign(points.begin(), points.end());
    return chord ? Typing::Chord : Typing::Characters;
}

QString FromCodePoint(char32_t code) { return QString::fromUcs4(&code, 1); }

}  // namespace

// Filters what the line edit is about to take in other than by typing: the
// text between what stayed before and after it.
class TextBox::PasteFilter : public QValidator {
public:
    explicit PasteFilter(TextBox& box) : QValidator(&box), mBox(box) {}

    State validate(QString& input, int& position) const override {
        // The line edit validates the filtered text once more as it takes it in.
        if (mBox.mTakenAsIs || std::exchange(mFiltered, QString()) == input) return Acceptable;
        const QString before = QString::fromStdString(mBox.mText);
        const qsizetype shorter = std::min(before.size(), input.size());
        qsizetype head = 0;
        while (head < shorter && before[head] == input[head]) ++head;
        qsizetype tail = 0;
        while (tail < shorter - head &&
               before[before.size() - 1 - tail] == input[input.size() - 1 - tail]) {
            ++tail;
        }
        const QString inserted = mBox.Filtered(input.mid(head, input.size() - head - tail));
        const QString filtered = input.left(head) + inserted + input.right(tail);
        if (filtered != input) {
            input = mFiltered = filtered;
            position = static_cast<int>(head + inserted.size());
        }
        return Acceptable;
    }

private:
    TextBox& mBox;
    mutable QString mFiltered;
};

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    QPalette base = palette();
    base.setColor(QPalette::Base, ToQColor(mBackColor));
    setPalette(base);
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { TextChangedInWidget(text); });
}

void TextBox::SetText(std::string_view text) {
    if (text == mText) return;
    const QScopedValueRollback<bool> written(mTakenAsIs, true);
    setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TextBox::TextChangedInWidget(const QString& text) {
    // The line edit also reports an edit that leaves the text as it was
    // (a selected character typed over by the same one); that is no change.
    std::string changed = text.toStdString();
    if (changed == mText) return;
    mText = std::move(changed);
    mKeptSelection.reset();
    if (mOnChange) mOnChange();
}

int TextBox::Length() const {
    int characters = 0;
    for (const char c : mText) {
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) ++characters;  // not a continuation byte
    }
    return characters;
}

std::string TextBox::SelText() const {
    if (hasSelectedText()) return selectedText().toStdString();
    if (mKeptSelection) return mKeptSelection->toStdString();
    return {};
}

void TextBox::PlaceCaretAtEnd() { setCursorPosition(static_cast<int>(text().size())); }

void TextBox::SetBackColor(ColourValue value) {
    if (value == mBackColor) return;
    mBackColor = value;
    QPalette changed = palette();
    changed.setColor(QPalette::Base, ToQColor(value));
    setPalette(changed);
    UpdateColourAnnouncement();
}

void TextBox::MakeColourField() {
    mColourField = true;
    setReadOnly(true);
    setCursor(Qt::ArrowCursor);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void TextBox::AnnounceColour(ColourAnnouncement announcement) {
    mAnnouncement = announcement;
    UpdateColourAnnouncement();
}

void TextBox::UpdateColourAnnouncement() {
    if (mAnnouncement == ColourAnnouncement::None) return;
    const QString code = QString::fromStdString(colour::HexCodeFromColourValue(mBackColor));
    setAccessibleName(mAnnouncement == ColourAnnouncement::AsName ? code : toolTip() + QStringLiteral(": ") + code);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const bool click = event->key() == Qt::Key_Space, doubleClick = event->key() == Qt::Key_Delete;
    if (mColourField && (click || doubleClick) && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        if (mOnClick) mOnClick();
        if (doubleClick && mOnDblClick) mOnDblClick();
        return;
    }
    if (mFilterPastedText && event->matches(QKeySequence::Paste) && !isReadOnly()) {
        event->accept();
        PasteFiltered(QClipboard::Clipboard);
        return;
    }
    std::u32string codes;
    switch (mOnKeyPress ? WhatKeyTypes(*event, codes) : Typing::Nothing) {
        case Typing::Nothing: QLineEdit::keyPressEvent(event); return;
        case Typing::Chord: event->accept(); return;
        case Typing::Characters: Type(codes, event); return;
    }
}

// Offers each code to the key filter and types what it lets pass; a key that
// passes unchanged is left to the line edit.
void TextBox::Type(const std::u32string& codes, QKeyEvent* original) {
    std::u32string passed;
    for (const char32_t offered : codes) {
        int code = static_cast<int>(offered);
        mOnKeyPress(code);
        if (code == kBackspace || code == kEnter || IsTypable(code)) passed += static_cast<char32_t>(code);
    }
    original->accept();
    const QScopedValueRollback<bool> typed(mTakenAsIs, true);
    if (passed == codes) {
        QLineEdit::keyPressEvent(original);
    } else {
        for (const char32_t code : passed) {
            if (code == kEnter) {
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
                QLineEdit::keyPressEvent(&enter);
            } else if (code == kBackspace) {
                if (!isReadOnly()) backspace();
            } else if (!isReadOnly()) {
                insert(FromCodePoint(code));
            }
        }
    }
}

void TextBox::FilterPastedText() {
    mFilterPastedText = true;
    setValidator(new PasteFilter(*this));  // also catches what comes in by other ways, at the cost of the undo steps
}

// Control characters are not offered: a pasted line break is no Enter key.
QString TextBox::Filtered(const QString& pasted) {
    QString kept;
    for (const uint point : pasted.toUcs4()) {
        int code = static_cast<int>(point);
        if (IsControlCharacter(point)) continue;
        mOnKeyPress(code);
        if (IsTypable(code)) kept += FromCodePoint(static_cast<char32_t>(code));
    }
    return kept;
}

// Pastes as one step that Ctrl+Z undoes.
void TextBox::PasteFiltered(QClipboard::Mode mode) {
    const QScopedValueRollback<bool> filtered(mTakenAsIs, true);
    insert(Filtered(QGuiApplication::clipboard()->text(mode)));
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (!mFilterPastedText || action->objectName() != QLatin1String("edit-paste")) continue;
        action->disconnect();
        connect(action, &QAction::triggered, this, [this] { PasteFiltered(QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// Characters composed by an input method pass the key filter one by one, as
// if they had been typed.
void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    if (!mOnKeyPress || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(Filtered(event->commitString()), event->replacementStart(),
                             event->replacementLength());
    const QScopedValueRollback<bool> typed(mTakenAsIs, true);
    QLineEdit::inputMethodEvent(&filtered);
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    mClicks.Pressed();
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection of the X window system.
    if (mFilterPastedText && event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        PasteFiltered(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    if (mClicks.ReleaseIsClick(*this, *event) && mOnClick) mOnClick();
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    mClicks.DoubleClicked();
    if (mOnDblClick) mOnDblClick();
}

void TextBox::focusInEvent(QFocusEvent* event) {
    mKeptSelection.reset();
    QLineEdit::focusInEvent(event);
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    // The line edit drops its selection when it loses the focus; keep it, so
    // that a button that takes the focus still sees what the user selected.
    if (hasSelectedText()) mKeptSelection = selectedText();
    QLineEdit::focusOutEvent(event);
}

}  // namespace tk
