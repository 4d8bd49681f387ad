// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar's 19 images.
#include "iconart.h"

namespace art {

namespace {
void Pin(QPainter& p, QColor c, int x, int y) {
    Disc(p, c, x, y, 6, 6);
    Poly(p, c, {{x + 1, y + 5}, {x + 5, y + 5}, {x + 3, y + 9}});
}
void Page(QPainter& p, int x, int y, int w, int h) {
    Poly(p, kWhite, {{x, y}, {x + w - 3, y}, {x + w, y + 3}, {x + w, y + h}, {x, y + h}});
}
void Magnifier(QPainter& p, bool plus) {
    Disc(p, kWhite, 1, 1, 9, 9);
    p.setPen(QPen(kInk, 2));
    p.drawLine(9, 9, 14, 14);
    Line(p, kInk, 3, 5, 8, 5);
    if (plus)
        Line(p, kInk, 5, 3, 5, 8);
}
void MapSheet(QPainter& p) {
    Poly(p, QColor(250, 240, 190),
         {{0, 2}, {5, 0}, {10, 2}, {15, 0}, {15, 12}, {10, 14}, {5, 12}, {0, 14}});
    Line(p, kGreen, 2, 8, 12, 5);
    Line(p, kBlue, 3, 4, 7, 10);
}

} // namespace

// Toolbar images, 16 x 15, in the toolbar's button order.
std::vector<Draw> ToolbarIcons() {
    return {
        [](QPainter& p) { Page(p, 3, 1, 10, 13); }, // New
        [](QPainter& p) {
            Poly(p, kYellow, {{1, 4}, {6, 4}, {7, 5}, {14, 5}, {14, 13}, {1, 13}}); // Open
            Poly(p, QColor(250, 220, 80), {{3, 8}, {15, 8}, {13, 13}, {1, 13}});
        },
        [](QPainter& p) {
            Box(p, {1, 1, 13, 13}, kBlue);
            Box(p, {4, 1, 7, 5}, kWhite); // Save
            Box(p, {3, 9, 9, 5}, QColor(200, 200, 200));
        },
        [](QPainter& p) {
            Box(p, {1, 1, 13, 13}, kWhite); // List View
            for (int y = 4; y < 13; y += 3) {
                Line(p, kInk, 3, y, 4, y);
                Line(p, kInk, 6, y, 12, y);
            }
        },
        [](QPainter& p) { MapSheet(p); }, // Map View
        [](QPainter& p) {
            Disc(p, kWhite, 1, 9, 5, 5);
            Disc(p, kWhite, 9, 9, 5, 5); // Cut
            Line(p, kInk, 5, 9, 11, 1);
            Line(p, kInk, 10, 9, 4, 1);
        },
        [](QPainter& p) {
            Page(p, 1, 1, 8, 10);
            Page(p, 6, 4, 8, 10);
        }, // Copy
        [](QPainter& p) {
            Box(p, {2, 2, 11, 12}, kBrown);
            Box(p, {5, 1, 5, 3}, QColor(200, 200, 200)); // Paste
            Page(p, 6, 6, 8, 8);
        },
        [](QPainter& p) {
            Pin(p, kBlue, 1, 3);
            p.setPen(QPen(kRed, 2)); // Delete Waypoint
            p.drawLine(8, 6, 14, 12);
            p.drawLine(14, 6, 8, 12);
        },
        [](QPainter& p) {
            Pin(p, kBlue, 1, 3);
            p.fillRect(10, 5, 2, 8, kGreen); // Add Waypoint
            p.fillRect(7, 8, 8, 2, kGreen);
        },
        [](QPainter& p) {
            Disc(p, Qt::NoBrush, 2, 1, 12, 12, kRed);
            Disc(p, kRed, 6, 5, 4, 4, kRed); // Reference Point
            Line(p, kRed, 8, 0, 8, 14);
            Line(p, kRed, 1, 7, 15, 7);
        },
        [](QPainter& p) { Magnifier(p, true); },  // Zoom In
        [](QPainter& p) { Magnifier(p, false); }, // Zoom Out
        [](QPainter& p) {
            Disc(p, Qt::NoBrush, 3, 3, 9, 9, kInk);
            Line(p, kInk, 7, 0, 7, 14); // Recenter
            Line(p, kInk, 0, 7, 14, 7);
            Disc(p, kRed, 6, 6, 3, 3, kRed);
        },
        [](QPainter& p) {
            MapSheet(p);
            Pin(p, kRed, 5, 2);
        }, // Add on the map
        [](QPainter& p) {
            Pin(p, kBlue, 5, 2);
            p.setPen(QPen(kRed, 2));
            p.drawLine(1, 13, 14, 1);
        }, // Hide Waypoints
        [](QPainter& p) {
            MapSheet(p);
            Glyph(p, kRed, "A", 10, QRect(0, 0, 16, 15));
        }, // Auto Map
        [](QPainter& p) {
            MapSheet(p);
            p.setPen(QPen(kRed, 2));
            p.drawLine(2, 2, 13, 12); // Turn Off Map
            p.drawLine(13, 2, 2, 12);
        },
        [](QPainter& p) {
            Box(p, {1, 6, 13, 6}, QColor(200, 200, 200));
            Page(p, 4, 1, 7, 5); // Print
            Page(p, 4, 10, 7, 4);
        },
    };
}

} // namespace art
