// The side windows, the menus and the end of the program.

#include "ui/application.h"
#include "ui/ffunction.h"
#include "ui_fixture.h"

#include <QAction>
#include <QImage>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

#include <cstdlib>

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void functionListOpensOnceAndComesBack();
    void functionListComesBackInFrontOfTheCalculator();
    void scratchPadHidesKeepingItsText();
    void closingTheScratchPadDiscardsItsText();
    void scratchPadIsIndependentOfTheCalculator();
    void minimisedSideWindowsComeBackRestored();
    void everyWindowGetsTheIconOnceTheCalculatorHasDrawn();
    void windowsIconHoldsEveryPictureOfTheIcon();
    void helpMenuHoldsContentSeparatorAbout();
    void notesShowTheirTwoLines();
    void exitClosesEveryWindow();
    void altEEndsTheProgram();
    void tabKeyWalksFromTheExpressionThroughTheTable();
};

void WindowsTest::functionListOpensOnceAndComesBack()
{
    WindowFixture fixture;
    fixture.window->show();
    fixture.click("cFunction");
    auto* list = qobject_cast<vantor::ui::fFunction*>(topLevel("fFunction"));
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->windowTitle(), "Functions");
    QCOMPARE(list->size(), QSize(118, 69));
    const QStringList lines{"Abs\tFac\tSin", "ACos\tInt\tTan", "ASin\tLog", "ATan\tPi", "Cos\tRound"};
    QCOMPARE(list->lines(), lines);
    QCOMPARE(fixture.text("tExpression"), "0");

    fixture.click("cFunction");
    QCOMPARE(topLevel("fFunction"), list);
    QCOMPARE(list->lines(), lines);

    QPointer<QWidget> closed = list;
    list->close();
    QVERIFY(QTest::qWaitFor([&] { return closed.isNull(); }));
    fixture.click("cFunction");
    list = qobject_cast<vantor::ui::fFunction*>(topLevel("fFunction"));
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->lines(), lines);
}

