// A token that lets a program we start bring its window forward. On Wayland a window may take
// the focus only for something the user did, and the compositor hands out a token that stands
// for it (xdg-activation): here, the press of the About window's "Sytem Info..." button.
#pragma once

#include <QByteArray>

#include <functional>

class QWindow;

namespace ActivationToken {

// Asks the compositor for a token for the latest press in `window`, and calls `ready` with it
// once it comes, or with none when the compositor does not offer the protocol or does not
// answer in time.
void request(QWindow* window, std::function<void(const QByteArray&)> ready);

} // namespace ActivationToken
