// The system beep, wherever the game runs.
#include "bell.h"

#include "identity.h"

#include <QApplication>

#include <canberra.h>

void ringBell()
{
    if (QGuiApplication::platformName() == "xcb") {
        QApplication::beep();
        return;
    }
    // One context for the program's life; made on the first tie, not at start-up.
    static ca_context* const sounds = [] {
        ca_context* context = nullptr;
        if (ca_context_create(&context) != CA_SUCCESS)
            return static_cast<ca_context*>(nullptr);
        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Tic-Tac-Toe", CA_PROP_APPLICATION_ID, kDesktopId, nullptr);
        return context;
    }();
    if (sounds)
        ca_context_play(sounds, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION, "Tie Game.", nullptr);
}
