// Tells a screen reader what happens on the board: each mark placed, the end of a game, a new game.
#include "announcer.h"

#include <QAccessible>
#include <QTimer>

#include <utility>

namespace {
constexpr int kKept = 8; // a screen reader reads each message soon after it is shown
}

Announcer::Announcer(QObject* window) : QObject(window), m_window(window) {}

void Announcer::say(const QString& text)
{
    m_pending += m_pending.isEmpty() ? text : " " + text;
    flushSoon();
}

void Announcer::hold(bool held)
{
    m_held = held;
    if (!held && !m_pending.isEmpty())
        flushSoon();
}

// Once the event that said it has finished: what the same moment says next joins it.
void Announcer::flushSoon()
{
    if (m_flushQueued)
        return;
    m_flushQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_flushQueued = false;
        if (!m_held)
            flush();
    });
}

void Announcer::flush()
{
    if (m_pending.isEmpty())
        return;
    const QList<Announcement*> earlier = m_window->findChildren<Announcement*>(Qt::FindDirectChildrenOnly);
    for (qsizetype old = 0; old + kKept <= earlier.size(); ++old)
        delete earlier[old];
    auto* message = new Announcement(std::exchange(m_pending, {}), m_window);
    QAccessibleEvent event(message, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
    emit shown(message);
}
