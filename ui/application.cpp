#include "ui/application.h"

#include "vantor/version.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QTimer>
#include <QWidget>
#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace vantor::ui {

namespace {

// The window icon, in each size embedded (VANTOR_ICON_SIZES, ui/CMakeLists.txt).
// Each picture is decoded as it is added.
QIcon windowIcon()
{
    QIcon icon;
    for (const int size : {VANTOR_ICON_SIZES})
        icon.addFile(QString(":/icons/%1/%2.png").arg(size).arg(kApplicationId), QSize(size, size));
    return icon;
}

// Watches a window for its first paint; once that frame is on the screen (the
// next turn of the event loop), gives the application its icon and goes.
class IconAfterFirstFrame : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(windowIcon());
                deleteLater();
            });
        }
        return false;
    }
};

#ifdef Q_OS_WIN

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

#endif

} // namespace

void setIdentity()
{
    QCoreApplication::setApplicationName("Vantor");
    QCoreApplication::setApplicationVersion(VANTOR_VERSION);
    QGuiApplication::setDesktopFileName(kApplicationId);
}

void setUpApplication(QApplication& application)
{
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

void setWindowIconAfterFirstFrame(QWidget& window)
{
    window.installEventFilter(new IconAfterFirstFrame(&window));
}

} // namespace vantor::ui
