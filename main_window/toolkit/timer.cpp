#include "timer.h"

namespace tk {

Timer::Timer() {
    QObject::connect(&mTimer, &QTimer::timeout, [this] {
        if (mOnTick) mOnTick();
    });
}

void Timer::SetInterval(int milliseconds) {
    if (milliseconds <= 0) {
        mInterval = 0;
        mTimer.stop();
        return;
    }
    if (milliseconds == mInterval && mTimer.isActive()) return;
    mInterval = milliseconds;
    mTimer.start(milliseconds);
}

void Timer::Resume() {
    if (mInterval > 0 && !mTimer.isActive()) mTimer.start(mInterval);
}

}  // namespace tk
