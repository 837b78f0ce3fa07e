#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace vantor::ui {

// Shows a modal box with a title, a text, one OK button and no icon, and
// returns when it is dismissed. Tests put a recorder in its place.
using MessageBox = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

void showModalMessage(QWidget* parent, const QString& title, const QString& text);

} // namespace vantor::ui
