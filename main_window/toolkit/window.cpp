#include "window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <utility>

#include "accessible_role.h"
#include "window_manager_hints.h"

namespace tk {

// Lies over the owner while a window is shown modally over it and takes all
// its input: clicks, keys, and with the focus also the shortcuts (access
// keys), which the focus widget may claim first. The owner goes on painting
// and its timers tick; a close request from the window manager still reaches
// it, so that closing the owner ends the program also now. Activating the
// owner hands the activation on to the modal window.
class Window::OwnerShield : public QWidget {
public:
    OwnerShield(QWidget& owner, QWidget& modal)
        : QWidget(&owner), mModal(&modal), mFocusBefore(owner.focusWidget()) {
        setGeometry(owner.rect());
        setFocusPolicy(Qt::StrongFocus);
        show();
        raise();
        setFocus(Qt::ActiveWindowFocusReason);  // a reason that keeps a field's selection
    }
    ~OwnerShield() override {
        if (mFocusBefore) mFocusBefore->setFocus(Qt::ActiveWindowFocusReason);
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && mModal) {
            mModal->raise();
            mModal->activateWindow();
        }
        if (!event->isInputEvent()) return QWidget::event(event);
        event->accept();
        return true;
    }

private:
    QPointer<QWidget> mModal;
    QPointer<QWidget> mFocusBefore;
};

// A window with an owner is a dialog for the window manager, transient for
// its owner (WM_TRANSIENT_FOR on X11, a parent toplevel on Wayland), so that
// it is kept above the owner and placed over it.
Window::Window(QWidget* owner) : QWidget(owner, owner ? Qt::Dialog : Qt::WindowFlags{}) {
    // Not a nameless "filler" for a screen reader: a frame with its title.
    ExposeToScreenReadersAs<Window, QAccessibleWidget, QAccessible::Window>();
}

Window::~Window() {
    if (mModalLoop) mModalLoop->quit();
}

void Window::SetCaption(std::string_view caption) {
    setWindowTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

void Window::SetBackColor(ColourValue value) {
    if (value == mBackColor) return;  // same colour: nothing to repaint
    mBackColor = value;
    QPalette changed = palette();
    changed.setColor(QPalette::Window, ToQColor(value));
    setPalette(changed);
    setAutoFillBackground(true);
}

bool Window::ShowModal() {
    if (mModalLoop) return false;  // shown already: one loop and one shield for one show
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QPointer<Window> blocked = dynamic_cast<Window*>(owner);
    const QPointer<Window> over = blocked ? std::exchange(blocked->mModalOver, this) : nullptr;
    const QPointer<OwnerShield> shield = owner ? new OwnerShield(*owner, *this) : nullptr;
    MarkModalForWindowManager(*this);  // before it is shown
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    mModalLoop = &loop;
    const QPointer<Window> self(this);
    loop.exec(QEventLoop::DialogExec);
    if (self) mModalLoop = nullptr;  // destroyed meanwhile, its destructor ended the loop
    if (blocked) blocked->mModalOver = over;
    delete shield;                   // gone already if the owner was closed meanwhile
    return true;
}

bool TakesInput(const QWidget& control) {
    const auto* window = dynamic_cast<const Window*>(control.window());
    return !window || !window->Blocked();
}

// A window that another client destroyed is gone for the user as well: it
// closes, and a modal one lets its owner take input again. It closes once
// Qt is done with the notice, which still refers to the window.
bool Window::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (IsDestroyNotice(*this, eventType, message)) {
        QMetaObject::invokeMethod(this, &Window::close, Qt::QueuedConnection);
    }
    return QWidget::nativeEvent(eventType, message, result);
}

void Window::mousePressEvent(QMouseEvent* event) {
    mClicks.Pressed();
    QWidget::mousePressEvent(event);
}

// The base class hands a double-click on as a press, so the mark comes after it.
void Window::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    mClicks.DoubleClicked();
}

void Window::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (mClicks.ReleaseIsClick(*this, *event) && mOnClick) mOnClick();
}

void Window::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && mModalLoop) mModalLoop->quit();
}

void LetPendingEventsRun() { QCoreApplication::processEvents(); }

}  // namespace tk
