// The side windows, the menus and the end of the program.

#include "ui/ffunction.h"
#include "ui_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void functionListOpensOnceAndComesBack();
    void scratchPadHidesKeepingItsText();
    void closingTheScratchPadDiscardsItsText();
    void scratchPadIsIndependentOfTheCalculator();
    void minimisedSideWindowsComeBackRestored();
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
    QApplication::setActiveWindow(fixture.window.get());
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
