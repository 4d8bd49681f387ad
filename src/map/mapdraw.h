// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the map face on any painter: waypoints over the picture, then the
// bottom strip, mode boxes, scale bar and crosshair.
#pragma once

#include "mapgeometry.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CImageList;
class CTextLine;
class CWayEntry;
class QPainter;

inline const QColor kMapBackground{150, 210, 255};

// Names and icons of every waypoint, later ones on top. Waypoints hidden
// entirely under later labels are not drawn at all, which keeps a paint of
// a hundred thousand waypoints fast.
// labels draws the names in the label font, FontOfCellHeight(12).
// shown: per entry, whether it is drawn (a filter's); null draws them all.
void DrawWaypoints(QPainter& p, const std::vector<std::unique_ptr<CWayEntry>>& entries,
                   const CMapFrame& frame, const COuterRect& outer, const QRect& clip,
                   const CImageList& icons, CTextLine& labels,
                   const std::vector<char>* shown = nullptr);

struct CMapOverlay {
    COuterRect m_outer;
    QRect m_rcClickBox;
    QRect m_rcModeBox;
    QString m_strClickMode; // the current items of the two menus
    QString m_strMapMode;
    QStringList m_boxItems;   // every item of the two menus, for the font's size
    QString m_strAttribution; // the imagery's, when the picture is from tiles
    QColor m_boxFace;
    bool m_bHideWaypoints = false;
    bool m_bMetric = false;
    int m_nScale = 15;
    // On paper: no strip, mode boxes or crosshair (nothing to click there),
    // only the scale, its read-out and the attribution.
    bool m_bForPrint = false;
};

void DrawMapOverlay(QPainter& p, const CMapOverlay& o);

// The overlay's font: the largest of cell height 16 or less in which the
// strip's labels, every box item and the longest scale read-outs fit their
// rectangles on one line.
QFont OverlayFont(const QStringList& boxItems);

// Where the overlay's texts go: one top-aligned line each.
inline constexpr int kReadoutWidth = 100;
inline constexpr int kBoxTextInset = 6;
