// The game's Wayland module: what a Wayland session needs that the display server does not give.
#include "activationtoken.h"
#include "identity.h"
#include "waylandsession.h"

#include <canberra.h>

namespace {

class Session : public WaylandSession {
public:
    Session()
    {
        if (ca_context_create(&m_sounds) != CA_SUCCESS)
            m_sounds = nullptr;
        else
            ca_context_change_props(m_sounds, CA_PROP_APPLICATION_NAME, game::kProgramName.data(),
                                    CA_PROP_APPLICATION_ID, game::kDesktopId.data(), nullptr);
    }

    // The compositor has no bell: the desktop's "bell" event sound stands for it.
    void ringBell() override
    {
        if (m_sounds)
            ca_context_play(m_sounds, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION, "Tie Game.", nullptr);
    }

    void requestActivationToken(QWindow* window, std::function<void(const QByteArray&)> ready) override
    {
        ActivationToken::request(window, std::move(ready));
    }

private:
    ca_context* m_sounds = nullptr; // one context for the program's life
};

} // namespace

extern "C" Q_DECL_EXPORT WaylandSession* tictactoeWaylandSession()
{
    static Session session;
    return &session;
}
