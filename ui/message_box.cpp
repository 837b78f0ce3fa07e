#include "ui/message_box.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QStyle>

namespace vantor::ui {

namespace {

// How many title-bar buttons' room a frame may take beside a title: its
// icon, minimise, maximise and close. Qt sizes a box by its text and leaves
// one button's room beside the title, so a short text ("Division by zero")
// left the title cut to an ellipsis in frames that draw more.
constexpr int kTitleBarButtons = 4;

// Widens the box to its title as the title bar shows it.
void makeRoomForTitle(QMessageBox& box)
{
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    const int button = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    const int width = title.horizontalAdvance(box.windowTitle()) + kTitleBarButtons * button;
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& title, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    makeRoomForTitle(*box);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // A screen reader announces the box as an alert; a client that reads the
    // alert alone, not the label inside it, finds the text here. Orca 43, the
    // reader beside Qt 6.4 (Debian 12), speaks it after the label's: twice.
    box->setAccessibleDescription(text);
#endif
    return box;
}

void showModalMessage(QWidget* parent, const QString& title, const QString& text)
{
    makeMessageBox(parent, title, text)->exec();
}

} // namespace vantor::ui
