// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapdraw.h"

#include "cellfont.h"
#include "imagelist.h"
#include "res/translate.h"
#include "textline.h"
#include "wayentry.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

const QPen kBarPen(QColor(255, 200, 255), 3);
const QPen kThinPen(Qt::black, 1);
// The strip's labels, in the user's language.
QString ClickLabel() {
    return QCoreApplication::translate("CMapFace", "Click on map to");
}
QString ModeLabel() {
    return QCoreApplication::translate("CMapFace", "Mapping Mode");
}
// The scale read-out, its unit in the user's language.
QString ScaleText(int scale, bool metric) {
    const char* unit =
        metric ? TRANSLATE_NOOP("CMapFace", "km.") : TRANSLATE_NOOP("CMapFace", "miles");
    return QString::fromStdString(ScaleReadout(scale, metric))
        .replace(unit, QCoreApplication::translate("CMapFace", unit));
}

// Which pixels of the clip are already under an opaque label, row by row.
class CCoverage {
public:
    explicit CCoverage(const QRect& area)
        : m_area(area), m_nWords((area.width() + 63) / 64),
          m_bits(std::size_t(m_nWords) * std::max(0, area.height())) {}

    bool Covered(QRect r) const {
        r = r.intersected(m_area);
        if (r.isEmpty())
            return true; // nothing of it can show
        for (int y = r.top(); y <= r.bottom(); ++y)
            if (!RowCovered(y - m_area.top(), r.left() - m_area.left(), r.right() - m_area.left()))
                return false;
        return true;
    }
    // True when any pixel of r is covered.
    bool Any(QRect r) const {
        r = r.intersected(m_area);
        for (int y = r.top(); y <= r.bottom(); ++y)
            if (RowAny(y - m_area.top(), r.left() - m_area.left(), r.right() - m_area.left()))
                return true;
        return false;
    }
    void Cover(QRect r) {
        r = r.intersected(m_area);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left() - m_area.left(); x <= r.right() - m_area.left(); ++x)
                Row(y - m_area.top())[x / 64] |= std::uint64_t(1) << (x % 64);
    }

private:
    std::uint64_t* Row(int y) { return m_bits.data() + std::size_t(y) * m_nWords; }
    const std::uint64_t* Row(int y) const { return m_bits.data() + std::size_t(y) * m_nWords; }
    static std::uint64_t Mask(int x, int last) {
        const int n = last - x + 1;
        return (n == 64 ? ~std::uint64_t(0) : ((std::uint64_t(1) << n) - 1)) << (x % 64);
    }
    bool RowAny(int y, int x0, int x1) const {
        const std::uint64_t* row = Row(y);
        for (int x = x0; x <= x1;) {
            const int last = std::min(x1, (x / 64) * 64 + 63);
            if (row[x / 64] & Mask(x, last))
                return true;
            x = last + 1;
        }
        return false;
    }
    bool RowCovered(int y, int x0, int x1) const {
        const std::uint64_t* row = Row(y);
        for (int x = x0; x <= x1;) {
            const int word = x / 64;
            const int last = std::min(x1, word * 64 + 63);
            const std::uint64_t mask = Mask(x, last);
            if ((row[word] & mask) != mask)
                return false;
            x = last + 1;
        }
        return true;
    }

    QRect m_area;
    int m_nWords;
    std::vector<std::uint64_t> m_bits;
};

struct CPlaced {
    int x, y;
    int icon;
    EIconLook look;
    QString name;
    int width; // of the name
};

QRect IconRect(const CPlaced& w) {
    return QRect(w.x - 8, w.y - 8, 16, 16);
}

