// SPDX-License-Identifier: GPL-3.0-or-later
// A font whose cell height (ascent plus descent) is at most px pixels, as a
// font asked for by its height gets.
#pragma once

#include <QFont>
#include <QFontMetrics>

inline QFont FontOfCellHeight(int px) {
    QFont font;
    for (int size = px; size > 4; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= px)
            break;
    }
    return font;
}

// The program's face: Liberation Sans has the metrics of the classic UI font the
// fixed layouts were measured with; without it Qt's default stays.
#include <QApplication>
#include <QFontDatabase>

inline void ApplyProgramFont() {
    if (!QFontDatabase::families().contains("Liberation Sans"))
        return;
    QFont font = QApplication::font();
    font.setFamily("Liberation Sans");
    QApplication::setFont(font);
}
