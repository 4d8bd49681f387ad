// SPDX-License-Identifier: GPL-3.0-or-later
// Draws single lines of plain text fast: glyphs and advances are looked up once
// per character and font, instead of shaping every cell's text at every paint.
// Text the font cannot show from its own glyphs goes the usual way.
#pragma once

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QRawFont>

class CTextLine {
public:
    explicit CTextLine(const QFont& font);
    // Draws text with its left end at x and its baseline at y.
    void Draw(QPainter& p, qreal x, qreal y, const QString& text);
    qreal Width(const QString& text);
    int Ascent() const { return m_nAscent; }
    int Height() const { return m_nHeight; }
    const QFont& Font() const { return m_font; }

private:
    struct Glyph {
        quint32 m_nIndex = 0;
        qreal m_dAdvance = 0;
    };
    bool Lookup(const QString& text); // fills m_glyphs/m_positions; false: use drawText

    QFont m_font;
    QRawFont m_raw;
    int m_nAscent;
    int m_nHeight;
    QHash<char16_t, Glyph> m_cache;
    QList<quint32> m_glyphs;
    QList<QPointF> m_positions;
    qreal m_dWidth = 0;
};
