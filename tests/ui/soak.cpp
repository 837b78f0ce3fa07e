// The window under a long soak: random events across every window and menu
// for as long as asked, through the real message boxes, checked as it goes.
//   soak [--minutes M] [--seed S] [--events N]
// A seed sends the same events again, and --events ends the run after that
// many: a failed run is replayed up to the event that failed. The run ends
// with Exit from the menu bar; anything amiss ends it at once with the seed,
// the event's number and the command that replays it.

#include "random_input.h"
#include "ui/application.h"
#include "ui/fvantor.h"
#include "ui_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QCommandLineParser>
#include <QDateTime>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>

#ifdef Q_OS_WIN
#include <windows.h>
// after what it builds on
#include <psapi.h>
#else
#include <fstream>
#include <unistd.h>
#endif
#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/common_interface_defs.h>
// Of the allocator's interface, which GCC's sanitizer headers leave out.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

using Clock = std::chrono::steady_clock;

constexpr qint64 kCheckEvery = 1000;
constexpr qint64 kHugePasteEvery = 5000;
constexpr int kHugePasteLength = 1'000'000;
constexpr auto kReportEvery = std::chrono::minutes(1);
constexpr auto kUnresponsive = std::chrono::seconds(10);
constexpr QSize kClientArea(250, 322); // the calculator's, fixed
#ifdef Q_OS_WIN
constexpr const char* kReplayCommand = "make soak-windows";
#else
constexpr const char* kReplayCommand = "make soak";
#endif

// What Qt says of the machine, not of the window: a platform plugin that
// cannot do what was asked (offscreen raises no window and has no window
// manager to pass a fixed size on to), and a font without the tables to
// shape a script that was typed (its letters are drawn unshaped).
const QStringList kMachineNotes{"This plugin does not support ", "OpenType support missing for "};

// Where the run stands, for whatever ends it: the event loop, a signal, a
// sanitizer or the watchdog's thread.
quint32 g_seed = 0;
std::atomic<qint64> g_event{0};
std::atomic<Clock::rep> g_lastTick{0};

void printReplay()
{
    const long long event = g_event.load();
    std::fprintf(stderr, "soak: seed %u, event %lld; to replay up to it: %s SEED=%u EVENTS=%lld\n", g_seed,
                 event, kReplayCommand, g_seed, event);
    std::fflush(stderr);
}

[[noreturn]] void fail(const QString& what)
{
    std::fprintf(stderr, "soak: fault at event %lld: %s\n", static_cast<long long>(g_event.load()),
                 qPrintable(what));
    printReplay();
    std::_Exit(1);
}

// A crash, an abort or a sanitizer's report says where the run stood. Under
// AddressSanitizer its own handlers report a crash and then call back here.
void onFatalSignal(int signal)
{
    std::fprintf(stderr, "soak: signal %d\n", signal);
    printReplay();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void reportFatalEnds()
{
    std::signal(SIGABRT, onFatalSignal);
#ifdef __SANITIZE_ADDRESS__
    __sanitizer_set_death_callback(printReplay);
#else
    for (const int signal : {SIGSEGV, SIGFPE, SIGILL})
        std::signal(signal, onFatalSignal);
#endif
    // A warning from Qt is a fault of the window too; anything else is
    // printed once.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        const auto note = std::find_if(kMachineNotes.begin(), kMachineNotes.end(), [&](const QString& note) {
            return message.trimmed().startsWith(note);
        });
        if (type != QtDebugMsg && type != QtInfoMsg && note == kMachineNotes.end())
            fail("Qt says: " + message);
        static QSet<QString> printed;
        const QString kind = note == kMachineNotes.end() ? message : *note;
        if (!printed.contains(kind)) {
            printed.insert(kind);
            std::fprintf(stderr, "%s (said once)\n", qPrintable(message.trimmed()));
        }
    });
}

// Resident memory, and what the program has allocated and not freed where
// the sanitizer counts it (0 elsewhere): its allocator keeps what was freed,
// in its quarantine and for reuse, so that resident memory under it grows
// where the program's does not.
struct Memory {
    double resident = 0;
    double heap = 0;
};

Memory memoryNow()
{
    constexpr double kMegabyte = 1 << 20;
    Memory memory;
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    memory.resident = static_cast<double>(counters.WorkingSetSize) / kMegabyte;
#else
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    memory.resident = static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / kMegabyte;
#endif
#ifdef __SANITIZE_ADDRESS__
    memory.heap = static_cast<double>(__sanitizer_get_current_allocated_bytes()) / kMegabyte;
#endif
    return memory;
}

