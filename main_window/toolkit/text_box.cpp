#include "text_box.h"

#include "colour_value.h"
#include "control_change.h"
#include "handler_nesting.h"
#include "key_codes.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tk {
namespace {

constexpr char32_t kLargestCodePoint = 0x10FFFF;

// The character code a key offers to the key filter, or nothing for keys
// that produce no character and for shortcuts.
std::optional<int> CharacterCode(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return std::nullopt;
    }
    switch (event.key()) {
        case Qt::Key_Backspace: return kBackspace;
        case Qt::Key_Return:
        case Qt::Key_Enter: return kEnter;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete: return std::nullopt;
        default: break;
    }
    const QList<uint> codePoints = event.text().toUcs4();
    if (codePoints.size() != 1) return std::nullopt;
    const uint code = codePoints.front();
    if (code < 0x20 || code == 0x7F) return std::nullopt;  // control characters
    return static_cast<int>(code);
}

QString FromCodePoint(int code) {
    const auto point = static_cast<char32_t>(code);
    return QString::fromUcs4(&point, 1);
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    QPalette base = palette();
    base.setColor(QPalette::Base, ToQColor(mBackColor));
    setPalette(base);
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
    NoteControlChange();
    if (mOnChange) {
        const HandlerNesting::Run run;
        mOnChange();
    }
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
    NoteControlChange();
}

void TextBox::MakeColourField() {
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
    if (mAnnouncement == ColourAnnouncement::AsName) {
        setAccessibleName(code);
    } else {
        setAccessibleDescription(code);
    }
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const std::optional<int> offered = mOnKeyPress ? CharacterCode(*event) : std::nullopt;
    if (!offered) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    int code = *offered;
    mOnKeyPress(code);
    if (code == *offered) {
        QLineEdit::keyPressEvent(event);
    } else {
        InsertCharacterCode(code, event);
    }
}

void TextBox::InsertCharacterCode(int code, QKeyEvent* original) {
    original->accept();
    if (code <= 0 || static_cast<char32_t>(code) > kLargestCodePoint) return;  // dropped
    if (code == kEnter) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QLineEdit::keyPressEvent(&enter);
        return;
    }
    if (isReadOnly()) return;
    if (code == kBackspace) {
        backspace();
    } else if (code >= 0x20) {
        insert(FromCodePoint(code));
    }
}

// Characters composed by an input method pass the key filter one by one, as
// if they had been typed.
void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    if (!mOnKeyPress || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString accepted;
    for (const uint point : event->commitString().toUcs4()) {
        int code = static_cast<int>(point);
        mOnKeyPress(code);
        if (code >= 0x20 && static_cast<char32_t>(code) <= kLargestCodePoint) {
            accepted += FromCodePoint(code);
        }
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    mClicks.Pressed();
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
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