// Where a name may stand, in order of preference: above its icon, right of
// it, below it, left of it; nowhere when each place would overlap another
// name or an icon.
std::optional<QRect> PlaceLabel(const CPlaced& w, int height, const CCoverage& labels,
                                const CCoverage& icons) {
    const QRect places[] = {QRect(w.x - w.width / 2, w.y - 9 - height, w.width, height),
                            QRect(w.x + 10, w.y - height / 2, w.width, height),
                            QRect(w.x - w.width / 2, w.y + 9, w.width, height),
                            QRect(w.x - 10 - w.width, w.y - height / 2, w.width, height)};
    for (const QRect& r : places)
        if (!labels.Any(r) && !icons.Any(r))
            return r;
    return std::nullopt;
}

} // namespace

void DrawWaypoints(QPainter& p, const std::vector<std::unique_ptr<CWayEntry>>& entries,
                   const CMapFrame& frame, const COuterRect& outer, const QRect& clip,
                   const CImageList& icons, CTextLine& text, const std::vector<char>* shown) {
    const QRect reach = clip.adjusted(-160, -30, 160, 30); // labels stand beside their point
    std::vector<CPlaced> placed;
    placed.reserve(std::min<std::size_t>(entries.size(), 65536));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (shown && (i >= shown->size() || !(*shown)[i]))
            continue;
        const auto& e = entries[i];
        int x = 0, y = 0;
        GeoToClient(frame, outer, e->m_dLatitude, e->m_dLongitude, x, y);
        if (!reach.contains(x, y))
            continue;
        CPlaced w{x, y, e->m_nIcon, IconLook(*e), QString::fromUtf8(e->m_strName.View()), 0};
        w.width = static_cast<int>(text.Width(w.name) + 0.5);
        placed.push_back(std::move(w));
    }
    // From the top-most down: an icon hidden entirely under later ones is
    // left out, then each name takes the first free place around its icon.
    std::vector<char> showIcon(placed.size());
    CCoverage iconCover(reach), labelCover(reach);
    for (std::size_t i = placed.size(); i-- > 0;) {
        showIcon[i] = !iconCover.Covered(IconRect(placed[i]));
        if (showIcon[i])
            iconCover.Cover(IconRect(placed[i]));
    }
    std::vector<std::optional<QRect>> label(placed.size());
    for (std::size_t i = placed.size(); i-- > 0;) {
        if (placed[i].width <= 0 || !showIcon[i])
            continue;
        label[i] = PlaceLabel(placed[i], text.Height(), labelCover, iconCover);
        if (label[i])
            labelCover.Cover(*label[i]);
    }
    for (std::size_t k = 0; k < placed.size(); ++k) {
        const CPlaced& w = placed[k];
        if (label[k] && label[k]->intersects(clip)) {
            p.fillRect(*label[k], kMapBackground);
            p.setPen(Qt::black);
            text.Draw(p, label[k]->left(), label[k]->top() + text.Ascent(), w.name);
        }
        if (showIcon[k])
            icons.Draw(p, w.x - 8, w.y - 8, w.icon, w.look);
    }
}

// Bottom right, above the strip, on a pale box so it reads on any imagery.
static void DrawAttribution(QPainter& p, const CMapOverlay& o) {
    if (o.m_strAttribution.isEmpty())
        return;
    QFont font = FontOfCellHeight(13);
    p.save();
    p.setFont(font);
    const QFontMetrics m(font);
    const int w = m.horizontalAdvance(o.m_strAttribution) + 8, h = m.height() + 2;
    const int above = o.m_bForPrint ? 0 : 25; // the strip, where there is one
    const QRect box(o.m_outer.R - 2 - w - 2, o.m_outer.B - above - h - 2, w, h);
    p.fillRect(box, QColor(255, 255, 255, 200));
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, o.m_strAttribution);
    p.restore();
}

