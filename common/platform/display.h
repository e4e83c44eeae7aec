#pragma once
// Whether windows can be shown at all, so that a program can explain what to
// do instead of failing inside the window system.

namespace platform {

// False only where there is certainly no display to show a window on (a
// POSIX session without X11 or Wayland and no Qt platform chosen).
bool hasDisplay();

} // namespace platform
