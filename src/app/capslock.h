// SPDX-License-Identifier: GPL-3.0-or-later
// Whether Caps Lock is on, asked of the window system: Qt reports no lock
// states. Where the system cannot be asked (Wayland, offscreen) it is off.
#pragma once

#include <functional>

bool CapsLockOn();
// Tests stand in for the keyboard; an empty function asks the system again.
void SetCapsLockSource(std::function<bool()> source);
