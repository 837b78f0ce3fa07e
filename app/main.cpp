// Start-up: the application, then the main window.

#include "ui/application.h"
#include "ui/first_frame.h"
#include "ui/fvantor.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    vantor::ui::setUpApplication(application);

    vantor::ui::fVantor window;
    vantor::ui::reportFirstFrameIfAsked(&window);
    window.show();
    return QApplication::exec();
}
