#include "bell.h"

#include "waylandsession.h"

#include <QApplication>

void ringBell()
{
    if (WaylandSession* wayland = WaylandSession::get())
        wayland->ringBell();
    else
        QApplication::beep();
}
