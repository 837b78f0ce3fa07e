#include "ui/accessibility.h"

#include "engine/messages.h"
#include "ui/ffunction.h"
#include "ui/fscribbling_pad.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace vantor::ui {

namespace {

// The function list as a window whose lines are its text, one line a line,
// the names within a line apart by a tab as drawn. It reads; it has no caret
// or selection, and nothing in it can change.
class AccessibleFunctionList : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleFunctionList(fFunction* list) : QAccessibleWidget(list, QAccessible::Window) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int start, int end) const override { return content().mid(start, end - start); }
    int characterCount() const override { return int(content().size()); }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

    // The text interface's text(int, int) would hide the widget's name and description.
    using QAccessibleWidget::text;

private:
    QString content() const { return static_cast<const fFunction*>(widget())->lines().join(u'\n'); }
};

QAccessibleInterface* sideWindowInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(fFunction::staticMetaObject.className()))
        return new AccessibleFunctionList(static_cast<fFunction*>(object));
    if (className == QLatin1String(fScribblingPad::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void announceResult([[maybe_unused]] QWidget* box, [[maybe_unused]] const QString& name,
                    [[maybe_unused]] const QString& text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    const QString trimmedName = name.trimmed();
    QAccessibleAnnouncementEvent event(box, trimmedName.isEmpty() ? text : trimmedName + " = " + text);
    if (text.startsWith(QStringView(messages::kErrorPrefix)))
        event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
#endif
}

void installSideWindowAccessibility()
{
    // Qt keeps one copy of a factory, however often it is installed.
    QAccessible::installFactory(sideWindowInterface);
}

} // namespace vantor::ui
