#include "Timer.h"

#include <stdexcept>

TTimer::TTimer(QObject* parent)
    : QObject(parent) {
    // A coarse timer may fire up to 5 % early: the splash's 4000 ms would end after 3800.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (OnTimer)
            OnTimer();
    });
}

void TTimer::SetInterval(int milliseconds) {
    if (milliseconds == interval_)
        return;
    interval_ = milliseconds;
    if (milliseconds <= 0) {
        timer_.stop();
        return;
    }
    timer_.start(milliseconds);
    if (!timer_.isActive()) {
        interval_ = 0;
        throw std::runtime_error("Not enough timers available");
    }
}
