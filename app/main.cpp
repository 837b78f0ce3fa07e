// Start-up: the application, its default font, and the main window.

#include "ui/first_frame.h"
#include "ui/fvantor.h"

#include <QApplication>
#include <QFont>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vantor");

    // The windows are laid out to fixed sizes; this font size keeps every
    // caption and every box's text within them.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);

    vantor::ui::fVantor window;
    vantor::ui::reportFirstFrameIfAsked(&window);
    window.show();
    return QApplication::exec();
}