QFont OverlayFont(const QStringList& boxItems) {
    // Room in a wide view: the labels' gaps, the boxes less their frames and
    // insets, the read-out's 100 pixels.
    const int boxRoom = 90 - 1 - 2 * kBoxTextInset;
    std::vector<std::pair<QString, int>> texts = {{ClickLabel(), 96},
                                                  {ModeLabel(), 93},
                                                  {ScaleText(kMaxScale, false), kReadoutWidth},
                                                  {ScaleText(kMaxScale, true), kReadoutWidth}};
    for (const QString& item : boxItems)
        texts.emplace_back(item, boxRoom);
    QFont font = FontOfCellHeight(16);
    for (int size = font.pixelSize(); size > 6; --size) {
        font.setPixelSize(size);
        const QFontMetrics m(font);
        if (std::all_of(texts.begin(), texts.end(),
                        [&m](const auto& t) { return m.horizontalAdvance(t.first) <= t.second; }))
            break;
    }
    return font;
}

static void DrawStrip(QPainter& p, const CMapOverlay& o) {
    const COuterRect& r = o.m_outer;
    const int B = r.B;
    const QRect strip(QPoint(r.L, B - 25), QPoint(r.R - 1, B - 1));
    p.fillRect(strip, kMapBackground);
    p.setPen(kThinPen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(strip.adjusted(0, 0, -1, -1));
    p.setFont(OverlayFont(o.m_boxItems));
    // One line from the top of its rectangle, as the strip's fixed layout
    // was measured for; a taller font would drop into the frames.
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    p.drawText(QRect(QPoint(r.L + 2, B - 21), QPoint(o.m_rcClickBox.left() - 3, B - 1)), flags,
               ClickLabel());
    auto box = [&](const QRect& rc, const QString& item) {
        p.fillRect(rc, o.m_boxFace);
        p.setPen(kThinPen);
        p.drawRect(rc.adjusted(0, 0, -1, -1));
        p.drawRect(rc.adjusted(0, 0, -2, -2)); // a double line right and bottom
        if (!item.isEmpty())
            p.drawText(rc.adjusted(0, 0, -1, -1).adjusted(kBoxTextInset, 2, -kBoxTextInset, -2),
                       flags, item);
    };
    box(o.m_rcClickBox, o.m_strClickMode);
    p.drawText(QRect(QPoint(o.m_rcClickBox.right() + 1 + 5, B - 21),
                     QPoint(o.m_rcModeBox.left() - 3, B - 1)),
               flags, ModeLabel());
    box(o.m_rcModeBox, o.m_strMapMode);
}

void DrawMapOverlay(QPainter& p, const CMapOverlay& o) {
    const COuterRect& r = o.m_outer;
    const int B = r.B, cx = r.Cx(), cy = r.Cy();
    if (!o.m_bForPrint)
        DrawStrip(p, o);
    p.setFont(OverlayFont(o.m_boxItems));
    DrawAttribution(p, o);
    if (o.m_bHideWaypoints)
        return;
    // The box's frame is inside its rectangle, ending on the strip's top line.
    p.setBrush(kMapBackground);
    p.setPen(kThinPen);
    p.drawRect(QRect(QPoint(0, 2 * cy - 55), QPoint(125 - 1, B - 24 - 1)).adjusted(0, 0, -1, -1));
    p.setBrush(Qt::NoBrush);
    const int Y = 2 * cy - 50;
    const QPoint bar[] = {{10, Y}, {10, Y + 4}, {110, Y + 4}, {110, Y}};
    for (const QPen& pen : {kBarPen, kThinPen}) {
        p.setPen(pen);
        p.drawPolyline(bar, 4);
    }
    p.setPen(kThinPen);
    p.drawText(QRect(QPoint(10, 2 * cy - 41), QPoint(10 + kReadoutWidth - 1, 2 * cy - 9 - 1)),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
               ScaleText(o.m_nScale, o.m_bMetric));
    if (o.m_bForPrint)
        return;
    for (const QPen& pen : {kBarPen, kThinPen}) {
        p.setPen(pen);
        p.drawLine(cx - 10, cy, cx + 10, cy);
        p.drawLine(cx, cy - 10, cx, cy + 10);
    }
}
