#pragma once

#include "ui/fvantor.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>
#include <vector>

// The program's top-level window of that name, shown or hidden.
inline QWidget* topLevel(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name)
            return widget;
    }
    return nullptr;
}

// A main window whose message boxes are recorded instead of shown.
struct ShownMessage {
    QString title;
    QString text;
};

class WindowFixture {
public:
    WindowFixture() : window(std::make_unique<vantor::ui::fVantor>())
    {
        window->setMessageBox([this](QWidget*, const QString& title, const QString& text) {
            messages.push_back({title, text});
        });
    }

    // Shows the window and makes it the active one, as the user's would be.
    [[nodiscard]] bool showActive() const
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    QLineEdit* box(const QString& name) const { return find<QLineEdit>(name); }
    QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
    QRadioButton* option(const QString& name) const { return find<QRadioButton>(name); }

    template <typename T> T* find(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }

    QString text(const QString& name) const { return box(name)->text(); }
    void click(const QString& name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    void press(const QString& name, Qt::Key key = Qt::Key_Return) const { QTest::keyClick(box(name), key); }

    // Types into a box as the user would.
    void type(const QString& name, const QString& text) const { QTest::keyClicks(box(name), text); }

    // Sets a row's name, expression and result texts directly.
    void setRow(int row, const QString& name, const QString& expression, const QString& result = {}) const
    {
        box(QString("tVariableName%1").arg(row))->setText(name);
        box(QString("tVariableExpression%1").arg(row))->setText(expression);
        box(QString("tVariableResult%1").arg(row))->setText(result);
    }

    std::unique_ptr<vantor::ui::fVantor> window;
    std::vector<ShownMessage> messages;
};
