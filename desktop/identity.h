// The program's identity on the desktop: the desktop entry it belongs to, and its icon.
#pragma once

#include "programidentity.h"

// Names the running program as the game, with its version and organisation: so --version
// speaks of the game and, on X11, the window class of every window is the game's. Needs no
// application object.
void applyProgramIdentity();

// Gives the running program the game's desktop entry and icon, so that the game and the
// system information program it starts group together on the task bar. The icon comes from
// the icon theme, with the sizes the game ships until it is found there, or if it is not.
// Call after the application object is made.
void applyDesktopIdentity();
