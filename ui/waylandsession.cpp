// Loads the game's Wayland module in a Wayland session.
#include "waylandsession.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>

#include <cstdio>

namespace {

// The module lies beside the game in a build, and in the game's library folder when installed.
WaylandSession* load()
{
    const QString own = QCoreApplication::applicationDirPath();
    QStringList tried;
    for (const QString& folder : {own, QDir(own).filePath(QStringLiteral(TICTACTOE_MODULES_FROM_BIN))}) {
        const QFileInfo file(QDir::cleanPath(QDir(folder).filePath(QStringLiteral("tictactoe-wayland.so"))));
        if (!file.isFile()) {
            tried << file.filePath() + " (missing)";
            continue;
        }
        QLibrary module(file.canonicalFilePath());
        if (auto session = reinterpret_cast<decltype(&tictactoeWaylandSession)>(module.resolve("tictactoeWaylandSession")))
            return session();
        tried << module.errorString();
    }
    std::fprintf(stderr, "%s: the game's Wayland module cannot be loaded, so a tie is silent and the system "
                         "information window may stay behind: %s\n",
                 qPrintable(QCoreApplication::applicationName()), qPrintable(tried.join(QStringLiteral(", "))));
    return nullptr;
}

} // namespace

WaylandSession* WaylandSession::get()
{
    static WaylandSession* const session = QGuiApplication::platformName() == QLatin1String("wayland") ? load() : nullptr;
    return session;
}

void requestActivationToken(QWindow* window, std::function<void(const QByteArray&)> ready)
{
    if (WaylandSession* session = WaylandSession::get())
        session->requestActivationToken(window, std::move(ready));
    else
        ready({});
}
