#include "timer.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>
#include <vector>

#include "control_change.h"

namespace tk {
namespace {

// The timers asleep after a quiet tick: a handful; the list outlives them.
std::vector<Timer*>& QuietSleepers() {
    static std::vector<Timer*> sleepers;
    return sleepers;
}

template <typename T>
void Erase(std::vector<T>& list, T item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

// Events that wake no sleeper: painting, and timer events. The program's own
// ticks count through the controls they change; Qt's timers blink the cursor,
// show tooltips and finish a button's shortcut click, whose key event has
// woken the sleepers already (see the rule in timer.h).
bool CannotSetAnything(QEvent::Type type) {
    switch (type) {
        case QEvent::Timer:
        case QEvent::Paint:
        case QEvent::UpdateRequest:
        case QEvent::UpdateLater:
            return true;
        default:
            return false;
    }
}

}  // namespace

// Sees every event of the user-interface thread and wakes the sleepers on
// any that might run a handler.
class Timer::ActivityWatch : public QObject {
public:
    using QObject::QObject;

    static void EnsureInstalled() {
        static QPointer<ActivityWatch> watch;
        QCoreApplication* application = QCoreApplication::instance();
        if (watch || application == nullptr) return;
        watch = new ActivityWatch(application);
        application->installEventFilter(watch);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (!QuietSleepers().empty() && !CannotSetAnything(event->type())) WakeQuietSleepers();
        return false;
    }
};

Timer::Timer(QObject* owner) : mTimer(new QTimer(owner)) {
    QObject::connect(mTimer, &QTimer::timeout, mTimer, [this] { Tick(); });
}

Timer::~Timer() {
    Erase(QuietSleepers(), this);
    delete mTimer;
}

void Timer::SetInterval(int milliseconds) {
    if (milliseconds <= 0) {
        StopSleeping();
        mInterval = 0;
        mTimer->stop();
        return;
    }
    if (milliseconds == mInterval && mSleeping) {
        Wake();
        return;
    }
    if (milliseconds == mInterval && mTimer->isActive()) return;
    StopSleeping();
    mInterval = milliseconds;
    mTimer->start(milliseconds);
}

void Timer::SleepWhile(std::function<bool()> idle) {
    mSleepRule = SleepRule::WhileIdle;
    mIdle = std::move(idle);
}

void Timer::SleepAfterQuietTick() { mSleepRule = SleepRule::AfterQuietTick; }

void Timer::Tick() {
    // Only a running timer ticks; a stray timer event for a stopped or
    // sleeping one is ignored.
    if (mInterval <= 0 || mSleeping) return;
    // The first tick after waking was timed to the old rhythm; from here on
    // the full interval again.
    if (mTimer->interval() != mInterval) mTimer->start(mInterval);
    mLastTick = std::chrono::steady_clock::now();
    const std::uint64_t changesBefore = ControlChanges();
    if (mOnTick) mOnTick();
    if (mInterval == 0) return;  // the handler stopped the timer
    switch (mSleepRule) {
        case SleepRule::Never: break;
        case SleepRule::WhileIdle:
            if (mIdle && mIdle()) Sleep();
            break;
        case SleepRule::AfterQuietTick:
            mQuietTicks = ControlChanges() == changesBefore ? mQuietTicks + 1 : 0;
            if (mQuietTicks >= kQuietTicksBeforeSleep) Sleep();
            break;
    }
}

void Timer::Sleep() {
    mTimer->stop();
    mSleeping = true;
    if (mSleepRule == SleepRule::AfterQuietTick) {
        ActivityWatch::EnsureInstalled();
        QuietSleepers().push_back(this);
    }
}

// Leaves the sleeping state (if in it) with the quiet ticks counted afresh.
void Timer::StopSleeping() {
    mSleeping = false;
    mQuietTicks = 0;
    Erase(QuietSleepers(), this);
}

void Timer::Wake() {
    StopSleeping();
    using std::chrono::milliseconds;
    const auto sinceLastTick = std::chrono::duration_cast<milliseconds>(
        std::chrono::steady_clock::now() - mLastTick);
    const auto intoPeriod = static_cast<int>(sinceLastTick.count() % mInterval);
    mTimer->start(mInterval - intoPeriod);
}

void Timer::WakeQuietSleepers() {
    // Waking removes the timer from the list.
    while (!QuietSleepers().empty()) QuietSleepers().back()->Wake();
}

}  // namespace tk
