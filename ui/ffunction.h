#pragma once

#include <QStringList>
#include <QWidget>

namespace vantor::ui {

// A reminder of the functions and the constant an expression may use: five
// lines of names in three columns. Nothing in it can be clicked.
class fFunction : public QWidget {
    Q_OBJECT

public:
    explicit fFunction(QWidget* parent = nullptr);

    // Shows the five lines from the top-left corner; again, it changes nothing.
    void PrintFunction();

    const QStringList& lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList m_lines;
};

} // namespace vantor::ui