QString megabytes(double value)
{
    return QString::number(value, 'f', 1);
}

class Soak : public QObject {
public:
    Soak(vantor::ui::fVantor& window, std::chrono::milliseconds duration, qint64 events)
        : m_window(window), m_random(g_seed), m_duration(duration), m_events(events),
          m_keys(window.findChildren<QPushButton*>()), m_boxes(window.findChildren<QLineEdit*>())
    {
        connect(&m_timer, &QTimer::timeout, this, &Soak::tick);
        connect(&m_boxTimer, &QTimer::timeout, this, &Soak::answerBox);
    }

    void start()
    {
        takeHistoryRoom();
        m_start = Clock::now();
        m_nextReport = m_start + kReportEvery;
        g_lastTick = m_start.time_since_epoch().count();
        m_timer.start(0);
        m_boxTimer.start(0);
    }

    // The lines that end a run.
    QString summary() const
    {
        const double minutes = std::chrono::duration<double, std::ratio<60>>(m_end - m_start).count();
        const Memory first = m_firstMinute.value_or(m_atEnd);
        QString summary =
            QString("%1 events in %2 minutes, seed %3, 0 faults, resident memory %4 MB after the "
                    "first minute and %5 MB at the end")
                .arg(g_event.load())
                .arg(minutes, 0, 'g', 3)
                .arg(g_seed)
                .arg(megabytes(first.resident), megabytes(m_atEnd.resident));
        if (m_atEnd.heap > 0)
            summary += QString("\nsoak: heap in use %1 MB after the first minute and %2 MB at the end")
                           .arg(megabytes(first.heap), megabytes(m_atEnd.heap));
        return summary;
    }

private:
    void tick();
    void answerBox();
    void pasteHugeExpression();
    void takeHistoryRoom();
    void act(QLineEdit* box);
    void dismiss(QWidget* box);
    void chooseFromHelp();
    void actOnSideWindow();
    void typeNotes();
    void check();
    void report(Clock::time_point now);
    void finish();

