// SPDX-License-Identifier: GPL-3.0-or-later
// Colours as the list's callers give them: 0x00BBGGRR, with kDefaultColor
// standing for the control's own default.
#pragma once

#include <QColor>
#include <cstdint>

using ColorRef = std::uint32_t;
inline constexpr ColorRef kDefaultColor = 0xFFFFFFFF;

constexpr ColorRef Rgb(int r, int g, int b) {
    return static_cast<ColorRef>(r & 0xFF) | (static_cast<ColorRef>(g & 0xFF) << 8) |
           (static_cast<ColorRef>(b & 0xFF) << 16);
}

inline QColor ToQColor(ColorRef c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
