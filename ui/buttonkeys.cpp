#include "buttonkeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QShortcutEvent>

void ButtonKeys::install(QWidget& window)
{
    auto* filter = new ButtonKeys(&window);
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        button->installEventFilter(filter);
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Shortcut && event->type() != QEvent::KeyPress)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button)
        return false;
    if (event->type() == QEvent::Shortcut) {
        // An access key shared by two buttons only moves the focus, as Qt does.
        if (static_cast<QShortcutEvent*>(event)->isAmbiguous())
            return false;
        button->click();
        return true;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // A held key presses once: its repeats are eaten, so holding Enter cannot start game after game.
    if (!key->isAutoRepeat())
        button->click();
    return true;
}
