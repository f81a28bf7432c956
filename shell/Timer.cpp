#include "Timer.h"

#include <stdexcept>

TTimer::TTimer(QObject* parent)
    : QObject(parent) {
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
