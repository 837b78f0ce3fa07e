// What the keypad, the keyboard and the result command do to the boxes.

#include "ui_fixture.h"

#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void keypadAppendsItsCaption();
    void clearResetsOnlyTheExpression();
    void keypadAppendsAtTheEndWhereverTheCaretIs();
    void typingGoesOnAfterWhatACommandWrote();
    void everyCommandLeavesTheCaretAtTheEndOfWhatItWrote();
    void pastedOrDroppedTextKeepsItsFirstLine();
    void enterInTheExpressionRunsTheResultCommand();
    void enterInARowComputesThatRowOnly();
    void otherKeysReachTheBoxesUntouched();
    void resultCommandWritesEachResultIntoItsBox();
    void resultCommandContinuesFromAResult();
    void renamingARowResetsItsExpression();
    void angleSwitchDecidesTheUnit();
    void faultIsShownAndNothingFurtherIsWritten();
    void deepestNestingEvaluatesOnAnyStack();
};

void CommandsTest::keypadAppendsItsCaption()
{
    WindowFixture fixture;
    const QStringList keys{
        "c5", "cPlus0",        "c1",      "cDot", "c2",         "cMultiply", "cLeftBracket", "c9", "cMinus",
        "c8", "cRightBracket", "cDivide", "c7",   "cRemainder", "c6",        "cPower",       "c3", "c4",
        "c0"};
    for (const QString& key : keys)
        fixture.click(key);
    QCOMPARE(fixture.text("tExpression"), "05+1.2*(9-8)/7%6^340");
    fixture.click("cResult");
    QCOMPARE(fixture.text("tExpression"), "5.17142857142857");
}

void CommandsTest::clearResetsOnlyTheExpression()
{
    WindowFixture fixture;
    fixture.setRow(0, "a", "2", "2");
    fixture.click("c7");
    fixture.click("cClear");
    QCOMPARE(fixture.text("tExpression"), "0");
    fixture.click("cMinus");
    fixture.click("c3");
    QCOMPARE(fixture.text("tExpression"), "0-3");
    QCOMPARE(fixture.text("tVariableName0"), "a");
    QCOMPARE(fixture.text("tVariableResult0"), "2");
}

void CommandsTest::keypadAppendsAtTheEndWhereverTheCaretIs()
{
    WindowFixture fixture;
    QLineEdit* expression = fixture.box("tExpression");
    expression->setText("12345");
    expression->setSelection(1, 2);
    fixture.click("c9");
    QCOMPARE(expression->text(), "123459");
    expression->setCursorPosition(2);
    fixture.click("cPlus0");
    QCOMPARE(expression->text(), "123459+");
    QCOMPARE(expression->cursorPosition(), 7);
    QVERIFY(!expression->hasSelectedText());
}

void CommandsTest::typingGoesOnAfterWhatACommandWrote()
{
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    // The caret stands after the "0" of the start, so typing continues it.
    fixture.type("tExpression", "2+3");
    QCOMPARE(fixture.text("tExpression"), "02+3");
    fixture.press("tExpression");
    QCOMPARE(fixture.text("tExpression"), "5");

    // Typed after a result, an operator continues the result, not a digit inside it.
    fixture.box("tExpression")->setText("1/3");
    fixture.press("tExpression");
    fixture.type("tExpression", "*3");
    QCOMPARE(fixture.text("tExpression"), "0.333333333333333*3");
    fixture.press("tExpression");
    QCOMPARE(fixture.text("tExpression"), "0.999999999999999");

    fixture.box("tExpression")->setCursorPosition(0);
    fixture.click("cClear");
    fixture.type("tExpression", "7");
    QCOMPARE(fixture.text("tExpression"), "07");
}

