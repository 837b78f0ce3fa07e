// Start-up: --help and --version are answered on the terminal; otherwise the
// application, then the main window, which takes no command line.

#include "ui/application.h"
#include "ui/fvantor.h"

#include <QApplication>
#include <QCommandLineParser>

namespace {

// Answers --help or --version and ends the program; any other argument is
// ignored. This needs no display, so it comes before the window's application.
// A word after one dash is one option, as Qt's own are (-style, -stylesheet,
// -reverse): read as a bundle of letters, -stylesheet would ask for help.
void answerInformationOptions(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription("A calculator for expressions with functions and variables.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(arguments);
    if (!parser.isSet(help) && !parser.isSet(version))
        return;
    QCoreApplication information(argc, argv);
    if (parser.isSet(help))
        parser.showHelp();
    parser.showVersion();
}

} // namespace

int main(int argc, char** argv)
{
    vantor::ui::setIdentity();
    answerInformationOptions(argc, argv);

    QApplication application(argc, argv);
    vantor::ui::setUpApplication(application);

    vantor::ui::fVantor window;
    vantor::ui::setWindowIconAfterFirstFrame(window);
    window.show();
    return QApplication::exec();
}
