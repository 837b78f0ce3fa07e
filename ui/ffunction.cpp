#include "ui/ffunction.h"

#include "ui/accessibility.h"
#include "ui/geometry.h"

#include <QPainter>
#include <QTextOption>

namespace vantor::ui {

namespace {

// The twelve names in alphabetical order, column by column, a tab between columns.
const QStringList kLines{
    "Abs\tFac\tSin", "ACos\tInt\tTan", "ASin\tLog", "ATan\tPi", "Cos\tRound",
};

} // namespace

fFunction::fFunction(QWidget* parent) : QWidget(parent)
{
    // Before anything queries the window's accessible interface, which Qt
    // then keeps: the names are drawn, not held in controls, and a screen
    // reader reads the lines as the window's text (ui/accessibility.cpp).
    installSideWindowAccessibility();
    setObjectName("fFunction");
    setWindowTitle("Functions");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips(1770), twips(1035));
}

void fFunction::PrintFunction()
{
    m_lines = kLines;
    update();
}

void fFunction::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // Tab stops one column apart: the widest name of the first two columns and a blank.
    int column = 0;
    for (const QString& line : m_lines) {
        const QStringList names = line.split('\t');
        for (qsizetype i = 0; i + 1 < names.size(); ++i)
            column = std::max(column, metrics.horizontalAdvance(names[i]));
    }
    QTextOption option;
    option.setTabStopDistance(column + metrics.horizontalAdvance(' '));
    option.setWrapMode(QTextOption::NoWrap);

    int top = 0;
    for (const QString& line : m_lines) {
        painter.drawText(QRectF(0, top, width(), metrics.height()), line, option);
        top += metrics.height();
    }
}

} // namespace vantor::ui
