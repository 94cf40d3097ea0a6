// The program's identity on the desktop: the desktop entry it belongs to, and its icon.
#pragma once

class QString;

// The desktop entry's id, which is also the icon's name in the icon theme.
constexpr const char* kDesktopId = "org.tavrok.tictactoe";

// Gives the running program the game's desktop entry and icon, so that the game and the
// system information program it starts group together on the task bar. The icon comes from
// the icon theme, with the sizes the game ships until it is found there, or if it is not.
// Call after the application object is made.
void applyDesktopIdentity();
