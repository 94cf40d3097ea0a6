#include "accessibility.h"

#include "announcement.h"

#include <QAbstractButton>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>

namespace {

// A control that the design keeps out of the window's visible part and that no player needs
// to meet: the mark images, whose pictures the squares copy.
bool hiddenFromScreenReaders(const QObject* object)
{
    return object->property("hiddenFromScreenReaders").toBool();
}

// The main window: a window, named by its title, whose children are its visible controls and
// its latest announcements.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override
    {
        return QAccessible::queryAccessibleInterface(children().value(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(children().indexOf(child->object())) : -1;
    }

private:
    QObjectList children() const
    {
        QObjectList shown;
        for (QObject* child : widget()->children()) {
            const auto* control = qobject_cast<QWidget*>(child);
            if ((control && !control->isWindow() && !hiddenFromScreenReaders(control)) || qobject_cast<Announcement*>(child))
                shown << child;
        }
        return shown;
    }
};

// The hidden ratings button: it can take the focus, as designed, but lies below the window,
// so it is not showing.
class OffscreenButtonAccessible : public QAccessibleWidget {
public:
    explicit OffscreenButtonAccessible(QWidget* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.offscreen = true;
        return state;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<QAbstractButton*>(widget())->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

// The status box and the headings: display-only text. Qt's own interface for line edits reports
// the text's attributes in empty runs, which a screen reader takes for where the text ends, and so
// speaks it one letter short; here the whole text is one run. Nothing can be selected.
class TextBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextBoxAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t); }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !state.readOnly;
        return state;
    }

    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return int(box()->text().size()); }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

// An announcement: a notification, named by its text.
class AnnouncementAccessible : public QAccessibleObject {
public:
    explicit AnnouncementAccessible(Announcement* message) : QAccessibleObject(message) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<Announcement*>(object())->text() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == "FrmMain")
        return new WindowAccessible(static_cast<QWidget*>(object));
    if (className == "TextBox")
        return new TextBoxAccessible(static_cast<QWidget*>(object));
    if (className == "PictureBox")
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
    if (className == "QPushButton" && object->objectName() == "GetFocas")
        return new OffscreenButtonAccessible(static_cast<QWidget*>(object));
    if (className == "Announcement")
        return new AnnouncementAccessible(static_cast<Announcement*>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(factory);
}