    QWidget* find(const char* name) const { return m_window.findChild<QWidget*>(name); }
    void click(const char* name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    void clickMenuBar(const char* name) const
    {
        QMenuBar* bar = m_window.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(m_window.findChild<QAction*>(name)).center());
    }
    int below(qsizetype bound) { return m_random.bounded(static_cast<int>(bound)); }
    static void paste(QWidget* box, const QString& text)
    {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    static void cutAll(QWidget* box)
    {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    }

    vantor::ui::fVantor& m_window;
    QRandomGenerator m_random;
    std::chrono::milliseconds m_duration;
    qint64 m_events;
    QList<QPushButton*> m_keys;
    QList<QLineEdit*> m_boxes;
    QTimer m_timer;                // an event a tick
    QTimer m_boxTimer;             // answers a message box, in the box's own loop
    QString m_notes;               // what the scratch pad holds, as last typed
    QPointer<QWidget> m_dismissed; // the message box dismissed last
    qint64 m_shownBoxes = 0;
    qint64 m_nextCheck = kCheckEvery;
    Clock::time_point m_start;
    Clock::time_point m_nextReport;
    Clock::time_point m_end;
    std::optional<Memory> m_firstMinute;
    Memory m_atEnd;
};

// A message box runs an event loop of its own, inside the event that opened
// it, and the box's timer answers it there.
void Soak::answerBox()
{
    g_lastTick = Clock::now().time_since_epoch().count();
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (modal == m_dismissed)
        fail("the message box \"" + modal->windowTitle() + "\" stayed open after it was dismissed");
    ++g_event;
    dismiss(modal);
}

// QLineEdit keeps the room its edit history once took, 16 bytes or so a
// character, for as long as the box lives. A paste of twice the huge length
// takes more than any of the soak's edits: that room is taken before the
// first event, so that what the minutes after show is growth.
void Soak::takeHistoryRoom()
{
    paste(find("tExpression"), QString(2 * kHugePasteLength, u'1'));
    click("cClear");
}

void Soak::tick()
{
    const auto now = Clock::now();
    g_lastTick = now.time_since_epoch().count();
    if (QWidget* popup = QApplication::activePopupWidget())
        fail("the menu " + popup->objectName() + " stayed open");
    // Checked between events, once the event loop has done what the last one
    // left it; memory is read after a check, with the same short texts each time.
    if (g_event >= m_nextCheck || now >= m_nextReport) {
        check();
        m_nextCheck = g_event + kCheckEvery;
    }
    if (now >= m_nextReport)
        report(now);
    if (m_events > 0 ? g_event >= m_events : now - m_start >= m_duration) {
        finish();
        return;
    }

    if (++g_event % kHugePasteEvery == 0)
        pasteHugeExpression();
    else
        act(m_boxes[below(m_boxes.size())]);
}

// Now and then a paste of megabytes over the whole expression, "=", and
// "CR" after the fault. It has no line break, which would keep only the
// line before it.
void Soak::pasteHugeExpression()
{
    QString text = randomText(m_random, kHugePasteLength);
    text.removeIf([](QChar c) { return c == u'\n' || c == u'\r'; });
    QWidget* expression = find("tExpression");
    QTest::keyClick(expression, Qt::Key_A, Qt::ControlModifier);
    paste(expression, text);
    click("cResult");
    click("cClear");
}

// One event of a user's, each kind as often as its share of twenty.
void Soak::act(QLineEdit* box)
{
    const int roll = m_random.bounded(20);
    if (roll < 5)
        QTest::mouseClick(m_keys[below(m_keys.size())], Qt::LeftButton);
    else if (roll < 7)
        typeText(box, randomText(m_random, m_random.bounded(1, 12)));
    else if (roll < 8)
        paste(box, randomText(m_random, m_random.bounded(1, 200)));
    else if (roll < 9)
        QTest::keyClick(box, m_random.bounded(2) ? Qt::Key_Return : Qt::Key_Enter);
    else if (roll < 10)
        QTest::keyClick(box, kEditingKeys[below(std::size(kEditingKeys))],
                        m_random.bounded(4) == 0 ? Qt::ControlModifier : Qt::NoModifier);
    else if (roll < 11)
        click(m_random.bounded(2) ? "oDegrees" : "oRadians");
    else if (roll < 12)
        cutAll(box);
    else if (roll < 13)
        chooseFromHelp();
    else if (roll < 17)
        actOnSideWindow();
    else
        typeNotes();
}

// As a user answers a box: Enter, Escape or a click on OK, in turn at random.
void Soak::dismiss(QWidget* modal)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box)
        fail("a modal window that is no message box: " + modal->objectName());
    ++m_shownBoxes;
    m_dismissed = box;
    const int answer = m_random.bounded(3);
    if (answer == 0)
        QTest::keyClick(box, m_random.bounded(2) ? Qt::Key_Return : Qt::Key_Enter);
    else if (answer == 1)
        QTest::keyClick(box, Qt::Key_Escape);
    else
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
}

// Help with the mouse, then Content or About Us in its menu by its access key.
void Soak::chooseFromHelp()
{
    clickMenuBar("mHelp");
    auto* menu = m_window.findChild<QMenu*>("mHelpMenu");
    if (!menu->isVisible())
        fail("Help did not open its menu");
    QTest::keyClick(menu, m_random.bounded(2) ? Qt::Key_C : Qt::Key_A);
}

// The function list or the scratch pad: opened by its key if it is not
// shown; else closed by its title bar, minimised, restored or moved over
// the calculator.
void Soak::actOnSideWindow()
{
    const bool list = m_random.bounded(2);
    QWidget* window = topLevel(list ? "fFunction" : "fScribblingPad");
    if (!window || !window->isVisible()) {
        click(list ? "cFunction" : "cMemory");
        return;
    }
    switch (m_random.bounded(4)) {
    case 0:
        // What the title bar's close does: the window system asks the window to close.
        window->windowHandle()->close();
        if (!list)
            m_notes.clear(); // a closed pad is gone with its notes
        break;
    case 1:
        window->showMinimized();
        break;
    case 2:
        window->showNormal();
        break;
    default: {
        const QRect calculator = m_window.frameGeometry();
        window->move(calculator.topLeft() +
                     QPoint(m_random.bounded(calculator.width()), m_random.bounded(calculator.height())));
        break;
    }
    }
}

