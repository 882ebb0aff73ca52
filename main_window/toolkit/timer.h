// A timer switched by its interval alone: a positive interval ticks at that
// period, 0 delivers no ticks. Setting the interval it already runs at leaves
// the running period alone.
//
// A tick that cannot do anything need not wake the program. A timer may be
// told when its ticks are idle; it then sleeps, keeping its interval and its
// rhythm, and the first tick after it wakes comes when it would have come
// anyway. Two rules:
// - SleepWhile(idle): after a tick that leaves idle() true, the ticks do
//   nothing until the interval is set again; that wakes the timer.
// - SleepAfterQuietTick(): a tick that changed no control found everything as
//   the previous ticks left it, and so do the following ones until something
//   else happens: an event that may run a handler arrives, a control changes,
//   or the interval is set. The timer sleeps after a few such quiet ticks in
//   a row, and any of these wakes it. Timer events and painting wake nothing:
//   the program's own ticks count only through the controls they change and
//   the intervals they set, and so does a button click that Qt finishes by a
//   timer after its shortcut key. So neither a tick handler nor a click
//   handler may change anything a sleeping timer's handler reads other than
//   through a control or an interval.
#pragma once

#include <QTimer>
#include <chrono>
#include <functional>

namespace tk {

class Timer {
public:
    explicit Timer(QObject* owner);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return mInterval; }
    void SetInterval(int milliseconds);

    void OnTick(std::function<void()> handler) { mOnTick = std::move(handler); }

    void SleepWhile(std::function<bool()> idle);
    void SleepAfterQuietTick();
    // A timer woken again within a few periods is cheaper left running:
    // stopping and restarting it for every change (three counters sweeping)
    // cost more than the ticks it saved. So it sleeps after this many quiet
    // ticks in a row.
    static constexpr int kQuietTicksBeforeSleep = 4;
    bool IsSleeping() const { return mSleeping; }

    // Wakes the timers that sleep after a quiet tick.
    static void WakeQuietSleepers();

private:
    enum class SleepRule { Never, WhileIdle, AfterQuietTick };
    class ActivityWatch;

    void Tick();
    void Sleep();
    void StopSleeping();
    void Wake();

    QTimer* mTimer;
    int mInterval = 0;
    std::function<void()> mOnTick;
    SleepRule mSleepRule = SleepRule::Never;
    std::function<bool()> mIdle;
    bool mSleeping = false;
    int mQuietTicks = 0;
    std::chrono::steady_clock::time_point mLastTick;
};

}  // namespace tk
