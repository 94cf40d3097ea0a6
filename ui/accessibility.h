// What screen readers meet in the windows, where Qt's defaults would mislead them.
#pragma once

// Installs the accessible interfaces of the game's own kinds of control: the main window as
// a window, the picture boxes as panels (not as frames, which screen readers take for windows
// of their own), the mark images hidden, the hidden ratings button off the screen, and the
// announcements as notifications. Call once, after the application object is made.
void installAccessibility();
