// What the X11 window manager is told about a window, and what only the X
// server can tell about it. Both do nothing on other platforms.
#pragma once

class QWidget;

namespace tk {

// Marks the window modal for the window manager (_NET_WM_STATE_MODAL), so
// that it keeps the window above its owner. Call it before the window is
// shown: a window manager reads the state when it maps the window.
void MarkModalForWindowManager(QWidget& window);

// Whether the window's X window no longer exists: another client can destroy
// it outright (xdotool windowclose, xkill -id), and Qt is not told; it only
// sees the window no longer exposed, as when it is minimized.
bool NativeWindowDestroyed(const QWidget& window);

}  // namespace tk
