#include "ui/application.h"

#include "vantor/version.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace vantor::ui {

void setIdentity()
{
    QCoreApplication::setApplicationName("Vantor");
    QCoreApplication::setApplicationVersion(VANTOR_VERSION);
    QGuiApplication::setDesktopFileName(kApplicationId);
}

void setUpApplication(QApplication& application)
{
    // VANTOR_ICON_SIZES: the sizes of the pictures embedded (ui/CMakeLists.txt).
    QIcon icon;
    for (const int size : {VANTOR_ICON_SIZES})
        icon.addFile(QString(":/icons/%1/%2.png").arg(size).arg(kApplicationId), QSize(size, size));
    QApplication::setWindowIcon(icon);

    QFont font = QApplication::font();
    font.setPointSize(kDefaultPointSize);
    QApplication::setFont(font);
    (void)application;
}

} // namespace vantor::ui
