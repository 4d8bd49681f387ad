// SPDX-License-Identifier: GPL-3.0-or-later
// Where the map's bottom strip puts its two mode boxes and two buttons, from
// the view's inner rectangle. No window needed.
#pragma once

#include <QRect>

struct CStripLayout {
    int m_nMargin = 0;
    int m_nGap = 0;
    int m_nButtonX = 0; // left of the Hide Waypoints button
    QRect m_rcClickBox;
    QRect m_rcModeBox;
    QRect m_rcHideButton;
    QRect m_rcResetButton;
};

// inner is the view's client area shrunk by 2 pixels on every side.
CStripLayout ComputeStripLayout(const QRect& inner);
