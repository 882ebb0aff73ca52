#include "window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>

namespace tk {

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
}

void Window::ShowModal() {
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    mModalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    mModalLoop = nullptr;
}

void Window::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        mOnClick) {
        mOnClick();
    }
}

void Window::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && mModalLoop) mModalLoop->quit();
}

void LetPendingEventsRun() { QCoreApplication::processEvents(); }

}  // namespace tk
