#include "timer.h"

namespace tk {

Timer::Timer(QObject* owner) : mTimer(new QTimer(owner)) {
    QObject::connect(mTimer, &QTimer::timeout, mTimer, [this] {
        if (mOnTick) mOnTick();
    });
}

Timer::~Timer() { delete mTimer; }

void Timer::SetInterval(int milliseconds) {
    if (milliseconds <= 0) {
        mInterval = 0;
        mTimer->stop();
        return;
    }
    if (milliseconds == mInterval && mTimer->isActive()) return;
    mInterval = milliseconds;
    mTimer->start(milliseconds);
}

}  // namespace tk
