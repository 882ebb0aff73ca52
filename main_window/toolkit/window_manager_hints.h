// What the X11 window manager is told about a window, and what only the X
// server tells about it. Neither does anything on other platforms.
#pragma once

class QByteArray;
class QWidget;

namespace tk {

// Marks the window modal for the window manager (_NET_WM_STATE_MODAL), so
// that it keeps the window above its owner. Call it before the window is
// shown: a window manager reads the state when it maps the window. It makes
// the native window if there is none yet.
void MarkModalForWindowManager(QWidget& window);

// Whether a native event of the window (QWidget::nativeEvent) is the X
// server's notice that its X window was destroyed: another client can destroy
// it outright (xdotool windowclose, xkill -id), and Qt takes no notice.
bool IsDestroyNotice(const QWidget& window, const QByteArray& eventType, const void* message);

}  // namespace tk
