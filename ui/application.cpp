#include "ui/application.h"

#include "vantor/version.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace vantor::ui {

#ifdef Q_OS_WIN
namespace {

// Windows' dialog face is "MS Shell Dlg 2", a name that Windows resolves
// through its font substitutes (to Tahoma, on every Windows since 2000) and
// that Qt's font database does not know: asked for it, Qt takes the first
// face it has. The face behind the name, read where Windows reads it.
QString dialogFace()
{
    const QSettings substitutes(
        QStringLiteral(R"(HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\FontSubstitutes)"),
        QSettings::NativeFormat);
    // A substitute may name a character set after a comma ("Tahoma,0").
    return substitutes.value(QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Tahoma"))
        .toString()
        .section(u',', 0, 0);
}

} // namespace
#endif

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
#ifdef Q_OS_WIN
    // Windows hands Qt its message font, Segoe UI on Windows 10 and 11, whose
    // lines are too tall for the geometry (five lines of the function list
    // take 75 of its 69 pixels). The geometry was drawn for the dialog face.
    font.setFamilies({dialogFace()});
#endif
    font.setPointSize(kDefaultPointSize);
    QApplication::setFont(font);
    (void)application;
}

} // namespace vantor::ui
