// What only a Wayland session needs: the desktop's bell sound, and the compositor's tokens that
// let a program the game starts bring its window forward. Both come from the game's Wayland
// module, loaded in a Wayland session only, so that elsewhere the game starts without the
// Wayland and sound libraries.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QWindow;

class WaylandSession {
public:
    virtual ~WaylandSession() = default;

    // Plays the desktop's "bell" event sound from its sound theme; with no sound server, silence.
    virtual void ringBell() = 0;

    // Asks the compositor for a token for the latest press in `window`, and calls `ready` with
    // it once it comes, or with none when the compositor does not offer one.
    virtual void requestActivationToken(QWindow* window, std::function<void(const QByteArray&)> ready) = 0;

    // The module's session, loaded on first use; none outside a Wayland session, or when the
    // module cannot be loaded (which is said once on the error stream).
    static WaylandSession* get();

    // The session of the module in `file`, or none, with why: one that cannot be loaded, or whose
    // entry point is no function, is never called. (A file cut short inside what the system maps
    // may still end the program as it is read: that cannot be told beforehand.)
    static WaylandSession* loadModule(const QString& file, QString* why);
};

// A token for the latest press in `window`, from the Wayland session; elsewhere `ready` is
// called at once with none (X11 has startup notification instead).
void requestActivationToken(QWindow* window, std::function<void(const QByteArray&)> ready);

// The module's one entry point: its session, made on the first call.
extern "C" WaylandSession* tictactoeWaylandSession();