void CommandsTest::everyCommandLeavesTheCaretAtTheEndOfWhatItWrote()
{
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    const auto caretAtEnd = [&fixture](const QString& name) {
        const QLineEdit* box = fixture.box(name);
        return box->cursorPosition() == box->text().size() && !box->hasSelectedText();
    };
    fixture.setRow(0, "a", "1/3", "old text");
    fixture.box("tVariableResult0")->setSelection(0, 3);
    fixture.box("tExpression")->setText("a*3");
    fixture.box("tExpression")->setCursorPosition(1);
    fixture.click("cResult");
    QCOMPARE(fixture.text("tExpression"), "0.999999999999999");
    QVERIFY(caretAtEnd("tExpression"));
    QCOMPARE(fixture.text("tVariableResult0"), "0.333333333333333");
    QVERIFY(caretAtEnd("tVariableResult0"));

    fixture.box("tVariableResult1")->setText("old text");
    fixture.box("tVariableResult1")->setCursorPosition(2);
    fixture.box("tVariableExpression1")->setText("2^10");
    fixture.press("tVariableExpression1");
    QCOMPARE(fixture.text("tVariableResult1"), "1024");
    QVERIFY(caretAtEnd("tVariableResult1"));

    // A new name resets the row's expression to a "0" that typing continues.
    fixture.box("tVariableExpression1")->setCursorPosition(0);
    fixture.box("tVariableName1")->setFocus();
    fixture.type("tVariableName1", "b");
    QCOMPARE(fixture.text("tVariableExpression1"), "0");
    QVERIFY(caretAtEnd("tVariableExpression1"));
    QCOMPARE(QApplication::focusWidget(), fixture.box("tVariableName1")); // the focus never moves
}

void CommandsTest::pastedOrDroppedTextKeepsItsFirstLine()
{
    WindowFixture fixture;
    fixture.click("cMemory");
    QList<QLineEdit*> boxes = fixture.window->findChildren<QLineEdit*>();
    boxes << topLevel("fScribblingPad")->findChild<QLineEdit*>("tScribblingPad");
    QCOMPARE(boxes.size(), 17);
    for (QLineEdit* box : boxes) {
        for (const char* lineEnd : {"\n", "\r\n", "\r"}) {
            box->setText("12");
            box->setCursorPosition(1);
            QGuiApplication::clipboard()->setText(QString("a+b") + lineEnd + "second line" + lineEnd);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text(), "1a+b2"); // the box's own text after the caret stays
            QCOMPARE(box->cursorPosition(), 4);
        }
    }

    fixture.box("tExpression")->clear();
    QGuiApplication::clipboard()->setText("2+3\n");
    QTest::keyClick(fixture.box("tExpression"), Qt::Key_Insert, Qt::ShiftModifier);
    fixture.press("tExpression");
    QCOMPARE(fixture.text("tExpression"), "5");

    // Text dragged in from another program and dropped.
    QLineEdit* expression = fixture.box("tExpression");
    QMimeData dragged;
    dragged.setText("*7\n*100");
    const QPoint where = expression->rect().center();
    QDragEnterEvent enter(where, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(expression, &enter);
    QDropEvent drop(where, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(expression, &drop);
    QCOMPARE(expression->text(), "5*7");
}

void CommandsTest::enterInTheExpressionRunsTheResultCommand()
{
    WindowFixture fixture;
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        fixture.box("tExpression")->setText("2+3");
        fixture.press("tExpression", enter);
        QCOMPARE(fixture.text("tExpression"), "5");
    }
    fixture.box("tExpression")->clear();
    fixture.press("tExpression");
    QCOMPARE(fixture.text("tExpression"), "Error. No Text");
    QVERIFY(fixture.messages.empty());
}

void CommandsTest::enterInARowComputesThatRowOnly()
{
    WindowFixture fixture;
    fixture.setRow(1, "a", "5", "old");
    fixture.box("tVariableExpression2")->setText("4*2");
    fixture.press("tVariableExpression2");
    QCOMPARE(fixture.text("tVariableResult2"), "8"); // a row with no name is computed all the same
    QCOMPARE(fixture.text("tVariableResult1"), "old");
    QCOMPARE(fixture.text("tExpression"), "0");

    fixture.box("tVariableExpression1")->setText("a+1");
    fixture.press("tVariableExpression1", Qt::Key_Enter);
    QCOMPARE(fixture.text("tVariableResult1"),
             "Error. Unknown Identifier"); // a row's expression cannot use variables
}

void CommandsTest::otherKeysReachTheBoxesUntouched()
{
    WindowFixture fixture;
    fixture.box("tExpression")->clear();
    fixture.type("tExpression", "Sin(#) x");
    QCOMPARE(fixture.text("tExpression"), "Sin(#) x");
    fixture.type("tVariableResult0", "typed\r");
    QCOMPARE(fixture.text("tVariableResult0"), "typed");
    fixture.press("tVariableResult0");
    QCOMPARE(fixture.text("tVariableResult0"), "typed"); // Enter in a result box runs nothing
}

