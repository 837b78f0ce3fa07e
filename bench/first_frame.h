#pragma once

// For start-up measurements: once the first frame of the program's window has
// been drawn, prints the wall clock in nanoseconds and the resident memory in
// kilobytes, then ends the program.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace vantor::bench {

class FirstFrameReporter : public QObject {
public:
    using QObject::QObject;

protected:
    // Watches every object of the application: the first paint event, of the
    // window or of any control in it, begins the first frame.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Once this paint has gone to the screen.
            QTimer::singleShot(0, this, &FirstFrameReporter::report);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void report()
    {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        long residentKb = 0;
        QFile status("/proc/self/status");
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : status.readAll().split('\n')) {
                if (line.startsWith("VmRSS:"))
                    residentKb = line.mid(6).trimmed().split(' ').front().toLong();
            }
        }
        std::printf("first-frame-ns %lld\nresident-kb %ld\n",
                    static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec, residentKb);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    bool m_seen = false;
};

// Called once the application object exists, before any window is shown.
inline void reportFirstFrame()
{
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstFrameReporter(application));
}

} // namespace vantor::bench
