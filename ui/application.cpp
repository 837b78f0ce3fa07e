#include "ui/application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace vantor::ui {

void setIdentity()
{
    QCoreApplication::setApplicationName("Vantor");
    QCoreApplication::setApplicationVersion("0.1.0");
    QGuiApplication::setDesktopFileName(kApplicationId);
}

void setUpApplication(QApplication& application)
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/%1/%2.png").arg(size).arg(kApplicationId), QSize(size, size));
    QApplication::setWindowIcon(icon);

    QFont font = QApplication::font();
    font.setPointSize(kDefaultPointSize);
    QApplication::setFont(font);
    (void)application;
}

} // namespace vantor::ui
