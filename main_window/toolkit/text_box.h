// A text box as the window handlers see it.
//
// - A write that changes the text runs the change handler inside the write;
//   writing the text the box already holds runs nothing. Typed and pasted
//   text runs the change handler too.
// - Each typed character passes the key filter first, as a character code
//   (Backspace 8, Enter 13), whatever Shift, AltGr or the keypad made it. The
//   filter may replace the code, and the box inserts the replacement, or set
//   it to 0, and the keystroke is dropped. Keys without a character (arrows,
//   Delete, Home, End, Tab) and the editing shortcuts (Ctrl+C, Ctrl+V, ...)
//   are not offered to it; a key pressed with Alt or Meta types nothing.
// - Pasted or dropped text goes in as it is, unless the box is told to filter
//   it: then each of its characters passes the key filter as if typed.
// - A click is reported on release; the first press of a double-click arrives
//   as a click before the double-click. In a colour field, Space is a click
//   and Delete a double-click (so a click first), for those who pick with the
//   keyboard.
// - The background colour written is the one read back.
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
    // The length of the text in characters.
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

    // A box that only shows its background colour: no text, no text cursor,
    // the arrow pointer; clicked with the mouse or with Space and Delete.
    void MakeColourField();

    // How the box tells a screen reader its background colour (as the HTML
    // code, red first), kept current: as its name, or in its name after its
    // tooltip ("Ausgewählte Farbe: FF0000"). A screen reader reads the name
    // first and the description only when asked.
    enum class ColourAnnouncement { None, AsName, AfterTooltip };
    void AnnounceColour(ColourAnnouncement announcement);

    // Pasted and dropped text passes the key filter character by character;
    // control characters (line breaks, tabs) are left out.
    void FilterPastedText();

    void OnChange(Handler handler) { mOnChange = std::move(handler); }
    void OnKeyPress(KeyFilter filter) { mOnKeyPress = std::move(filter); }
    void OnClick(Handler handler) { mOnClick = std::move(handler); }
    void OnDblClick(Handler handler) { mOnDblClick = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    class PasteFilter;

    void TextChangedInWidget(const QString& text);
    void UpdateColourAnnouncement();
    void Type(const std::u32string& codes, QKeyEvent* original);
    QString Filtered(const QString& pasted);
    void PasteFiltered(QClipboard::Mode mode);

    std::string mText;
    ColourValue mBackColor = kWhite;
    ColourAnnouncement mAnnouncement = ColourAnnouncement::None;
    std::optional<QString> mKeptSelection;
    bool mFilterPastedText = false;
    bool mColourField = false;
    // What goes in now is typed (and filtered already) or the program's own.
    bool mTakenAsIs = false;
    ClickSequence mClicks;
    Handler mOnChange;
    KeyFilter mOnKeyPress;
    Handler mOnClick;
    Handler mOnDblClick;
};

}  // namespace tk
