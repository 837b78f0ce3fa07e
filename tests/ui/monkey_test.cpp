// Thousands of random events, as a careless or hostile user would cause them:
// the window must stay alive, keep answering, and keep the scratch pad's notes.

#include "random_input.h"
#include "ui_fixture.h"

#include <QClipboard>

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void hugePasteShowsTheOverflowAndKeepsTheBox();
    void survivesRandomEvents();
};

void MonkeyTest::hugePasteShowsTheOverflowAndKeepsTheBox()
{
    WindowFixture fixture;
    fixture.window->show();
    QLineEdit* expression = fixture.box("tExpression");
    expression->clear();
    QApplication::clipboard()->setText(QString(1'000'000, '1'));
    QTest::keyClick(expression, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(expression->text().size(), 1'000'000);

    fixture.click("cResult");
    QCOMPARE(fixture.messages.size(), 1u);
    QCOMPARE(fixture.messages.front().text, "Overflow");
    QCOMPARE(expression->text(), QString(1'000'000, '1'));
    // So many characters begin a new edit history, so that the box's memory
    // stays bounded,
    QTRY_VERIFY(!expression->isUndoAvailable());
    // and what is typed after it can be undone.
    QTest::keyClick(expression, Qt::Key_3);
    QTest::keyClick(expression, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(expression->text(), QString(1'000'000, '1'));
}

void MonkeyTest::survivesRandomEvents()
{
    constexpr int kEvents = 20'000;
    const quint32 seed = 20261207;
    QRandomGenerator random(seed);
    qInfo("seed %u", seed);

    WindowFixture fixture;
    QVERIFY(fixture.showActive());

    // Notes the monkey never touches; it hides and shows their pad.
    fixture.click("cMemory");
    QPointer<QLineEdit> notes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "fScribblingPad")
            notes = widget->findChild<QLineEdit*>("tScribblingPad");
    }
    QVERIFY(notes);
    QTest::keyClicks(notes, "keep these notes");

    QList<QPushButton*> keys = fixture.window->findChildren<QPushButton*>();
    QList<QLineEdit*> boxes = fixture.window->findChildren<QLineEdit*>();
    QCOMPARE(keys.size(), 23);
    QCOMPARE(boxes.size(), 16);

    for (int event = 0; event < kEvents; ++event) {
        QLineEdit* box = boxes[random.bounded(static_cast<int>(boxes.size()))];
        if (event % 5000 == 4999) {
            // Now and then a paste of megabytes, and "=".
            QApplication::clipboard()->setText(randomText(random, 3'000'000));
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            fixture.click("cResult");
            continue;
        }
        switch (random.bounded(10)) {
        case 0:
        case 1:
        case 2:
            QTest::mouseClick(keys[random.bounded(static_cast<int>(keys.size()))], Qt::LeftButton);
            break;
        case 3:
        case 4:
            typeText(box, randomText(random, random.bounded(1, 12)));
            break;
        case 5:
            QApplication::clipboard()->setText(randomText(random, random.bounded(1, 200)));
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            break;
        case 6:
            QTest::keyClick(box, random.bounded(2) ? Qt::Key_Return : Qt::Key_Enter);
            break;
        case 7:
            QTest::keyClick(box, kEditingKeys[random.bounded(8)],
                            random.bounded(4) == 0 ? Qt::ControlModifier : Qt::NoModifier);
            break;
        case 8:
            QTest::mouseClick(fixture.option(random.bounded(2) ? "oDegrees" : "oRadians"), Qt::LeftButton);
            break;
        default:
            box->selectAll();
            QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
            break;
        }
    }

    QVERIFY(fixture.window->isVisible());
    QVERIFY(notes);
    QCOMPARE(notes->text(), "keep these notes");
    for (int i = 0; i < 5; ++i)
        fixture.setRow(i, "", "");
    fixture.box("tExpression")->setText("2+2");
    fixture.click("cResult");
    QCOMPARE(fixture.text("tExpression"), "4");
    qInfo("%zu faults shown along the way", fixture.messages.size());
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
