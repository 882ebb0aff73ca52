#include "text_box.h"

#include "colour_value.h"
#include "key_codes.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <cmath>
#include <utility>

#include "accessible_text_box.h"
#include "window.h"

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

// The relative luminance of a colour, as the contrast of two colours is
// measured: (lighter + 0.05) / (darker + 0.05).
double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

// Black or white, whichever stands out more against the background: at least
// 4.5:1 for any background.
QColor ReadableOn(const QColor& background) {
    const double luminance = Luminance(background);
    return (luminance + 0.05) / 0.05 >= 1.05 / (luminance + 0.05) ? Qt::black : Qt::white;
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    ExposeTextBoxesToScreenReaders();
    UpdateColours();
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { TextChangedInWidget(text); });
}

void TextBox::SetText(std::string_view text) {
    if (text == mText) return;
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

int TextBox::Length() const { return static_cast<int>(text().size()); }

std::string TextBox::SelText() const {
    if (hasSelectedText()) return selectedText().toStdString();
    if (mKeptSelection) return mKeptSelection->toStdString();
    return {};
}

void TextBox::PlaceCaretAtEnd() { setCursorPosition(Length()); }

void TextBox::SetBackColor(ColourValue value) {
    if (value == mBackColor) return;
    mBackColor = value;
    UpdateColours();
    UpdateColourAnnouncement();
}

void TextBox::UseWindowBackground() {
    mWindowBackground = true;
    UpdateColours();
}

// A background of the box's own gets text in black or white, whichever
// stands out more, and the selected text likewise against the colour scheme's
// selection colour. A box on the window's background takes the window's text
// colour. Again whenever the colour scheme changes while the program runs.
void TextBox::UpdateColours() {
    // From the scheme's colours as the container has them, in every colour
    // group; only the roles set here are the box's own, the others follow.
    const QPalette scheme = parentWidget() ? parentWidget()->palette() : QGuiApplication::palette();
    const QColor own = ToQColor(mBackColor), textOnOwn = ReadableOn(own);
    QPalette colours;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, mWindowBackground ? scheme.color(group, QPalette::Window) : own);
        colours.setColor(group, QPalette::Text, mWindowBackground ? scheme.color(group, QPalette::WindowText) : textOnOwn);
        if (!mWindowBackground) {
            colours.setColor(group, QPalette::HighlightedText, ReadableOn(scheme.color(group, QPalette::Highlight)));
        }
    }
    // The box's own palette change comes back as an event; only the
    // container's, or the scheme's, ask for the colours again.
    const QScopedValueRollback settingColours(mSettingColours, true);
    setPalette(colours);  // changes nothing where nothing changed
}

void TextBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !mSettingColours) UpdateColours();
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
    if (event->matches(QKeySequence::Paste)) {  // Ctrl+V, Shift+Insert
        event->accept();
        Paste(QClipboard::Clipboard);
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

// What of the text could be typed: each character as the key filter lets it
// pass. Control characters are not offered: a pasted line break is no Enter key.
QString TextBox::Typable(const QString& text) {
    QString kept;
    for (const uint point : text.toUcs4()) {
        int code = static_cast<int>(point);
        if (IsControlCharacter(point)) continue;
        if (mOnKeyPress) mOnKeyPress(code);
        if (IsTypable(code)) kept += FromCodePoint(static_cast<char32_t>(code));
    }
    return kept;
}

bool TextBox::EnterText(int start, int end, const QString& text) {
    if (isReadOnly() || !TakesInput(*this) || start < 0 || start > end || end > Length()) return false;
    const QString typable = Typable(text);
    if (typable.isEmpty() && !text.isEmpty()) return false;  // its characters typed would change nothing
    SeparateUndoSteps();
    setSelection(start, end - start);
    insert(typable);
    SeparateUndoSteps();
    return true;
}

// The line edit begins a new undo step when its caret moves, or when it is
// cleared: so entered text is a step of its own, not one with what was typed
// or deleted next to it.
void TextBox::SeparateUndoSteps() {
    if (text().isEmpty()) {
        clear();  // nothing to clear, and no caret to move
        return;
    }
    // A caret at the start came there by a move or a deletion, not after an
    // insertion: the step before is kept apart already.
    const int at = cursorPosition();
    setCursorPosition(0);
    setCursorPosition(at);
}

QRect TextBox::CharacterRect(int offset) const {
    const QString shown = text();
    if (offset < 0 || offset >= shown.size()) return {};
    const QFontMetrics metrics(font());
    const int caret = cursorRect().center().x();  // the caret's place tells how far the text is scrolled
    const int left = caret + metrics.horizontalAdvance(shown.left(offset)) -
                     metrics.horizontalAdvance(shown.left(cursorPosition()));
    return {left, cursorRect().top(), metrics.horizontalAdvance(shown.at(offset)), cursorRect().height()};
}

// Over the selection, or at the caret.
void TextBox::Paste(QClipboard::Mode mode) {
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int end = hasSelectedText() ? selectionEnd() : start;
    if (!pasted.isEmpty() || start != end) EnterText(start, end, pasted);
}

// The context menu's "Einfügen" pastes as the keys do.
void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");  // Qt 6.4 names no action
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != paste &&
            action->objectName() != QLatin1String("edit-paste")) {
            continue;
        }
        action->disconnect();
        connect(action, &QAction::triggered, this, [this] { Paste(QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// Dropped text is copied, never moved: what does not come in stays with the
// program it was dragged from (a drop comes ignored until it is accepted).
void TextBox::dropEvent(QDropEvent* event) {
    QDragLeaveEvent dropped;  // puts away the caret that showed where the text would go
    QLineEdit::dragLeaveEvent(&dropped);
    const int at = cursorPositionAt(event->position().toPoint());
    if (event->mimeData()->hasText() && EnterText(at, at, event->mimeData()->text())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

// Characters composed by an input method pass the key filter one by one, as
// if they had been typed.
void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    if (!mOnKeyPress || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(Typable(event->commitString()), event->replacementStart(),
                             event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    mClicks.Pressed();
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection of the window system at the caret.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        Paste(QClipboard::Selection);
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
