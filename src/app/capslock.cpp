// SPDX-License-Identifier: GPL-3.0-or-later
#include "capslock.h"

#include <QGuiApplication>
#include <qguiapplication_platform.h>

#include <X11/XKBlib.h>

namespace {

std::function<bool()>& Source() {
    static std::function<bool()> source;
    return source;
}

bool X11CapsLockOn() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return false;
    XkbStateRec state{};
    if (XkbGetState(x11->display(), XkbUseCoreKbd, &state) != Success)
        return false;
    return (state.locked_mods & LockMask) != 0;
}

} // namespace

bool CapsLockOn() {
    return Source() ? Source()() : X11CapsLockOn();
}

void SetCapsLockSource(std::function<bool()> source) {
    Source() = std::move(source);
}
