// A timer switched by its interval alone: a positive interval ticks at that
// period, 0 delivers no ticks. Setting the interval it already runs at leaves
// the running period alone.
//
// A window may suspend a timer whose next ticks cannot change anything: it
// keeps its interval but delivers no ticks until it is resumed or its interval
// is set again, and then ticks a full period later.
#pragma once

#include <QTimer>
#include <functional>

namespace tk {

class TimerInspector;

class Timer {
public:
    Timer();

    int Interval() const { return mInterval; }
    void SetInterval(int milliseconds);
    // Whether ticks come: an interval is set and the timer is not suspended.
    bool Ticking() const { return mTimer.isActive(); }

    void OnTick(std::function<void()> handler) { mOnTick = std::move(handler); }

    void Suspend() { mTimer.stop(); }
    void Resume();

private:
    friend class TimerInspector;  // the tests deliver ticks as the event loop does

    QTimer mTimer;
    int mInterval = 0;
    std::function<void()> mOnTick;
};

}  // namespace tk
