#pragma once

// For start-up measurements only: when VANTOR_FIRST_FRAME is set, the window
// prints, once its first frame has been drawn, the wall clock in
// nanoseconds and its resident memory in kilobytes, then ends the program.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace vantor::ui {

class FirstFrameReporter : public QObject {
public:
    using QObject::QObject;

protected:
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

inline void reportFirstFrameIfAsked(QWidget* window)
{
    if (qEnvironmentVariableIsSet("VANTOR_FIRST_FRAME"))
        window->installEventFilter(new FirstFrameReporter(window));
}

} // namespace vantor::ui
