// The yardsticks for Vantor's start-up: a bare Qt Widgets window of the same
// client size (250 x 322), with the same font and nothing in it; with --text,
// the same window showing one line of text, which is what loads the fonts.
// Each reports its first frame (first_frame.h).

#include "bench/first_frame.h"
#include "ui/application.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    vantor::bench::reportFirstFrame();
    QFont font = QApplication::font();
    font.setPointSize(vantor::ui::kDefaultPointSize);
    QApplication::setFont(font);

    QWidget window;
    window.setWindowTitle("Bare");
    window.setFixedSize(250, 322);
    if (argc > 1 && QString(argv[1]) == "--text")
        (new QLabel("0", &window))->move(8, 8);
    window.show();
    return QApplication::exec();
}
