#include "ui/fvantor.h"

#include "ui/accessibility.h"
#include "ui/ffunction.h"
#include "ui/fscribbling_pad.h"
#include "ui/geometry.h"
#include "ui/text_box.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <optional>
#include <utility>

namespace vantor::ui {

namespace {

constexpr int kKeyEnter = 13;

// The order in which Tab visits the controls after the expression box and the
// variable table; not the visual order of the keypad.
constexpr const char* kFocusOrderAfterTable[] = {
    "cResult",
    "c1",
    "c3",
    "c2",
    "cPlus0",
    "c4",
    "c5",
    "c6",
    "cMinus",
    "c7",
    "c8",
    "c9",
    "cMultiply",
    "cDot",
    "cClear",
    "cMemory",
    "c0",
    "cLeftBracket",
    "cRightBracket",
    "cPower",
    "cFunction",
    "cDivide",
    "cRemainder",
    "oRadians",
    "oDegrees",
};

constexpr const char* kContentText = "Enter the different numbers and operate on them\n"
                                     "Wish you all success in this calculating venture";
constexpr const char* kAboutText = "Copyright (C) 2026 the Vantor developers. All rights reserved.\n"
                                   "                  vantor@example.org";

QString indexed(const char* name, int index)
{
    return QString::fromLatin1(name) + QString::number(index);
}

Text toText(const QString& text)
{
    return text.toStdU16String();
}

// Shows a side window, restored if it was minimised, in front of the others.
void showInFront(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
#ifdef Q_OS_WIN
    // raise() asks Windows to put the window on top of its stacking order, and
    // does nothing when the window stands there already. Under wine that order
    // can be stale: wine follows the window manager's restacking only through
    // the parts of a window it uncovers, so after a click into the calculator
    // standing beside this window, wine still counts this one as the top window
    // and drops the raise, and it stays behind. Lowering it first makes the
    // raise a real move, which wine passes on to the window manager. On Windows
    // the two moves end where raise() alone does.
    window->lower();
#endif
    window->raise();
    window->activateWindow();
}

TextBox* makeBox(QWidget* client, const QString& name, const QRect& geometry)
{
    auto* box = new TextBox(client);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

} // namespace

fVantor::fVantor(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("fVantor");
    setWindowTitle("Vantor");

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(twips(3750), twips(4830));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    createMenus();
    createExpressionBox(client);
    createVariableTable(client);
    createKeypad(client);
    createAngleSwitch(client);
    setFocusOrder();

    Form_Load();
    m_expression->setFocus();
}

fVantor::~fVantor()
{
    delete m_functionList;
    delete m_scratchPad;
}

void fVantor::createMenus()
{
    QMenu* help = menuBar()->addMenu("&Help");
    help->menuAction()->setObjectName("mHelp");
    help->setObjectName("mHelpMenu");

    QAction* content = help->addAction("&Content", this, &fVantor::mContent_Click);
    content->setObjectName("mContent");
    help->addSeparator()->setObjectName("m1");
    QAction* about = help->addAction("&About Us", this, &fVantor::mAboutUs_Click);
    about->setObjectName("mAboutUs");

    // An item of the bar itself, with no drop-down: choosing it acts at once.
    QAction* exit = menuBar()->addAction("&Exit", this, &fVantor::mExit_Click);
    exit->setObjectName("mExit");
}

void fVantor::createExpressionBox(QWidget* client)
{
    m_expression = makeBox(client, "tExpression", twipsRect(120, 120, 3495, 645));
    m_expression->setAccessibleName("Expression");
    m_expression->installEventFilter(this);
}

void fVantor::createVariableTable(QWidget* client)
{
    // Rows 240 twips apart and boxes 285 high: neighbouring boxes overlap, so
    // the fifteen draw as one grid.
    for (int i = 0; i < kRows; ++i) {
        const int top = 840 + 240 * i;
        m_names[i] = makeBox(client, indexed("tVariableName", i), twipsRect(120, top, 735, 285));
        m_expressions[i] = makeBox(client, indexed("tVariableExpression", i), twipsRect(840, top, 1695, 285));
        m_results[i] = makeBox(client, indexed("tVariableResult", i), twipsRect(2520, top, 1095, 285));
        m_names[i]->setAccessibleName(QString("Name of variable %1").arg(i + 1));
        m_expressions[i]->setAccessibleName(QString("Expression of variable %1").arg(i + 1));
        m_results[i]->setAccessibleName(QString("Value of variable %1").arg(i + 1));

        connect(m_names[i], &QLineEdit::textChanged, this, [this, i] { tVariableName_Change(i); });
        m_expressions[i]->installEventFilter(this);
    }
}

// The 23 keypad buttons: name, caption, cell in the grid of six columns and
// four rows, what a screen reader says where the caption does not, and the
// handler a click runs; the nineteen keys with none append their caption. The
// top cell of the last column holds the angle switch.
struct fVantor::KeypadKey {
    const char* name;
    const char* caption;
    int row;
    int column;
    const char* description;
    void (fVantor::*command)();
};

// clang-format off
const fVantor::KeypadKey fVantor::kKeypad[] = {
    {"c1", "1", 0, 0, "", nullptr},
    {"c2", "2", 0, 1, "", nullptr},
    {"c3", "3", 0, 2, "", nullptr},
    {"cDot", ".", 0, 3, "Decimal point", nullptr},
    {"cMultiply", "*", 0, 4, "Multiply", nullptr},
    {"c4", "4", 1, 0, "", nullptr},
    {"c5", "5", 1, 1, "", nullptr},
    {"c6", "6", 1, 2, "", nullptr},
    {"cPlus0", "+", 1, 3, "Add", nullptr},
    {"cDivide", "/", 1, 4, "Divide", nullptr},
    {"cClear", "CR", 1, 5, "Clear the expression", &fVantor::cClear_Click},
    {"c7", "7", 2, 0, "", nullptr},
    {"c8", "8", 2, 1, "", nullptr},
    {"c9", "9", 2, 2, "", nullptr},
    {"cMinus", "-", 2, 3, "Subtract", nullptr},
    {"cRemainder", "%", 2, 4, "Remainder", nullptr},
    {"cMemory", "M", 2, 5, "Show or hide the scratch pad", &fVantor::cMemory_Click},
    {"c0", "0", 3, 0, "", nullptr},
    {"cFunction", "Fn", 3, 1, "List the functions", &fVantor::cFunction_Click},
    {"cLeftBracket", "(", 3, 2, "Opening bracket", nullptr},
    {"cRightBracket", ")", 3, 3, "Closing bracket", nullptr},
    {"cPower", "^", 3, 4, "Power", nullptr},
    {"cResult", "=", 3, 5, "Evaluate the expression", &fVantor::cResult_Click},
};
// clang-format on

void fVantor::createKeypad(QWidget* client)
{
    for (const KeypadKey& key : kKeypad) {
        auto* button = new QPushButton(QString::fromLatin1(key.caption), client);
        button->setObjectName(key.name);
        button->setGeometry(twipsRect(120 + 600 * key.column, 2400 + 600 * key.row, 495, 435));
        button->setAccessibleDescription(QString::fromLatin1(key.description));
        // A focused button is pressed again by Enter as well as by Space.
        button->setAutoDefault(true);
        m_keypad.push_back(button);

        if (key.command)
            connect(button, &QPushButton::clicked, this, key.command);
        else
            connect(button, &QPushButton::clicked, this,
                    [this, caption = button->text()] { appendKey_Click(caption); });
    }
}

void fVantor::createAngleSwitch(QWidget* client)
{
    auto* degreesLabel = new QLabel("D", client);
    degreesLabel->setObjectName("lDegrees");
    degreesLabel->setGeometry(twipsRect(3240, 2400, 255, 255));
    degreesLabel->setAccessibleDescription("Degrees");
    auto* radiansLabel = new QLabel("R", client);
    radiansLabel->setObjectName("lRadians");
    radiansLabel->setGeometry(twipsRect(3240, 2640, 255, 255));
    radiansLabel->setAccessibleDescription("Radians");

    // Siblings, so one exclusive group: selecting one clears the other.
    m_degrees = new QRadioButton(client);
    m_degrees->setObjectName("oDegrees");
    m_degrees->setGeometry(twipsRect(3480, 2370, 255, 255));
    m_degrees->setAccessibleName("Degrees");
    m_degrees->setAccessibleDescription("Angles of trigonometric functions in degrees");
    m_radians = new QRadioButton(client);
    m_radians->setObjectName("oRadians");
    m_radians->setGeometry(twipsRect(3480, 2610, 255, 255));
    m_radians->setAccessibleName("Radians");
    m_radians->setAccessibleDescription("Angles of trigonometric functions in radians");
    m_degrees->setChecked(true);
    // Each letter labels its button, for a screen reader as for the eye.
    degreesLabel->setBuddy(m_degrees);
    radiansLabel->setBuddy(m_radians);
}

void fVantor::setFocusOrder()
{
    QList<QWidget*> order{m_expression};
    for (int i = 0; i < kRows; ++i)
        order << m_names[i] << m_expressions[i] << m_results[i];
    for (const char* name : kFocusOrderAfterTable)
        order << findChild<QWidget*>(QString::fromLatin1(name));
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

EvaluationContext fVantor::context() const
{
    EvaluationContext context;
    for (std::size_t i = 0; i < context.rows.size(); ++i)
        context.rows[i] = {toText(m_names[i]->text()), toText(m_expressions[i]->text()),
                           toText(m_results[i]->text())};
    context.degrees = m_degrees->isChecked();
    return context;
}

bool fVantor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                       !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!enter)
        return false;