// Whether the platform shows windows on a screen where one may cover another;
// offscreen each window is drawn on its own.
static bool windowsCanCoverEachOther()
{
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

// xdotool, which clicks through the X server; a Windows program under wine
// finds the Unix programs on drive Z.
static QString xdotool()
{
    const QString found = QStandardPaths::findExecutable("xdotool");
    if (!found.isEmpty())
        return found;
    const QString underWine = "Z:/usr/bin/xdotool";
    return QFileInfo::exists(underWine) ? underWine : QString();
}

// Clicks a control as the user's mouse does: through the X server (of xcb, or
// of wine), so that the window manager answers as it answers the user, by
// bringing the window forward and activating it. Offscreen there is no window
// manager: Qt's click stands in, and the activation the click would bring.
[[nodiscard]] static bool clickAsTheUser(QWidget* control)
{
    if (!windowsCanCoverEachOther()) {
        QTest::mouseClick(control, Qt::LeftButton);
        control->window()->activateWindow();
        return true;
    }
    const QPoint at = control->mapToGlobal(control->rect().center());
    return QProcess::startDetached(
        xdotool(), {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

// Whether the screen shows the whole of the window's inside: no other window
// covers any part of it.
static bool shownUncovered(QWidget* window)
{
    const QImage own = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QScreen* screen = window->screen();
    const QPoint at = window->mapToGlobal(QPoint(0, 0)) - screen->geometry().topLeft();
    const QImage shown = screen->grabWindow(0, at.x(), at.y(), window->width(), window->height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    return shown == own;
}

// A click into the calculator brings it forward; "Fn" then brings the list
// forward again, active, every time. The list stands beside the calculator, as
// the window manager places it, so that only the stacking order tells which
// is in front: moved over the calculator afterwards, the list in front stays
// whole.
void WindowsTest::functionListComesBackInFrontOfTheCalculator()
{
    if (windowsCanCoverEachOther() && xdotool().isEmpty()) {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("clicks through the window system with xdotool, which needs an X server (xcb, or wine's)");
        QFAIL("xdotool is needed to click through the X server");
    }
    WindowFixture fixture;
    QWidget* calculator = fixture.window.get();
    QVERIFY(fixture.showActive());
    fixture.click("cFunction");
    QWidget* list = topLevel("fFunction");
    QVERIFY(list);
    QVERIFY(QTest::qWaitForWindowActive(list));
    const QPoint beside = calculator->frameGeometry().topRight() + QPoint(20, 0);
    // Over the variable table, clear of the expression box and of "Fn".
    const QPoint overTable = fixture.box("tVariableExpression0")->mapToGlobal(QPoint(0, 0));

    for (int round = 1; round <= 2; ++round) {
        const QByteArray when = "round " + QByteArray::number(round);
        list->move(beside);
        QTRY_COMPARE(list->pos(), beside);
        QVERIFY(clickAsTheUser(fixture.box("tExpression")));
        QVERIFY2(QTest::qWaitForWindowActive(calculator), when.constData());

        fixture.click("cFunction");
        QVERIFY2(QTest::qWaitForWindowActive(list), when.constData());
        QCOMPARE(QApplication::activeWindow(), list);
        if (windowsCanCoverEachOther()) {
            list->move(overTable);
            QTRY_COMPARE(list->pos(), overTable);
            QTRY_VERIFY2(shownUncovered(list), (when + ": the list is behind the calculator").constData());
        }
    }
    if (!windowsCanCoverEachOther())
        QSKIP("offscreen no window covers another: the list's activation is seen, not its coming forward");
}

void WindowsTest::scratchPadHidesKeepingItsText()
{
    WindowFixture fixture;
    fixture.click("cMemory");
    QWidget* pad = topLevel("fScribblingPad");
    QVERIFY(pad && pad->isVisible());
    QCOMPARE(pad->windowTitle(), "Form1");
    QCOMPARE(pad->size(), QSize(227, 182));
    auto* notes = pad->findChild<QLineEdit*>("tScribblingPad");
    QCOMPARE(notes->geometry(), QRect(0, 0, 225, 177));
    QVERIFY(notes->text().isEmpty());

    QTest::keyClicks(notes, "note 1+1");
    fixture.click("cMemory");
    QVERIFY(!pad->isVisible());
    fixture.click("cMemory");
    QCOMPARE(topLevel("fScribblingPad"), pad);
    QVERIFY(pad->isVisible());
    QCOMPARE(notes->text(), "note 1+1");
}

void WindowsTest::closingTheScratchPadDiscardsItsText()
{
    WindowFixture fixture;
    fixture.click("cMemory");
    QPointer<QWidget> pad = topLevel("fScribblingPad");
    QTest::keyClicks(pad->findChild<QLineEdit*>("tScribblingPad"), "gone");
    pad->close();
    QVERIFY(QTest::qWaitFor([&] { return pad.isNull(); }));
    fixture.click("cMemory");
    QWidget* fresh = topLevel("fScribblingPad");
    QVERIFY(fresh && fresh->isVisible());
    QVERIFY(fresh->findChild<QLineEdit*>("tScribblingPad")->text().isEmpty());
}

void WindowsTest::scratchPadIsIndependentOfTheCalculator()
{
    WindowFixture fixture;
    fixture.click("cMemory");
    auto* notes = topLevel("fScribblingPad")->findChild<QLineEdit*>("tScribblingPad");
    QTest::keyClicks(notes, "2+2");
    QTest::keyClick(notes, Qt::Key_Return);
    QCOMPARE(notes->text(), "2+2");
    QCOMPARE(fixture.text("tExpression"), "0");
    fixture.click("cClear");
    fixture.click("cResult");
    fixture.press("tExpression");
    QCOMPARE(notes->text(), "2+2");
}

void WindowsTest::minimisedSideWindowsComeBackRestored()
{
    WindowFixture fixture;
    fixture.window->show();
    fixture.click("cFunction");
    QWidget* list = topLevel("fFunction");
    list->showMinimized();
    fixture.click("cFunction");
    QVERIFY(list->isVisible() && !list->isMinimized());

    fixture.click("cMemory");
    QWidget* pad = topLevel("fScribblingPad");
    QTest::keyClicks(pad->findChild<QLineEdit*>("tScribblingPad"), "kept");
    pad->showMinimized();
    fixture.click("cMemory"); // a minimised pad counts as hidden
    QVERIFY(pad->isVisible() && !pad->isMinimized());
    QCOMPARE(pad->findChild<QLineEdit*>("tScribblingPad")->text(), "kept");
    fixture.click("cMemory");
    QVERIFY(!pad->isVisible());
    fixture.click("cMemory");
    QVERIFY(pad->isVisible() && !pad->isMinimized());
}

// The icon is not decoded before the calculator's first frame; then every
// window has it, in each size a desktop may ask for.
void WindowsTest::everyWindowGetsTheIconOnceTheCalculatorHasDrawn()
{
    QApplication::setWindowIcon(QIcon());
    WindowFixture fixture;
    vantor::ui::setWindowIconAfterFirstFrame(*fixture.window);
    fixture.window->show();
    QVERIFY(fixture.window->windowIcon().isNull());

    QTRY_VERIFY(!fixture.window->windowIcon().isNull());
    const QList<QSize> sizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    QCOMPARE(fixture.window->windowIcon().availableSizes(), sizes);
    QCOMPARE(fixture.window->windowIcon().pixmap(48).toImage().pixelColor(24, 24).alpha(), 255);
    fixture.click("cFunction");
    QCOMPARE(topLevel("fFunction")->windowIcon().availableSizes(), sizes);
}

#ifdef VANTOR_WINDOWS_ICON
// Whether two pictures of the same size match, a channel allowed one step
// apart: the icon file's translucent pixels come back from Qt's reader
// through premultiplied alpha, which may round a channel by one.
static bool samePicture(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int shift : {0, 8, 16, 24}) {
                if (std::abs(int((p >> shift) & 0xff) - int((q >> shift) & 0xff)) > 1)
                    return false;
            }
        }
    }
    return true;
}
#endif

// The Windows program's icon file is made from the pictures by hand
// (scripts/windows-icon.sh): after a picture changes, it must be made again.
void WindowsTest::windowsIconHoldsEveryPictureOfTheIcon()
{
#ifndef VANTOR_WINDOWS_ICON
    QSKIP("the icon file is checked on the build machine");
#else
    QImageReader reader(VANTOR_WINDOWS_ICON);
    QCOMPARE(reader.imageCount(), 7);
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage picture = reader.read().convertToFormat(QImage::Format_ARGB32);
        const QString name = QString(":/icons/%1/org.vantor.Vantor.png").arg(picture.width());
        const QImage drawn = QImage(name).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!drawn.isNull(), qPrintable(name));
        QVERIFY2(samePicture(picture, drawn), qPrintable(QString("%1 differs from the icon file").arg(name)));
    }
#endif
}

