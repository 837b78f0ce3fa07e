#pragma once

#include <QString>

#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace vantor::ui {

// Shows a modal box with a title, a text, one OK button and no icon, and
// returns when it is dismissed. Tests put a recorder in its place.
using MessageBox = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

void showModalMessage(QWidget* parent, const QString& title, const QString& text);

// The box showModalMessage shows: as wide as its text, and as its title with
// a frame's buttons beside it.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& title, const QString& text);

} // namespace vantor::ui