void CommandsTest::resultCommandWritesEachResultIntoItsBox()
{
    // Which rows "=" computes, and where a fault stops it, are the engine's
    // (its tests); the window writes each result into its row's box.
    WindowFixture fixture;
    fixture.setRow(0, "r", "2");
    fixture.setRow(1, "", "2*3", "kept");
    fixture.setRow(2, "b", "1/0", "r2");
    fixture.setRow(3, "c", "3", "r3");
    fixture.box("tExpression")->setText("r*3");
    fixture.click("cResult");
    QCOMPARE(fixture.text("tExpression"), "6");
    QCOMPARE(fixture.text("tVariableResult0"), "2");
    QCOMPARE(fixture.text("tVariableResult1"), "kept");
    QCOMPARE(fixture.text("tVariableResult2"), "r2");
    QCOMPARE(fixture.text("tVariableResult3"), "r3");
    QCOMPARE(fixture.messages.size(), 1u);
    QCOMPARE(fixture.messages.front().text, "Division by zero");

    fixture.press("tVariableExpression2");
    QCOMPARE(fixture.text("tVariableResult2"), "r2");
    QCOMPARE(fixture.messages.size(), 2u);
}

void CommandsTest::resultCommandContinuesFromAResult()
{
    WindowFixture fixture;
    fixture.box("tExpression")->setText("2+5");
    fixture.click("cResult");
    fixture.click("cPlus0");
    QCOMPARE(fixture.text("tExpression"), "7+");
    fixture.box("tExpression")->setText("(1");
    fixture.click("cResult");
    fixture.click("c5");
    QCOMPARE(fixture.text("tExpression"), "Error. Wrong Parenthisation5");
    fixture.click("cResult");
    QCOMPARE(fixture.text("tExpression"), "Error. Wrong Exponential Number");
}

void CommandsTest::renamingARowResetsItsExpression()
{
    WindowFixture fixture;
    fixture.setRow(0, "", "7", "7");
    fixture.type("tVariableName0", "ab");
    QCOMPARE(fixture.text("tVariableExpression0"), "0");
    QCOMPARE(fixture.text("tVariableResult0"), "7"); // the result keeps its text until recomputed
    fixture.box("tVariableExpression0")->setText("5");
    fixture.box("tVariableName0")->clear();
    QCOMPARE(fixture.text("tVariableExpression0"), "0");
}

void CommandsTest::angleSwitchDecidesTheUnit()
{
    WindowFixture fixture;
    fixture.box("tExpression")->setText("2 + 3 * SIN(30)");
    fixture.click("cResult");
    QCOMPARE(fixture.text("tExpression"), "3.49999999844557");
    QTest::mouseClick(fixture.option("oRadians"), Qt::LeftButton);
    fixture.box("tExpression")->setText("sin(30)");
    fixture.click("cResult");
    QCOMPARE(fixture.text("tExpression"), "-0.988031624092862");
}

void CommandsTest::faultIsShownAndNothingFurtherIsWritten()
{
    WindowFixture fixture;
    fixture.setRow(0, "a", "2", "old");
    for (const auto& [expression, message] :
         {std::pair{"1/0", "Division by zero"}, std::pair{"log(0)", "Invalid procedure call or argument"},
          std::pair{"2)+(3", "Subscript out of range"}, std::pair{"10^400", "Overflow"}}) {
        fixture.messages.clear();
        fixture.box("tExpression")->setText(expression);
        fixture.click("cResult");
        QCOMPARE(fixture.messages.size(), 1u);
        QCOMPARE(fixture.messages.front().title, "Vantor");
        QCOMPARE(fixture.messages.front().text, message);
        QCOMPARE(fixture.text("tExpression"), expression);
        QCOMPARE(fixture.text("tVariableResult0"), "old");
    }
    fixture.box("tExpression")->setText("1+1");
    fixture.click("cResult");
    QCOMPARE(fixture.text("tExpression"), "2"); // the program goes on
}

void CommandsTest::deepestNestingEvaluatesOnAnyStack()
{
    // Run also with a main stack of 512 KB (see CMakeLists.txt): where the
    // window's stack runs short, the engine goes on on a stack of its own.
    WindowFixture fixture;
    const auto nested = [](int depth) {
        return QString("abs(").repeated(depth) + "-1" + QString(depth, u')');
    };
    fixture.box("tExpression")->setText(nested(1000));
    fixture.click("cResult");
    QCOMPARE(fixture.text("tExpression"), "1");
    fixture.box("tVariableExpression0")->setText(nested(1001));
    fixture.press("tVariableExpression0");
    QCOMPARE(fixture.messages.size(), 1u);
    QCOMPARE(fixture.messages.front().text, "Out of stack space");
    QCOMPARE(fixture.text("tVariableResult0"), "");
}

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
