#include "identity.h"

#include <QGuiApplication>
#include <QIcon>
#include <QTimer>

// The window starts with the sizes the game ships, up to those a window's frame and task bar
// show: each is read and sent to the display as the window maps. Looking the icon up in the
// theme takes longer, so it waits until the program has started.
void applyProgramIdentity()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(game::kProgramName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(game::kVersion));
    QCoreApplication::setOrganizationName(QString::fromUtf8(game::kOrganization));
}

void applyDesktopIdentity()
{
    QGuiApplication::setDesktopFileName(QString::fromUtf8(game::kDesktopId));
    QIcon shipped;
    for (int size : {16, 22, 24, 32, 48, 64})
        shipped.addFile(QString(":/icons/%1x%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(shipped);
    QTimer::singleShot(0, qApp, [] {
        const QIcon themed = QIcon::fromTheme(QString::fromUtf8(game::kDesktopId));
        if (!themed.isNull())
            QGuiApplication::setWindowIcon(themed);
    });
}
