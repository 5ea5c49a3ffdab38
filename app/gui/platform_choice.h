// Which window system the window runs on. The preview player draws into an
// X11 window, so the window runs on X11 whenever an X display is there, also
// inside a Wayland session (XWayland), unless the user chose a platform.
#pragma once

#include <QString>

namespace orva {

// Before the application object exists: asks for X11 (falling back to
// Wayland when the X display cannot be opened) when DISPLAY is set and
// QT_QPA_PLATFORM is not.
void PreferX11Platform();

// After the application object exists: the programs the window starts do
// not inherit the choice made above.
void ForgetPlatformChoice();

// Whether the preview area is an X11 window the player can draw into.
bool PreviewCanEmbed();

// What the preview area says where the player cannot draw into it; empty
// where it can.
QString PreviewNotice();

}  // namespace orva
