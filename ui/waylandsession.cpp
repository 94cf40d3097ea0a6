// Loads the game's Wayland module in a Wayland session.
#include "waylandsession.h"

#include "installedfile.h"
#include "runtimeerror.h"

#include <QGuiApplication>
#include <QLibrary>

#include <cstdio>

#include <dlfcn.h>
#include <link.h>

namespace {

// Whether the module's entry point is a function: a module whose symbol of that name is data
// would be called all the same, and crash the game.
bool isFunction(void* entry)
{
    Dl_info info{};
    void* found = nullptr;
    if (!entry || !dladdr1(entry, &info, &found, RTLD_DL_SYMENT) || !found)
        return false;
    return ELF64_ST_TYPE(static_cast<const ElfW(Sym)*>(found)->st_info) == STT_FUNC;
}

// The module that the game installs (InstalledFile), loaded once it may be trusted.
WaylandSession* load()
{
    QString why;
    try {
        if (WaylandSession* session = WaylandSession::loadModule(
                InstalledFile::find(QStringLiteral("tictactoe-wayland.so"), InstalledFile::Module), &why))
            return session;
    } catch (const game::RuntimeError& error) {
        why = QString::fromStdString(error.description());
    }
    std::fprintf(stderr, "%s: the game's Wayland module cannot be loaded, so a tie is silent and the system "
                         "information window may stay behind: %s\n",
                 qPrintable(QCoreApplication::applicationName()), qPrintable(why));
    return nullptr;
}

} // namespace

WaylandSession* WaylandSession::loadModule(const QString& file, QString* why)
{
    QLibrary module(file);
    void* entry = reinterpret_cast<void*>(module.resolve("tictactoeWaylandSession"));
    if (isFunction(entry))
        return reinterpret_cast<decltype(&tictactoeWaylandSession)>(entry)();
    *why = entry ? file + ": its entry point is not a function" : module.errorString();
    return nullptr;
}

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
