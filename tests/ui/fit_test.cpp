// Whether every text fits the control it is shown in, in the font the
// application really uses: the geometry is fixed, so a face with taller or
// wider letters cuts captions, lines of the function list and boxes' text.
// On the platform's own desktop (the Windows build runs this under wine with
// the windows platform plugin) the font is the one that platform hands out,
// and in a dark colour mode every text must still stand out from its control.

#include "ui/application.h"
#include "ui/ffunction.h"
#include "ui/message_box.h"
#include "ui_fixture.h"

#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

class FitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void captionsFitTheirButtons();
    void labelsFitTheirPlaces();
    void aLineOfTextFitsEveryBox();
    void theFunctionListShowsItsFiveLinesWhole();
    void aFaultsBoxHasRoomForItsTitle();
    void everyTextStandsOutFromItsControl();
};

// The font each control really gets, for a failure's message.
static QString describe(const QWidget* widget)
{
    const QFontInfo info(widget->font());
    return QString("%1 in %2 %3 pt, %4 px a line")
        .arg(widget->objectName(), info.family())
        .arg(info.pointSizeF())
        .arg(widget->fontMetrics().height());
}

void FitTest::initTestCase()
{
    vantor::ui::setUpApplication(*qApp);
    const QFont font = QApplication::font();
    qInfo("default font: %s %g pt (asked for %s), %d px a line, at %g device pixels a pixel",
          qPrintable(QFontInfo(font).family()), QFontInfo(font).pointSizeF(),
          qPrintable(font.families().join(", ")), QFontMetrics(font).height(),
          qApp->primaryScreen()->devicePixelRatio());
}

void FitTest::captionsFitTheirButtons()
{
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    const QList<QPushButton*> buttons = fixture.window->findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 23);
    for (QPushButton* button : buttons) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QSize caption = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        QVERIFY2(caption.width() <= room.width() && caption.height() <= room.height(),
                 qPrintable(QString("%1: caption %2x%3 in %4x%5")
                                .arg(describe(button))
                                .arg(caption.width())
                                .arg(caption.height())
                                .arg(room.width())
                                .arg(room.height())));
    }
}

void FitTest::labelsFitTheirPlaces()
{
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    for (const char* name : {"lDegrees", "lRadians"}) {
        QLabel* label = fixture.find<QLabel>(name);
        const QRect room = label->contentsRect();
        const QRect ink = label->fontMetrics().boundingRect(label->text());
        QVERIFY2(ink.width() <= room.width() && label->fontMetrics().height() <= room.height(),
                 qPrintable(QString("%1: %2x%3 in %4x%5")
                                .arg(describe(label))
                                .arg(ink.width())
                                .arg(label->fontMetrics().height())
                                .arg(room.width())
                                .arg(room.height())));
    }
}

void FitTest::aLineOfTextFitsEveryBox()
{
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    fixture.click("cMemory"); // the scratch pad's box too
    QList<QLineEdit*> boxes = fixture.window->findChildren<QLineEdit*>();
    boxes << topLevel("fScribblingPad")->findChild<QLineEdit*>("tScribblingPad");
    QCOMPARE(boxes.size(), 17);
    for (QLineEdit* box : boxes) {
        // A box draws its one line centred in this rectangle and clips it there.
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        const QRect room = box->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                               .marginsRemoved(box->textMargins());
        QVERIFY2(box->fontMetrics().height() <= room.height(),
                 qPrintable(QString("%1: a line needs %2 px, the box has %3")
                                .arg(describe(box))
                                .arg(box->fontMetrics().height())
                                .arg(room.height())));
    }
}

// The pixels that differ from the background, as one rectangle.
static QRect inkOf(const QImage& image)
{
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

void FitTest::theFunctionListShowsItsFiveLinesWhole()
{
    WindowFixture fixture;
    fixture.window->show();
    fixture.click("cFunction");
    auto* list = qobject_cast<vantor::ui::fFunction*>(topLevel("fFunction"));
    QVERIFY(list && QTest::qWaitForWindowExposed(list));
    const QSize client = list->size();
    const int lines = static_cast<int>(list->lines().size());
    QCOMPARE(lines, 5);
    QVERIFY2(lines * list->fontMetrics().height() <= client.height(),
             qPrintable(QString("%1: %2 lines need %3 px, the window has %4")
                            .arg(describe(list))
                            .arg(lines)
                            .arg(lines * list->fontMetrics().height())
                            .arg(client.height())));

    // What the lines draw, on a surface large enough to hold it all, lies
    // within the window's client area (both in the screen's pixels).
    list->setFixedSize(client * 3);
    const QImage drawn = list->grab().toImage();
    const QSize area = client * drawn.devicePixelRatio();
    const QRect ink = inkOf(drawn);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(QRect(QPoint(0, 0), area).contains(ink),
             qPrintable(QString("%1: the names cover %2x%3 px, the window has %4x%5")
                            .arg(describe(list))
                            .arg(ink.right() + 1)
                            .arg(ink.bottom() + 1)
                            .arg(area.width())
                            .arg(area.height())));
}

// The shortest fault's box: its title stands beside a frame's buttons, which
// take a title bar's height each (an icon, minimise, maximise, close).
void FitTest::aFaultsBoxHasRoomForItsTitle()
{
    WindowFixture fixture;
    const auto box = vantor::ui::makeMessageBox(fixture.window.get(), "Vantor", "Overflow");
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    const int buttons = 4 * box->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, box.get());
    QVERIFY2(box->width() >= title.horizontalAdvance("Vantor") + buttons,
             qPrintable(QString("the box is %1 px wide; the title takes %2 px and the buttons %3")
                            .arg(box->width())
                            .arg(title.horizontalAdvance("Vantor"))
                            .arg(buttons)));
    QCOMPARE(box->text(), "Overflow");
}

// What a control draws inside its frame, text included, spans dark and light:
// a style that drew light controls with a dark mode's light text would not.
void FitTest::everyTextStandsOutFromItsControl()
{
    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    QList<QWidget*> controls{fixture.window->findChild<QMenuBar*>()};
    for (QPushButton* button : fixture.window->findChildren<QPushButton*>())
        controls << button;
    for (QLabel* label : fixture.window->findChildren<QLabel*>())
        controls << label;
    for (QLineEdit* box : fixture.window->findChildren<QLineEdit*>()) {
        box->setText("8");
        controls << box;
    }
    for (QWidget* control : controls) {
        const int frame = control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
        const QImage inside = control->grab(control->rect().adjusted(frame, frame, -frame, -frame)).toImage();
        int darkest = 255;
        int lightest = 0;
        for (int y = 0; y < inside.height(); ++y) {
            for (int x = 0; x < inside.width(); ++x) {
                darkest = std::min(darkest, qGray(inside.pixel(x, y)));
                lightest = std::max(lightest, qGray(inside.pixel(x, y)));
            }
        }
        QVERIFY2(lightest - darkest >= 128,
                 qPrintable(QString("%1 %2: its greys span %3 to %4 of 255")
                                .arg(control->metaObject()->className(), control->objectName())
                                .arg(darkest)
                                .arg(lightest)));
    }
}

QTEST_MAIN(FitTest)
#include "fit_test.moc"
