#pragma once

#include "engine/compute.h"
#include "ui/message_box.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QRadioButton;

namespace vantor::ui {

class fFunction;
class fScribblingPad;
class TextBox;

// The main window: the expression box, the variable table, the keypad and the
// angle switch. It owns all data in its boxes; the engine gets the variable
// rows and the angle unit as they stand when a command evaluates.
class fVantor : public QMainWindow {
    Q_OBJECT

public:
    explicit fVantor(QWidget* parent = nullptr);
    ~fVantor() override;

    // Replaces the modal message box, so that tests never wait on one.
    void setMessageBox(MessageBox messageBox) { m_messageBox = std::move(messageBox); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    static constexpr int kRows = EvaluationContext::kRows;

    void createMenus();
    void createExpressionBox(QWidget* client);
    void createVariableTable(QWidget* client);
    void createKeypad(QWidget* client);
    void createAngleSwitch(QWidget* client);
    void setFocusOrder();

    // The keypad's buttons, each with the handler its click runs (fvantor.cpp).
    struct KeypadKey;
    static const KeypadKey kKeypad[];

    // Handlers, one for each event of a control.
    void Form_Load();
    void appendKey_Click(const QString& caption);
    void cClear_Click();
    void cResult_Click();
    void cFunction_Click();
    void cMemory_Click();
    void tExpression_KeyPress(int& keyAscii);
    void tVariableExpression_KeyPress(int index, int& keyAscii);
    void tVariableName_Change(int index);
    void mContent_Click();
    void mAboutUs_Click();
    void mExit_Click();

    // Writes each result into its box, in order, up to a fault. The first is
    // the command's own: its result is announced to screen readers, after
    // resultName where a variable's row names it. A fault's message is shown
    // last.
    using ResultInBox = std::pair<TextBox*, Result>;
    void showResults(const std::vector<ResultInBox>& results, const QString& resultName);
    EvaluationContext context() const;

    TextBox* m_expression = nullptr;
    std::array<TextBox*, kRows> m_names{};
    std::array<TextBox*, kRows> m_expressions{};
    std::array<TextBox*, kRows> m_results{};
    QRadioButton* m_degrees = nullptr;
    QRadioButton* m_radians = nullptr;
    std::vector<QPushButton*> m_keypad;

    QPointer<fFunction> m_functionList;
    QPointer<fScribblingPad> m_scratchPad;
    MessageBox m_messageBox = showModalMessage;
};

} // namespace vantor::ui
