// The program's identity on the desktop: the desktop entry it belongs to, and its icon.
#include "identity.h"

#include <QGuiApplication>
#include <QIcon>

void applyDesktopIdentity()
{
    QGuiApplication::setDesktopFileName(kDesktopId);
    QIcon shipped;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        shipped.addFile(QString(":/icons/%1x%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(kDesktopId, shipped));
}
