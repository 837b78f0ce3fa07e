#include "ui/text_box.h"

#include <QHelpEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <QValidator>

#include <algorithm>
#include <limits>

namespace vantor::ui {

namespace {

// QLineEdit keeps this many pixels free on each side of its text.
constexpr int kTextMargin = 2;

// A tooltip breaks the text into lines of this many characters and shows at
// most this many lines, so that it fits a screen.
constexpr qsizetype kTipLineLength = 64;
constexpr qsizetype kTipLines = 24;

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Cuts a line break, and everything after it that was just put in, out of the
// text. Typing cannot insert a line break, so one can only come with a paste
// or a drop, which leaves the caret after what it inserted: what stands
// between the first line break and the caret goes, and the rest of the box
// stays as it was.
class FirstLineOnly : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& text, int& caret) const override
    {
        const auto lineBreak = std::find_if(text.cbegin(), text.cend(), isLineBreak);
        if (lineBreak != text.cend()) {
            const int from = static_cast<int>(lineBreak - text.cbegin());
            const int to = caret > from ? caret : static_cast<int>(text.size());
            text.remove(from, to - from);
            caret = from;
        }
        return Acceptable;
    }
};

// The text as the lines of a tooltip, shown as it stands: a "<" in an
// expression is no markup.
QString tipFor(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size() && lines.size() < kTipLines) {
        qsizetype length = kTipLineLength;
        // A character made of two 16-bit units stays on one line.
        if (start + length < text.size() && text.at(start + length - 1).isHighSurrogate())
            ++length;
        lines << text.mid(start, length).toHtmlEscaped();
        start += length;
    }
    if (start < text.size())
        lines.back() += QChar(0x2026); // the rest would not fit a screen
    return "<p style='white-space:pre'>" + lines.join("<br>") + "</p>";
}

// How many characters an edit took out and put in: each of QLineEdit's edits
// replaces one run of characters, and what stands before and after it stays.
qsizetype changedCharacters(const QString& before, const QString& after)
{
    const qsizetype head =
        std::mismatch(before.cbegin(), before.cend(), after.cbegin(), after.cend()).first - before.cbegin();
    const qsizetype tail =
        std::mismatch(before.crbegin(), before.crend() - head, after.crbegin(), after.crend() - head).first -
        before.crbegin();
    return before.size() + after.size() - 2 * (head + tail);
}

} // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new FirstLineOnly(this));
    connect(this, &QLineEdit::textChanged, this, &TextBox::countEdit);
}

void TextBox::countEdit(const QString& text)
{
    // A text set with setText has no history; an edit or an undo adds to it.
    m_undoCharacters = isUndoAvailable() ? m_undoCharacters + changedCharacters(m_lastText, text) : 0;
    m_lastText = text;
    if (m_undoCharacters > kUndoCharacters) {
        m_undoCharacters = 0;
        // Once the edit that is under way has ended.
        QMetaObject::invokeMethod(this, &TextBox::startNewHistory, Qt::QueuedConnection);
    }
}

void TextBox::startNewHistory()
{
    const int caret = cursorPosition();
    setText(text());
    setCursorPosition(caret);
}

bool TextBox::isClipped() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect room =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
    return fontMetrics().horizontalAdvance(text()) > room.width() - 2 * kTextMargin;
}

bool TextBox::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QLineEdit::event(event);
    if (isClipped())
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tipFor(text()), this);
    else
        QToolTip::hideText();
    return true;
}

} // namespace vantor::ui
