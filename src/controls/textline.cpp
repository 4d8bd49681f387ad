// SPDX-License-Identifier: GPL-3.0-or-later
#include "textline.h"

#include <QFontMetrics>
#include <QGlyphRun>

CTextLine::CTextLine(const QFont& font)
    : m_font(font), m_raw(QRawFont::fromFont(font)), m_nAscent(QFontMetrics(font).ascent()),
      m_nHeight(QFontMetrics(font).height()) {}

bool CTextLine::Lookup(const QString& text) {
    m_glyphs.resize(text.size());
    m_positions.resize(text.size());
    qreal x = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        // Surrogates, controls and combining marks need real shaping.
        if (!m_raw.isValid() || c < 0x20 || (c >= 0x300 && c < 0x370) ||
            (c >= 0xD800 && c < 0xE000))
            return false;
        auto it = m_cache.find(c);
        if (it == m_cache.end()) {
            Glyph g;
            const QList<quint32> index = m_raw.glyphIndexesForString(QString(QChar(c)));
            if (index.size() == 1 && index[0] != 0) {
                g.m_nIndex = index[0];
                g.m_dAdvance = m_raw.advancesForGlyphIndexes(index).value(0).x();
            }
            it = m_cache.insert(c, g);
        }
        if (it->m_nIndex == 0)
            return false;
        m_glyphs[i] = it->m_nIndex;
        m_positions[i] = QPointF(x, 0);
        x += it->m_dAdvance;
    }
    m_dWidth = x;
    return true;
}

qreal CTextLine::Width(const QString& text) {
    if (Lookup(text))
        return m_dWidth;
    return QFontMetricsF(m_font).horizontalAdvance(text);
}

void CTextLine::Draw(QPainter& p, qreal x, qreal y, const QString& text) {
    if (text.isEmpty())
        return;
    if (!Lookup(text)) {
        p.setFont(m_font);
        p.drawText(QPointF(x, y), text);
        return;
    }
    QGlyphRun run;
    run.setRawFont(m_raw);
    run.setGlyphIndexes(m_glyphs);
    run.setPositions(m_positions);
    p.drawGlyphRun(QPointF(x, y), run);
}
