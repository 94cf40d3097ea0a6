// Enter presses the button that has the focus, as Space does.
#include "enterpressesbuttons.h"

#include <QAbstractButton>
#include <QKeyEvent>

void EnterPressesButtons::install(QWidget& window)
{
    auto* filter = new EnterPressesButtons(&window);
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        button->installEventFilter(filter);
}

// A held key presses once: its repeats are eaten, so holding Enter cannot start game after game.
bool EnterPressesButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (!key->isAutoRepeat())
        static_cast<QAbstractButton*>(watched)->click();
    return true;
}
