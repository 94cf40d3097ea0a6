// A token that lets a program we start bring its window forward (xdg-activation-v1).
#include "activationtoken.h"

#include "identity.h"
#include "qwayland-xdg-activation-v1.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWaylandClientExtensionTemplate>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

namespace {

constexpr int kPatienceMs = 1000; // a compositor that does not answer by then gives no token

class Activation : public QWaylandClientExtensionTemplate<Activation>, public QtWayland::xdg_activation_v1 {
public:
    Activation() : QWaylandClientExtensionTemplate<Activation>(1) {}
    ~Activation() override
    {
        if (isActive())
            destroy();
    }
};

// One request: the compositor answers it once, with done().
class Request : public QObject, public QtWayland::xdg_activation_token_v1 {
public:
    Request(::xdg_activation_token_v1* token, std::function<void(const QByteArray&)> ready)
        : QtWayland::xdg_activation_token_v1(token), m_ready(std::move(ready))
    {
        QTimer::singleShot(kPatienceMs, this, [this] { answer({}); });
    }
    ~Request() override { destroy(); }

private:
    void xdg_activation_token_v1_done(const QString& token) override { answer(token.toUtf8()); }

    void answer(const QByteArray& token)
    {
        if (auto ready = std::exchange(m_ready, {}))
            ready(token);
        deleteLater();
    }

    std::function<void(const QByteArray&)> m_ready;
};

} // namespace

void ActivationToken::request(QWindow* window, std::function<void(const QByteArray&)> ready)
{
    static Activation* const activation = new Activation;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* surface = window && native ? static_cast<::wl_surface*>(native->nativeResourceForWindow("surface", window)) : nullptr;
    if (!activation->isActive() || !surface) {
        ready({});
        return;
    }
    auto* request = new Request(activation->get_activation_token(), std::move(ready));
    // The press it stands for; without it a compositor may still grant the token.
    auto* seat = static_cast<::wl_seat*>(native->nativeResourceForIntegration("wl_seat"));
    const auto serial = quint32(quintptr(native->nativeResourceForIntegration("serial")));
    if (seat && serial)
        request->set_serial(serial, seat);
    request->set_surface(surface);
    request->set_app_id(QString::fromUtf8(game::kDesktopId));
    request->commit();
}
