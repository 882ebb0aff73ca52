#include "window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

#include "control_change.h"

namespace tk {
namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
        case QEvent::NativeGesture:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::DragLeave:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

}  // namespace

// While a window is shown modally, its owner takes no user input and hands
// the activation on to it. The owner still gets every other event: its
// timers tick, it repaints, and a close request from the window manager
// reaches it, so that closing the owner ends the program also now.
class Window::OwnerInputBlock : public QObject {
public:
    OwnerInputBlock(QWidget* owner, QWidget* modal) : mOwner(owner), mModal(modal) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~OwnerInputBlock() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!BelongsToOwner(watched)) return false;
        if (event->type() == QEvent::WindowActivate && watched == mOwner) {
            mModal->raise();
            mModal->activateWindow();
            return false;
        }
        return IsUserInput(event->type());
    }

private:
    // Input from the window system reaches the owner's native window first,
    // before a click moves the focus; shortcuts go to its widgets directly.
    bool BelongsToOwner(QObject* object) const {
        if (mOwner == nullptr) return false;
        if (object->isWindowType()) return object == mOwner->windowHandle();
        return object->isWidgetType() && static_cast<QWidget*>(object)->window() == mOwner;
    }


    QWidget* mOwner;
    QWidget* mModal;
};

Window::Window(QWidget* owner) : QWidget(owner, owner ? Qt::Window : Qt::WindowFlags{}) {}

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
    NoteControlChange();
}

void Window::ShowModal() {
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const OwnerInputBlock block(owner, this);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    mModalLoop = &loop;
    const QPointer<Window> self(this);
    loop.exec(QEventLoop::DialogExec);
    if (self) mModalLoop = nullptr;  // destroyed meanwhile, its destructor ended the loop
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
