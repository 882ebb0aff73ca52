#include "timer.h"

namespace tk {

Timer::Timer(QObject* owner) : QTimer(owner) {
    connect(this, &QTimer::timeout, this, [this] {
        if (mOnTick) mOnTick();
    });
}

void Timer::SetInterval(int milliseconds) {
    if (milliseconds <= 0) {
        mInterval = 0;
        stop();
        return;
    }
    if (milliseconds == mInterval && isActive()) return;
    mInterval = milliseconds;
    start(milliseconds);
}

void Timer::Resume() {
    if (mInterval > 0 && !isActive()) start(mInterval);
}

}  // namespace tk
