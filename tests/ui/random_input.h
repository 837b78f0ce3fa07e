#pragma once

// Input of every kind a careless or hostile user gives, for the monkey test
// and the soak.

#include <QApplication>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QString>
#include <QWidget>

// Text of every kind a keyboard or a clipboard can bring: calculator input,
// printable and control characters, letters beyond ASCII.
inline QString randomText(QRandomGenerator& random, int length)
{
    static const QString calculator = "0123456789.+-*/%^()eE piabscofintlgr xyz";
    QString text;
    for (int i = 0; i < length; ++i) {
        switch (random.bounded(4)) {
        case 0:
        case 1:
            text += calculator[random.bounded(static_cast<int>(calculator.size()))];
            break;
        case 2:
            text += QChar(random.bounded(0x20, 0x7F));
            break;
        default:
            text += QChar(random.bounded(2) ? random.bounded(0x00, 0x20) : random.bounded(0xA0, 0x3000));
            break;
        }
    }
    return text;
}

// Types each character as a key event carrying it, control characters
// included (a carriage return as the Return key).
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        int key = Qt::Key_unknown;
        if (c == '\r')
            key = Qt::Key_Return;
        else if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// The keys that move the caret, delete or leave a box.
inline constexpr Qt::Key kEditingKeys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                                           Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Tab,  Qt::Key_Escape};
