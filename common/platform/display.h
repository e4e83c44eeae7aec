#pragma once
// Whether windows can be shown at all, so that a program can explain what to
// do instead of failing inside the window system.

namespace platform {

// False only where there is certainly no display to show a window on (a
// POSIX session without X11 or Wayland and no Qt platform chosen).
bool hasDisplay();

// Chooses Qt's offscreen platform for pictures without a screen, unless a
// platform is chosen already, and gives it the system's fonts where it would
// not find them by itself (on Windows it looks only in its own folder).
// Call before the application object exists.
void useOffscreenRendering();

} // namespace platform
