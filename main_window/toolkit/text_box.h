// A text box as the window handlers see it.
//
// - A write that changes the text runs the change handler inside the write;
//   writing the text the box already holds runs nothing. Typed and entered
//   text runs the change handler too.
// - Each typed character passes the key filter first, as a character code
//   (Backspace 8, Enter 13), whatever Shift, AltGr or the keypad made it. The
//   filter may replace the code, and the box inserts the replacement, or set
//   it to 0, and the keystroke is dropped. Keys without a character (arrows,
//   Delete, Home, End, Tab) and the editing shortcuts (Ctrl+C, Ctrl+V, ...)
//   are not offered to it; a key pressed with Alt or Meta types nothing.
// - Text that comes in other than typed (pasted by Ctrl+V, Shift+Insert, the
//   middle button or the context menu, dropped, or written by a screen
//   reader) is entered as if typed: each character passes the key filter,
//   and the whole is one step that Ctrl+Z undoes. So the box never holds a
//   character its filter refuses.
// - A click is reported on release; the first press of a double-click arrives
//   as a click before the double-click. In a colour field, Space is a click
//   and Delete a double-click (so a click first), for those who pick with the
//   keyboard.
// - The background colour written is the one read back; the text and the
//   selection take colours that stand out against it on any colour scheme.
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "click_sequence.h"
#include "units.h"

namespace tk {

class TextBox : public QLineEdit {
public:
    using Handler = std::function<void()>;
    using KeyFilter = std::function<void(int& keyCode)>;

    explicit TextBox(QWidget* parent);

    const std::string& Text() const { return mText; }
    // The length of the text (in UTF-16 units: characters, in fields that hold ASCII).
    int Length() const;
    void SetText(std::string_view text);

    // The part of the text selected now. A selection stays in force after the
    // box has lost the focus (to a button, say) until the text changes or the
    // box gets the focus again.
    std::string SelText() const;

    // The caret at the end of the text, nothing selected.
    void PlaceCaretAtEnd();

    ColourValue BackColor() const { return mBackColor; }
    void SetBackColor(ColourValue value);
    // The box shows the window's own background instead of a colour of its
    // own, and the window's text colour with it, as the colour scheme has them.
    void UseWindowBackground();

    // A box that only shows its background colour: no text, no text cursor,
    // the arrow pointer; clicked with the mouse or with Space and Delete.
    void MakeColourField();

    // How the box tells a screen reader its background colour (as the HTML
    // code, red first), kept current: as its name, or in its name after its
    // tooltip ("Ausgewählte Farbe: FF0000"). A screen reader reads the name
    // first and the description only when asked.
    enum class ColourAnnouncement { None, AsName, AfterTooltip };
    void AnnounceColour(ColourAnnouncement announcement);

    // The way in for text that is not typed: it replaces the characters from
    // `start` to `end` as if it had been typed there, as one undo step. Text
    // of which the key filter lets nothing pass changes nothing; the empty
    // text deletes. Nothing comes in while the window takes no input, nor
    // for a range outside the text. Whether it came in.
    bool EnterText(int start, int end, const QString& text);

    // Where the character at `offset` stands in the box, as it is scrolled.
    QRect CharacterRect(int offset) const;

    void OnChange(Handler handler) { mOnChange = std::move(handler); }
    void OnKeyPress(KeyFilter filter) { mOnKeyPress = std::move(filter); }
    void OnClick(Handler handler) { mOnClick = std::move(handler); }
    void OnDblClick(Handler handler) { mOnDblClick = std::move(handler); }

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void TextChangedInWidget(const QString& text);
    void UpdateColours();
    void UpdateColourAnnouncement();
    void Type(const std::u32string& codes, QKeyEvent* original);
    QString Typable(const QString& text);
    void Paste(QClipboard::Mode mode);
    void SeparateUndoSteps();

    std::string mText;
    ColourValue mBackColor = kWhite;
    bool mWindowBackground = false;
    bool mSettingColours = false;  // while the box sets its own palette
    ColourAnnouncement mAnnouncement = ColourAnnouncement::None;
    std::optional<QString> mKeptSelection;
    bool mColourField = false;
    ClickSequence mClicks;
    Handler mOnChange;
    KeyFilter mOnKeyPress;
    Handler mOnClick;
    Handler mOnDblClick;
};

}  // namespace tk