void WindowsTest::helpMenuHoldsContentSeparatorAbout()
{
    WindowFixture fixture;
    const QList<QAction*> bar = fixture.window->menuBar()->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->objectName(), "mHelp");
    QCOMPARE(bar[0]->text(), "&Help");
    QCOMPARE(bar[1]->objectName(), "mExit");
    QCOMPARE(bar[1]->text(), "&Exit");
    QVERIFY(!bar[1]->menu());

    const QList<QAction*> help = bar[0]->menu()->actions();
    QCOMPARE(help.size(), 3);
    QCOMPARE(help[0]->text(), "&Content");
    QVERIFY(help[1]->isSeparator());
    QCOMPARE(help[2]->text(), "&About Us");
}

void WindowsTest::notesShowTheirTwoLines()
{
    WindowFixture fixture;
    fixture.find<QAction>("mContent")->trigger();
    fixture.find<QAction>("mAboutUs")->trigger();
    QCOMPARE(fixture.messages.size(), 2u);
    QCOMPARE(fixture.messages[0].title, "Content");
    QCOMPARE(fixture.messages[0].text, "Enter the different numbers and operate on them\n"
                                       "Wish you all success in this calculating venture");
    QCOMPARE(fixture.messages[1].title, "About Us");
    const QStringList about = fixture.messages[1].text.split('\n');
    QCOMPARE(about.size(), 2);
    QVERIFY(about[0].contains("the Vantor developers"));
    QVERIFY(about[1].startsWith(QString(18, ' ')) && about[1][18] != ' ');
}

void WindowsTest::exitClosesEveryWindow()
{
    WindowFixture fixture;
    fixture.window->show();
    fixture.click("cFunction");
    fixture.click("cMemory");
    fixture.click("cMemory"); // the pad is hidden, not gone
    QPointer<QWidget> list = topLevel("fFunction");
    QPointer<QWidget> pad = topLevel("fScribblingPad");
    QVERIFY(list && pad && !pad->isVisible());

    fixture.find<QAction>("mExit")->trigger();
    QVERIFY(!fixture.window->isVisible());
    QVERIFY(list.isNull());
    QVERIFY(pad.isNull());
}

void WindowsTest::altEEndsTheProgram()
{
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    fixture.click("cMemory");
    QPointer<QWidget> pad = topLevel("fScribblingPad");
    fixture.window->activateWindow();
    QTest::keyClick(fixture.box("tExpression"), Qt::Key_E, Qt::AltModifier);
    QVERIFY(QTest::qWaitFor([&] { return !fixture.window->isVisible(); }));
    QVERIFY(pad.isNull());
}

void WindowsTest::tabKeyWalksFromTheExpressionThroughTheTable()
{
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    QStringList visited;
    for (int i = 0; i < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited.mid(0, 4),
             (QStringList{"tVariableName0", "tVariableExpression0", "tVariableResult0", "tVariableName1"}));
    QCOMPARE(visited.last(), "cResult");
    // The focus stays on "=" after a click, so Enter and Space run it again, on the result.
    fixture.box("tExpression")->setText("2+3");
    QTest::keyClick(fixture.button("cResult"), Qt::Key_Return);
    QCOMPARE(fixture.text("tExpression"), "5");
    QTest::keyClick(fixture.button("cResult"), Qt::Key_Space);
    QCOMPARE(fixture.text("tExpression"), "5");
    QCOMPARE(QApplication::focusWidget(), fixture.button("cResult"));
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
