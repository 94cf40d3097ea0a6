#include "announcement.h"

#include <QAccessible>

namespace {
constexpr int kKept = 8;
}

void Announcement::show(const QString& text, QObject* window)
{
    const QList<Announcement*> earlier = window->findChildren<Announcement*>(Qt::FindDirectChildrenOnly);
    for (qsizetype old = 0; old + kKept <= earlier.size(); ++old)
        delete earlier[old];
    QAccessibleEvent event(new Announcement(text, window), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}
