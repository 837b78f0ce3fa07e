// What a screen reader finds on the main window: every control named, and
// described where its caption does not say what it does; and what it is told
// after each command that writes a result.

#include "ui_fixture.h"

#include <QAccessible>
#include <QAction>

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAName();
    void crypticCaptionsAreDescribed();
    void variableBoxesSayTheirRowAndColumn();
    void eachCommandAnnouncesWhatItWrote_data();
    void eachCommandAnnouncesWhatItWrote();
};

namespace {

// Every interface below root, depth first.
void walk(QAccessibleInterface* root, QList<QAccessibleInterface*>& found)
{
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* child = root->child(i)) {
            found << child;
            walk(child, found);
        }
    }
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
QStringList announcements; // "polite: TEXT" or "assertive: TEXT", in order

// Stands in for the platform's bridge: what would reach a screen reader.
void recordAnnouncement(QAccessibleEvent* event)
{
    if (event->type() != QAccessible::Announcement)
        return;
    const auto* announcement = static_cast<QAccessibleAnnouncementEvent*>(event);
    const bool assertive = announcement->politeness() == QAccessible::AnnouncementPoliteness::Assertive;
    announcements << (assertive ? "assertive: " : "polite: ") + announcement->message();
}
#endif

} // namespace

void AccessibilityTest::everyControlHasAName()
{
    WindowFixture fixture;
    fixture.window->show();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(fixture.window.get());
    QVERIFY(window);
    QList<QAccessibleInterface*> interfaces;
    walk(window, interfaces);

    const QList<QAccessible::Role> controls{QAccessible::PushButton,  QAccessible::EditableText,
                                            QAccessible::RadioButton, QAccessible::StaticText,
                                            QAccessible::MenuItem,    QAccessible::ButtonMenu};
    int checked = 0;
    for (QAccessibleInterface* interface : interfaces) {
        if (!controls.contains(interface->role()))
            continue;
        ++checked;
        QVERIFY2(!interface->text(QAccessible::Name).isEmpty(),
                 qPrintable(QString("unnamed %1 %2")
                                .arg(interface->role())
                                .arg(interface->object() ? interface->object()->objectName() : QString())));
    }
    // The expression, 15 boxes, 23 keys, 2 option buttons, 2 labels and the two menus of the bar.
    QVERIFY2(checked >= 45, qPrintable(QString::number(checked)));
}

void AccessibilityTest::crypticCaptionsAreDescribed()
{
    WindowFixture fixture;
    const auto description = [&](const char* name) {
        return QAccessible::queryAccessibleInterface(fixture.find<QWidget>(name))
            ->text(QAccessible::Description);
    };
    QCOMPARE(description("cClear"), "Clear the expression");
    QCOMPARE(description("cMemory"), "Show or hide the scratch pad");
    QCOMPARE(description("cFunction"), "List the functions");
    QCOMPARE(description("cResult"), "Evaluate the expression");
    QCOMPARE(QAccessible::queryAccessibleInterface(fixture.option("oDegrees"))->text(QAccessible::Name),
             "Degrees");
    QCOMPARE(QAccessible::queryAccessibleInterface(fixture.option("oRadians"))->text(QAccessible::Name),
             "Radians");
}

void AccessibilityTest::variableBoxesSayTheirRowAndColumn()
{
    WindowFixture fixture;
    const auto name = [&](const QString& box) {
        return QAccessible::queryAccessibleInterface(fixture.box(box))->text(QAccessible::Name);
    };
    QCOMPARE(name("tExpression"), "Expression");
    QCOMPARE(name("tVariableName0"), "Name of variable 1");
    QCOMPARE(name("tVariableExpression2"), "Expression of variable 3");
    QCOMPARE(name("tVariableResult4"), "Value of variable 5");
}

void AccessibilityTest::eachCommandAnnouncesWhatItWrote_data()
{
    // How the command is given: "click" or "space" on "=", "enter" in the
    // expression box, "row" for Enter in the expression box of row 0, named a.
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("rowExpression");
    QTest::addColumn<QString>("spoken"); // empty: nothing, a fault's box says it

    // clang-format off
    QTest::newRow("= clicked") << "click" << "1/3" << "2*3" << "polite: 0.333333333333333";
    QTest::newRow("Space on =") << "space" << "2+3*SIN(30)" << "2*3" << "polite: 3.49999999844557";
    QTest::newRow("Enter, an error text")
        << "enter" << "((" << "2*3" << "assertive: Error. Wrong Parenthisation";
    QTest::newRow("Enter in a row") << "row" << "0" << "2*3" << "polite: a = 6";
    QTest::newRow("Enter in a row, an error text")
        << "row" << "0" << "((" << "assertive: a = Error. Wrong Parenthisation";
    QTest::newRow("a row's fault after the expression") << "click" << "2+3" << "1/0" << "polite: 5";
    QTest::newRow("a fault") << "enter" << "1/0" << "2*3" << "";
    QTest::newRow("a row's fault") << "row" << "0" << "1/0" << "";
    // clang-format on
}

void AccessibilityTest::eachCommandAnnouncesWhatItWrote()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QFETCH(QString, command);
    QFETCH(QString, expression);
    QFETCH(QString, rowExpression);
    QFETCH(QString, spoken);
    WindowFixture fixture;
    fixture.box("tExpression")->setText(expression);
    fixture.setRow(0, "a", rowExpression);
    announcements.clear();
    QAccessible::installUpdateHandler(recordAnnouncement);
    if (command == "click")
        fixture.click("cResult");
    else if (command == "space")
        QTest::keyClick(fixture.button("cResult"), Qt::Key_Space);
    else
        fixture.press(command == "row" ? "tVariableExpression0" : "tExpression");
    QAccessible::installUpdateHandler(nullptr);
    QCOMPARE(announcements, spoken.isEmpty() ? QStringList() : QStringList{spoken});
#else
    QSKIP("Qt carries announcements to screen readers from 6.8 on; this build's Qt has none to send");
#endif
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
