// What a screen reader finds on the main window: every control named, and
// described where its caption does not say what it does.

#include "ui_fixture.h"

#include <QAccessible>
#include <QAction>

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAName();
    void crypticCaptionsAreDescribed();
    void variableBoxesSayTheirRowAndColumn();
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

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
