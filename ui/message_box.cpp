#include "ui/message_box.h"

#include <QMessageBox>

namespace vantor::ui {

void showModalMessage(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace vantor::ui
