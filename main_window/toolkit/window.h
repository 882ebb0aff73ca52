// A top-level window of the program: caption, background colour, a click on
// its client area, a modal show with an owner, close.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "click_sequence.h"
#include "units.h"

class QEventLoop;

namespace tk {

class Window : public QWidget {
public:
    explicit Window(QWidget* owner = nullptr);
    ~Window() override;

    std::string Caption() const { return windowTitle().toStdString(); }
    void SetCaption(std::string_view caption);

    void SetBackColor(ColourValue value);
    ColourValue BackColor() const { return mBackColor; }

    // Shows the window modally over its owner (the window it was created
    // with) and returns when it is closed. Meanwhile the owner takes no user
    // input, but timers go on ticking and the owner can still be closed. It
    // ends however the window goes: closed, or destroyed by another client.
    // Asked again while it is shown so, it changes nothing and returns at
    // once: whether it was shown.
    bool ShowModal();

    // Whether a window of its own is shown modally over it: then it takes no input.
    bool Blocked() const { return mModalOver; }

    void Close() { close(); }

    void OnClick(std::function<void()> handler) { mOnClick = std::move(handler); }

protected:
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class OwnerShield;

    ColourValue mBackColor = -1;
    QEventLoop* mModalLoop = nullptr;  // while it is shown modally
    QPointer<Window> mModalOver;       // the window shown modally over it
    ClickSequence mClicks;
    std::function<void()> mOnClick;
};

// Whether the window of a control takes input now. The controls ask this of
// every input that does not come by the mouse or the keys, which a modal
// show's shield stops (the clipboard, drag and drop, a screen reader): so
// nothing changes a window while a modal one is shown over it, while its
// timers and the program's own writes go on.
bool TakesInput(const QWidget& control);

// Lets the events that are waiting run, then returns.
void LetPendingEventsRun();

}  // namespace tk
