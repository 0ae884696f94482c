// SPDX-License-Identifier: GPL-3.0-or-later
// The Caps Lock state from the X server, through the display Qt's xcb platform already has open.
#include <QGuiApplication>

#include <X11/XKBlib.h>

#include <optional>

std::optional<bool> capsLockOnX11()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    XkbStateRec state{};
    if (!display || XkbGetState(display, XkbUseCoreKbd, &state) != Success) {
        return std::nullopt;
    }
    return (state.locked_mods & LockMask) != 0;
}
