// Loaded into a program with LD_PRELOAD, this reports when a chosen window first paints and how
// much memory the process has needed by then, and ends the process:
//   QUIZ_BENCH_WATCH=<object name of the window>  LD_PRELOAD=libquiz_startup_probe.so  <program>
// prints "ready_ns=<CLOCK_REALTIME in ns> hwm_kb=<peak resident set in KiB>".

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

long PeakResidentKiB() {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            kib = std::strtol(line + 6, nullptr, 10);
    }
    std::fclose(status);
    return kib;
}

class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QByteArray window)
        : window_(std::move(window)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        const QWidget* top = static_cast<QWidget*>(watched)->window();
        if (top->objectName().toLatin1() != window_)
            return false;
        // Let the paint itself happen first, then report from the next pass of the loop.
        QMetaObject::invokeMethod(
            this,
            [] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                const long long ns = (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
                std::printf("ready_ns=%lld hwm_kb=%ld\n", ns, PeakResidentKiB());
                std::fflush(stdout);
                _exit(0);
            },
            Qt::QueuedConnection);
        qApp->removeEventFilter(this);
        return false;
    }

private:
    QByteArray window_;
};

void AttachProbe() {
    const QByteArray window = qgetenv("QUIZ_BENCH_WATCH");
    if (window.isEmpty())
        return;
    qApp->installEventFilter(new FirstPaintWatch(window));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(AttachProbe)
