#pragma once

#include <QLineEdit>

namespace vantor::ui {

// A single-line text box of the windows.
// - It holds text of any length: the engine, not the box, judges an expression.
// - It never holds a line break: a pasted or dropped text keeps only what
//   stands before its first line break, as single-line boxes do on Windows.
// - Hovered while its text is wider than the box, it shows the text as a
//   tooltip, so that a long value can be read whole.
// - Its edits can be undone as far back as kUndoCharacters typed, pasted or
//   deleted characters; past them the history starts again from the text as
//   it stands, so that its memory stays bounded.
// A command replaces the whole text with setText, which leaves the caret at
// the end with nothing selected: a command never leaves the caret inside a
// number it wrote.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

    // Whether the text is wider than the room the box has for it.
    bool isClipped() const;

    // QLineEdit keeps about 20 bytes for each character an edit puts in or
    // takes out, for as long as the box lives: pasting and cutting a long
    // text again and again took memory without end. Some 40 edits of a long
    // expression, in at most 160 KB a box.
    static constexpr qsizetype kUndoCharacters = 1 << 12;

protected:
    bool event(QEvent* event) override;

private:
    void countEdit(const QString& text);
    void startNewHistory();

    QString m_lastText;
    qsizetype m_undoCharacters = 0; // characters edited since the history began
};

} // namespace vantor::ui
