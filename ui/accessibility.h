#pragma once

#include <QString>

class QWidget;

namespace vantor::ui {

// Asks a screen reader to speak what a command wrote into a box: the text
// itself, after "NAME = " where the box is a named variable's. A value is
// spoken when the reader is idle, a message that says what is wrong with the
// text at once. Without it a reader speaks no result written into a box the
// user is not in, and Orca 48 none written right after Enter. Qt carries the
// request from 6.8 on (an AT-SPI announcement, a UI Automation
// notification); built against an older Qt this does nothing.
void announceResult(QWidget* box, const QString& name, const QString& text);

// Gives a side window the accessible interface a screen reader needs: known
// as a window, and for the function list its lines readable as text. Qt
// knows a plain top-level widget as a client area, which AT-SPI calls a filler.
void installSideWindowAccessibility();

} // namespace vantor::ui