// Types into the shown scratch pad, after "M" if it is not shown, and
// remembers what it holds.
void Soak::typeNotes()
{
    QWidget* pad = topLevel("fScribblingPad");
    if (!pad || !pad->isVisible() || pad->isMinimized()) {
        click("cMemory");
        return;
    }
    auto* notes = pad->findChild<QLineEdit*>("tScribblingPad");
    const int edit = m_random.bounded(3);
    if (edit == 0)
        notes->selectAll(); // and types over them
    if (edit < 2)
        typeText(notes, randomText(m_random, m_random.bounded(1, 12)));
    else
        QTest::keyClick(notes, kEditingKeys[below(std::size(kEditingKeys))]);
    m_notes = notes->text();
}

void Soak::check()
{
    auto* expression = m_window.findChild<QLineEdit*>("tExpression");
    expression->selectAll();
    QTest::keyClicks(expression, "2+2");
    click("cResult");
    if (expression->text() != "4")
        fail("\"2+2\" gave " + expression->text().left(80));

    QWidget* pad = topLevel("fScribblingPad");
    const QString notes = pad ? pad->findChild<QLineEdit*>("tScribblingPad")->text() : QString();
    if (notes != m_notes)
        fail("the notes are \"" + notes.left(80) + "\", not \"" + m_notes.left(80) + "\"");
    if (m_window.centralWidget()->size() != kClientArea)
        fail(QString("the calculator's client area is %1 x %2")
                 .arg(m_window.centralWidget()->width())
                 .arg(m_window.centralWidget()->height()));
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() &&
            !window->screen()->availableVirtualGeometry().intersects(window->frameGeometry()))
            fail(window->objectName() + " is off the screen");
    }
    if (QApplication::activeModalWidget())
        fail("a message box stayed open");
}

void Soak::report(Clock::time_point now)
{
    const Memory memory = memoryNow();
    if (!m_firstMinute)
        m_firstMinute = memory;
    const double seconds = std::chrono::duration<double>(now - m_start).count();
    std::fprintf(stderr,
                 "soak: minute %d: %lld events, %.0f a second, %lld message boxes, resident memory %s MB%s\n",
                 static_cast<int>(seconds / 60 + 0.5), static_cast<long long>(g_event.load()),
                 static_cast<double>(g_event.load()) / seconds, static_cast<long long>(m_shownBoxes),
                 qPrintable(megabytes(memory.resident)),
                 memory.heap > 0 ? qPrintable(", heap in use " + megabytes(memory.heap) + " MB") : "");
    m_nextReport += kReportEvery;
}

// The last check, then Exit from the menu bar, which ends the event loop.
void Soak::finish()
{
    m_timer.stop();
    check();
    m_end = Clock::now();
    m_atEnd = memoryNow();
    clickMenuBar("mExit");
}

} // namespace

int main(int argc, char** argv)
{
    vantor::ui::setIdentity();
    QApplication application(argc, argv);
    vantor::ui::setUpApplication(application);

    QCommandLineParser parser;
    parser.setApplicationDescription("Sends the window random events for as long as asked.");
    parser.addHelpOption();
    const QCommandLineOption minutes("minutes", "How long to run.", "M", "30");
    const QCommandLineOption seed("seed", "The random events' seed (default: from the clock).", "S");
    const QCommandLineOption events("events", "End after N events instead.", "N");
    parser.addOptions({minutes, seed, events});
    parser.process(application);
    g_seed = parser.isSet(seed) ? parser.value(seed).toUInt()
                                : static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
    const qint64 eventCount = parser.value(events).toLongLong();
    std::fprintf(stderr, "soak: seed %u, %s\n", g_seed,
                 eventCount > 0 ? qPrintable(QString("%1 events").arg(eventCount))
                                : qPrintable(parser.value(minutes) + " minutes"));
    reportFatalEnds();

    vantor::ui::fVantor window;
    vantor::ui::setWindowIconAfterFirstFrame(window);
    window.show();

    const std::chrono::milliseconds duration(qRound64(parser.value(minutes).toDouble() * 60'000));
    Soak soak(window, duration, eventCount);
    QTimer::singleShot(0, &soak, &Soak::start);
    // Ten seconds without a tick: the window hangs.
    g_lastTick = Clock::now().time_since_epoch().count();
    std::jthread watchdog([](std::stop_token stop) {
        while (!stop.stop_requested()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            if (Clock::now() - Clock::time_point(Clock::duration(g_lastTick)) > kUnresponsive)
                fail("the window handled no event for 10 seconds");
        }
    });
    const int status = QApplication::exec();
    watchdog.request_stop();
    if (status != 0)
        fail(QString("the program ended with status %1").arg(status));
    std::fprintf(stderr, "soak: %s\n", qPrintable(soak.summary()));
    return 0;
}
