// A timer switched by its interval alone: a positive interval ticks at that
// period, 0 delivers no ticks. Setting the interval it already runs at leaves
// the running period alone.
#pragma once

#include <QTimer>
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

private:
    QTimer* mTimer;
    int mInterval = 0;
    std::function<void()> mOnTick;
};

}  // namespace tk
