// SPDX-License-Identifier: GPL-3.0-or-later
#include "striplayout.h"

#include <algorithm>

CStripLayout ComputeStripLayout(const QRect& inner) {
    CStripLayout s;
    const int width = inner.width();
    const int b = inner.top() + inner.height(); // one past the last row, as the boxes count
    s.m_nMargin = width >= 562 ? 100 : std::max(0, (width - 362) / 2);
    s.m_nGap = std::max(2, width - (2 * s.m_nMargin + 362));
    const int m = s.m_nMargin;
    s.m_nButtonX = 2 * m + 182 + s.m_nGap;
    // The boxes start at m itself, not at the inner rectangle's left plus m.
    s.m_rcClickBox = QRect(m, b - 20, 90, 20);
    s.m_rcModeBox = QRect(2 * m + 92, b - 20, 90, 20);
    s.m_rcHideButton = QRect(s.m_nButtonX, b - 20, 100, 20);
    s.m_rcResetButton = QRect(s.m_nButtonX + 102, b - 20, 70, 20);
    return s;
}
