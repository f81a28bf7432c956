#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// A timer whose interval doubles as its switch: 0 means stopped, any other value arms it to
// fire every that many milliseconds, counted from the moment it was set. (A bare QTimer with
// interval 0 would fire on every pass of the event loop instead.)
class TTimer : public QObject {
    Q_OBJECT
public:
    explicit TTimer(QObject* parent = nullptr);

    int Interval() const { return interval_; }
    // Setting the value it already has changes nothing. Throws std::runtime_error
    // "Not enough timers available" if the system cannot provide the timer.
    void SetInterval(int milliseconds);
    bool IsRunning() const { return timer_.isActive(); }
    // Milliseconds until the next tick, rounded up; -1 while stopped.
    int RemainingTime() const { return timer_.remainingTime(); }

    std::function<void()> OnTimer;

private:
    QTimer timer_;
    int interval_ = 0;
};
