// Where every control of the main window sits, the order in which they take
// the focus, and the state the window opens in.

#include "ui_fixture.h"

#include <QHelpEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTextDocumentFragment>
#include <QToolTip>

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void controlSitsWhereItBelongs_data();
    void controlSitsWhereItBelongs();
    void clientAreaIsFixed();
    void tabVisitsTheControlsInOrder();
    void labelsTakeNoFocus();
    void optionButtonsAreOneExclusiveGroup();
    void windowOpensWithZeroAndDegrees();
    void clippedBoxShowsItsWholeTextAsATooltip();
};

// Twips at 15 to a pixel.
static QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

void LayoutTest::controlSitsWhereItBelongs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("tExpression") << "tExpression" << twips(120, 120, 3495, 645);
    for (int i = 0; i < 5; ++i) {
        const int top = 840 + 240 * i;
        const QByteArray row = QByteArray::number(i);
        QTest::newRow("tVariableName" + row)
            << QString("tVariableName%1").arg(i) << twips(120, top, 735, 285);
        QTest::newRow("tVariableExpression" + row)
            << QString("tVariableExpression%1").arg(i) << twips(840, top, 1695, 285);
        QTest::newRow("tVariableResult" + row)
            << QString("tVariableResult%1").arg(i) << twips(2520, top, 1095, 285);
    }
    const char* keypad[4][6] = {
        {"c1", "c2", "c3", "cDot", "cMultiply", nullptr},
        {"c4", "c5", "c6", "cPlus0", "cDivide", "cClear"},
        {"c7", "c8", "c9", "cMinus", "cRemainder", "cMemory"},
        {"c0", "cFunction", "cLeftBracket", "cRightBracket", "cPower", "cResult"},
    };
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 6; ++column) {
            if (const char* name = keypad[row][column])
                QTest::newRow(name) << QString(name) << twips(120 + 600 * column, 2400 + 600 * row, 495, 435);
        }
    }
    QTest::newRow("lDegrees") << "lDegrees" << twips(3240, 2400, 255, 255);
    QTest::newRow("oDegrees") << "oDegrees" << twips(3480, 2370, 255, 255);
    QTest::newRow("lRadians") << "lRadians" << twips(3240, 2640, 255, 255);
    QTest::newRow("oRadians") << "oRadians" << twips(3480, 2610, 255, 255);
}

void LayoutTest::controlSitsWhereItBelongs()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    WindowFixture fixture;
    QCOMPARE(fixture.find<QWidget>(name)->geometry(), geometry);
}

void LayoutTest::clientAreaIsFixed()
{
    WindowFixture fixture;
    fixture.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.window.get()));
    QCOMPARE(fixture.window->centralWidget()->size(), QSize(250, 322));
    QCOMPARE(fixture.window->minimumSize(), fixture.window->maximumSize());
}

void LayoutTest::tabVisitsTheControlsInOrder()
{
    QStringList expected{"tExpression"};
    for (int i = 0; i < 5; ++i)
        expected << QString("tVariableName%1").arg(i) << QString("tVariableExpression%1").arg(i)
                 << QString("tVariableResult%1").arg(i);
    expected << "cResult"
             << "c1"
             << "c3"
             << "c2"
             << "cPlus0"
             << "c4"
             << "c5"
             << "c6"
             << "cMinus"
             << "c7"
             << "c8"
             << "c9"
             << "cMultiply"
             << "cDot"
             << "cClear"
             << "cMemory"
             << "c0"
             << "cLeftBracket"
             << "cRightBracket"
             << "cPower"
             << "cFunction"
             << "cDivide"
             << "cRemainder"
             << "oRadians"
             << "oDegrees";

    WindowFixture fixture;
    QStringList chain;
    QWidget* widget = fixture.box("tExpression");
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != fixture.box("tExpression"));
    QCOMPARE(chain, expected);
}

void LayoutTest::labelsTakeNoFocus()
{
    WindowFixture fixture;
    for (const char* name : {"lDegrees", "lRadians"}) {
        QLabel* label = fixture.find<QLabel>(name);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(fixture.option("oDegrees")->isChecked());
    }
    QCOMPARE(fixture.find<QLabel>("lDegrees")->text(), "D");
    QCOMPARE(fixture.find<QLabel>("lRadians")->text(), "R");
}

void LayoutTest::optionButtonsAreOneExclusiveGroup()
{
    WindowFixture fixture;
    QRadioButton* degrees = fixture.option("oDegrees");
    QRadioButton* radians = fixture.option("oRadians");
    QVERIFY(degrees->text().isEmpty() && radians->text().isEmpty());
    QTest::mouseClick(radians, Qt::LeftButton);
    QVERIFY(radians->isChecked() && !degrees->isChecked());
    QTest::mouseClick(degrees, Qt::LeftButton);
    QVERIFY(degrees->isChecked() && !radians->isChecked());
}

void LayoutTest::windowOpensWithZeroAndDegrees()
{
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    QCOMPARE(fixture.window->windowTitle(), "Vantor");
    QCOMPARE(fixture.text("tExpression"), "0");
    QCOMPARE(QApplication::focusWidget(), fixture.box("tExpression"));
    QCOMPARE(fixture.box("tExpression")->cursorPosition(), 1); // after the "0"
    QVERIFY(fixture.option("oDegrees")->isChecked());
    for (int i = 0; i < 5; ++i) {
        for (const char* column : {"tVariableName", "tVariableExpression", "tVariableResult"})
            QVERIFY(fixture.text(QString("%1%2").arg(column).arg(i)).isEmpty());
    }
}

// What the user sees on hovering over a box: the tooltip's text, or nothing.
static QString hover(QLineEdit* box)
{
    QHelpEvent event(QEvent::ToolTip, box->rect().center(), box->mapToGlobal(box->rect().center()));
    QApplication::sendEvent(box, &event);
    if (!QToolTip::isVisible())
        return {};
    QString shown = QTextDocumentFragment::fromHtml(QToolTip::text()).toPlainText();
    return shown.remove(QChar::LineSeparator).remove(u'\n');
}

void LayoutTest::clippedBoxShowsItsWholeTextAsATooltip()
{
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    const QList<QLineEdit*> boxes = fixture.window->findChildren<QLineEdit*>();
    QCOMPARE(boxes.size(), 16);
    for (QLineEdit* box : boxes) {
        box->setText("2.5");
        QCOMPARE(hover(box), QString()); // a text that fits needs none
    }
    // The result column is narrower than a value of 15 digits; the expression
    // box is narrower than an expression of 60 characters.
    const QString value = "0.500000000000001";
    const QString expression = "sin(30)*<b>x</b> & " + QString(40, u'9');
    for (QLineEdit* box : boxes) {
        const QString& text = box->objectName().startsWith("tVariableResult") ? value : expression;
        box->setText(text);
        QCOMPARE(hover(box), text); // as typed: no markup, no character lost
    }
    // A text too long for any screen shows as much as fits, and says so.
    QLineEdit* expressionBox = fixture.box("tExpression");
    expressionBox->setText(QString(100'000, u'7'));
    const QString shown = hover(expressionBox);
    QVERIFY(shown.size() > 1000);
    QCOMPARE(shown, QString(shown.size() - 1, u'7') + QChar(0x2026));
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