    int keyAscii = kKeyEnter;
    if (watched == m_expression) {
        tExpression_KeyPress(keyAscii);
    } else {
        for (int i = 0; i < kRows; ++i) {
            if (watched == m_expressions[i])
                tVariableExpression_KeyPress(i, keyAscii);
        }
    }
    return keyAscii == 0;
}

void fVantor::closeEvent(QCloseEvent* event)
{
    // Ending the program closes every window, hidden ones included.
    delete m_functionList;
    delete m_scratchPad;
    event->accept();
    QApplication::quit();
}

void fVantor::showResults(const std::vector<ResultInBox>& results, const QString& resultName)
{
    std::optional<FaultKind> fault;
    for (const auto& [box, result] : results) {
        fault = result.fault;
        if (fault)
            break;
        box->setText(QString::fromStdU16String(result.text));
    }
    // Spoken before a fault's box, which a screen reader reads as an alert.
    const auto& [first, result] = results.front();
    if (!result.fault)
        announceResult(first, resultName, first->text());
    if (fault) {
        const std::string_view message = faultMessage(*fault);
        m_messageBox(this, "Vantor",
                     QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
    }
}

void fVantor::Form_Load()
{
    m_expression->setText("0");
}

void fVantor::appendKey_Click(const QString& caption)
{
    m_expression->setText(m_expression->text() + caption);
}

void fVantor::cClear_Click()
{
    m_expression->setText("0");
}

void fVantor::cResult_Click()
{
    const ExpressionAndRows computed = computeExpressionAndRows(context(), toText(m_expression->text()));
    std::vector<ResultInBox> results{{m_expression, computed.expression}};
    for (int i = 0; i < kRows; ++i) {
        if (computed.rows[i])
            results.emplace_back(m_results[i], *computed.rows[i]);
    }
    showResults(results, {});
}

void fVantor::cFunction_Click()
{
    if (!m_functionList)
        m_functionList = new fFunction;
    showInFront(m_functionList);
    m_functionList->PrintFunction();
}

void fVantor::cMemory_Click()
{
    if (!m_scratchPad)
        m_scratchPad = new fScribblingPad;
    // A minimised pad counts as hidden: "M" brings it back.
    if (m_scratchPad->isVisible() && !m_scratchPad->isMinimized())
        m_scratchPad->hide();
    else
        showInFront(m_scratchPad);
}

void fVantor::tExpression_KeyPress(int& keyAscii)
{
    if (keyAscii != kKeyEnter)
        return;
    cResult_Click();
    keyAscii = 0;
}

void fVantor::tVariableExpression_KeyPress(int index, int& keyAscii)
{
    if (keyAscii != kKeyEnter)
        return;
    showResults({{m_results[index], computeRow(context(), static_cast<std::size_t>(index))}},
                m_names[index]->text());
    keyAscii = 0;
}

void fVantor::tVariableName_Change(int index)
{
    m_expressions[index]->setText("0");
}

void fVantor::mContent_Click()
{
    m_messageBox(this, "Content", kContentText);
}

void fVantor::mAboutUs_Click()
{
    m_messageBox(this, "About Us", kAboutText);
}

void fVantor::mExit_Click()
{
    close();
}

} // namespace vantor::ui
