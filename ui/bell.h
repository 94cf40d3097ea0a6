// The system beep, wherever the game runs.
#pragma once

// On X11 the X server's bell. Where the display server has none (Wayland), Qt's beep does
// nothing, so the desktop's "bell" event sound is played from its sound theme, as desktop
// programs do; with no sound server that is silence, and the game goes on.
void ringBell();
