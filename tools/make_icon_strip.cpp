// Draws the 50 waypoint symbols (16 x 16 each, in icon-number order) into
// FOLDER/waypoint-icons.png and the 19 toolbar images (16 x 15) into
// FOLDER/toolbar.png. Grey RGB(192,192,192) is the mask colour.
//     make_icon_strip res
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <vector>

namespace {

using Draw = std::function<void(QPainter&)>;

const QColor kInk(0, 0, 0), kRed(200, 0, 0), kGreen(0, 128, 0), kBlue(0, 70, 200),
    kBrown(140, 80, 20), kYellow(240, 200, 0), kWhite(255, 255, 255), kGrey(90, 90, 90),
    kSea(0, 120, 200), kOrange(230, 120, 0), kPurple(120, 40, 160);

void Box(QPainter& p, QRect r, QColor fill, QColor line = kInk) {
    p.setPen(line);
    p.setBrush(fill);
    p.drawRect(r);
}
void Line(QPainter& p, QColor c, int x1, int y1, int x2, int y2) {
    p.setPen(c);
    p.drawLine(x1, y1, x2, y2);
}
void Poly(QPainter& p, QColor fill, std::initializer_list<QPoint> pts, QColor line = kInk) {
    p.setPen(line);
    p.setBrush(fill);
    p.drawPolygon(QPolygon(pts));
}
void Disc(QPainter& p, QColor fill, int x, int y, int w, int h, QColor line = kInk) {
    p.setPen(line);
    p.setBrush(fill);
    p.drawEllipse(x, y, w, h);
}
void Glyph(QPainter& p, QColor c, const QString& text, int px, QRect r = QRect(0, 0, 16, 16)) {
    QFont f("DejaVu Sans");
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}
void Building(QPainter& p, int x, int w, int top, QColor fill) {
    Box(p, QRect(x, top, w, 15 - top), fill);
    for (int y = top + 2; y < 13; y += 3)
        for (int wx = x + 2; wx < x + w - 1; wx += 3)
            p.fillRect(wx, y, 1, 1, kYellow);
}
void CacheBox(QPainter& p, QColor fill, int x, int y, int w, int h) {
    Box(p, QRect(x, y + 3, w, h - 3), fill);
    Poly(p, fill.darker(130), {{x, y + 3}, {x + 3, y}, {x + w + 3, y}, {x + w, y + 3}});
    Poly(p, fill.darker(160),
         {{x + w, y + 3}, {x + w + 3, y}, {x + w + 3, y + h - 3}, {x + w, y + h}});
}

std::vector<Draw> Icons() {
    return {
        // 0 Cross
        [](QPainter& p) {
            p.setPen(QPen(kRed, 2));
            p.drawLine(3, 3, 12, 12);
            p.drawLine(12, 3, 3, 12);
        },
        // 1 Box
        [](QPainter& p) {
            Box(p, {3, 3, 10, 10}, QColor(200, 150, 80));
            Line(p, kInk, 3, 6, 13, 6);
        },
        // 2 House
        [](QPainter& p) {
            Poly(p, kRed, {{1, 8}, {8, 1}, {15, 8}});
            Box(p, {3, 8, 10, 7}, QColor(240, 230, 200));
            Box(p, {7, 10, 3, 5}, kBrown);
        },
        // 3 Aerial: a lattice mast with waves
        [](QPainter& p) {
            Line(p, kInk, 8, 3, 4, 15);
            Line(p, kInk, 8, 3, 12, 15);
            Line(p, kInk, 6, 9, 10, 9);
            Line(p, kInk, 5, 12, 11, 12);
            Line(p, kRed, 3, 2, 3, 4);
            Line(p, kRed, 13, 2, 13, 4);
            Line(p, kRed, 1, 1, 1, 5);
            Line(p, kRed, 15, 1, 15, 5);
        },
        // 4 Airport: an aeroplane seen from above
        [](QPainter& p) {
            Poly(p, kBlue,
                 {{7, 1},
                  {9, 1},
                  {9, 6},
                  {15, 9},
                  {15, 10},
                  {9, 9},
                  {9, 12},
                  {11, 14},
                  {11, 15},
                  {5, 15},
                  {5, 14},
                  {7, 12},
                  {7, 9},
                  {1, 10},
                  {1, 9},
                  {7, 6}},
                 kBlue);
        },
        // 5 Amusement: a big wheel
        [](QPainter& p) {
            Disc(p, Qt::NoBrush, 2, 1, 12, 12, kPurple);
            Line(p, kPurple, 8, 1, 8, 13);
            Line(p, kPurple, 2, 7, 14, 7);
            Line(p, kPurple, 4, 3, 12, 11);
            Line(p, kPurple, 12, 3, 4, 11);
            Line(p, kInk, 8, 7, 5, 15);
            Line(p, kInk, 8, 7, 11, 15);
        },
        // 6 ATM: a banknote
        [](QPainter& p) {
            Box(p, {1, 3, 14, 10}, QColor(120, 200, 120));
            Glyph(p, kGreen.darker(150), "$", 10);
        },
        // 7 Auto Repair: a spanner
        [](QPainter& p) {
            p.setPen(QPen(kGrey, 3));
            p.drawLine(4, 12, 10, 6);
            Disc(p, kGrey, 8, 2, 6, 6, kGrey);
            p.fillRect(11, 1, 2, 4, QColor(192, 192, 192));
        },
        // 8 Boating: a sailing boat
        [](QPainter& p) {
            Poly(p, kWhite, {{8, 1}, {8, 11}, {2, 11}});
            Poly(p, kWhite, {{9, 3}, {14, 11}, {9, 11}});
            Poly(p, kBrown, {{1, 12}, {15, 12}, {12, 15}, {4, 15}});
        },
        // 9 Camping: a tent
        [](QPainter& p) {
            Poly(p, kOrange, {{8, 2}, {15, 14}, {1, 14}});
            Poly(p, kInk, {{8, 7}, {10, 14}, {6, 14}});
            Line(p, kInk, 0, 14, 15, 14);
        },
        // 10 Exit Ramp: a road sign with an arrow leaving the road
        [](QPainter& p) {
            Box(p, {1, 1, 14, 14}, kGreen, kWhite);
            p.setPen(QPen(kWhite, 2));
            p.drawLine(5, 13, 5, 6);
            p.drawLine(5, 6, 11, 3);
            Poly(p, kWhite, {{9, 1}, {13, 3}, {10, 6}}, kWhite);
        },
        // 11 First Aid
        [](QPainter& p) {
            Box(p, {1, 1, 14, 14}, kWhite, kRed);
            p.fillRect(6, 3, 4, 10, kRed);
            p.fillRect(3, 6, 10, 4, kRed);
        },
        // 12 Nav Aid: a beacon diamond on a post
        [](QPainter& p) {
            Poly(p, kYellow, {{8, 1}, {13, 6}, {8, 11}, {3, 6}});
            Line(p, kInk, 8, 11, 8, 15);
            Disc(p, kRed, 7, 5, 2, 2, kRed);
        },
        // 13 Bouy: a red and white float
        [](QPainter& p) {
            Disc(p, kRed, 3, 5, 10, 9);
            p.fillRect(4, 9, 9, 2, kWhite);
            Line(p, kInk, 8, 1, 8, 5);
            Line(p, kSea, 0, 14, 15, 14);
        },
        // 14 Fuel: a petrol pump
        [](QPainter& p) {
            Box(p, {2, 2, 8, 13}, kRed);
            Box(p, {4, 4, 4, 3}, kWhite);
            Line(p, kInk, 10, 5, 13, 7);
            Line(p, kInk, 13, 7, 13, 13);
            Line(p, kInk, 13, 13, 11, 13);
        },
        // 15 Garden: a flower
        [](QPainter& p) {
            Line(p, kGreen, 8, 8, 8, 15);
            Poly(p, kGreen, {{8, 13}, {12, 10}, {12, 12}}, kGreen);
            for (QPoint c : {QPoint(8, 2), QPoint(5, 5), QPoint(11, 5), QPoint(8, 8)})
                Disc(p, QColor(240, 100, 160), c.x() - 2, c.y() - 2, 4, 4);
            Disc(p, kYellow, 7, 4, 2, 2, kYellow);
        },
        // 16 Golf: a flag on the green
        [](QPainter& p) {
            Disc(p, kGreen, 1, 11, 14, 4, kGreen);
            Line(p, kInk, 7, 1, 7, 13);
            Poly(p, kRed, {{8, 1}, {14, 4}, {8, 7}}, kRed);
        },
        // 17 Hotel: a bed
        [](QPainter& p) {
            Line(p, kInk, 1, 4, 1, 14);
            Box(p, {2, 8, 13, 3}, kBlue);
            Box(p, {2, 6, 4, 2}, kWhite);
            Line(p, kInk, 14, 11, 14, 14);
            Line(p, kInk, 1, 11, 14, 11);
        },
        // 18 Hunt/Fish: a fish
        [](QPainter& p) {
            Disc(p, kSea, 1, 5, 11, 6);
            Poly(p, kSea, {{11, 8}, {15, 4}, {15, 12}});
            p.fillRect(3, 7, 1, 1, kWhite);
        },
        // 19 Large City: a cluster of tall buildings
        [](QPainter& p) {
            Building(p, 0, 5, 5, kGrey);
            Building(p, 5, 6, 1, QColor(60, 60, 110));
            Building(p, 11, 5, 7, kGrey);
        },
        // 20 Light House
        [](QPainter& p) {
            Poly(p, kWhite, {{6, 4}, {10, 4}, {12, 15}, {4, 15}});
            p.fillRect(6, 8, 5, 2, kRed);
            p.fillRect(5, 12, 7, 2, kRed);
            Box(p, {6, 1, 4, 3}, kYellow);
            Line(p, kYellow, 0, 1, 4, 2);
            Line(p, kYellow, 15, 1, 11, 2);
        },
        // 21 Major City: a star in a ring
        [](QPainter& p) {
            Disc(p, kWhite, 1, 1, 14, 14);
            Poly(p, kRed,
                 {{8, 2},
                  {9, 6},
                  {13, 6},
                  {10, 9},
                  {11, 13},
                  {8, 10},
                  {5, 13},
                  {6, 9},
                  {3, 6},
                  {7, 6}},
                 kRed);
        },
        // 22 Marina: an anchor
        [](QPainter& p) {
            p.setPen(QPen(kBlue, 2));
            p.drawLine(8, 3, 8, 14);
            p.drawLine(4, 6, 12, 6);
            p.drawArc(2, 6, 12, 9, 180 * 16, 180 * 16);
            Disc(p, Qt::NoBrush, 6, 0, 4, 3, kBlue);
        },
        // 23 Medium City: two buildings
        [](QPainter& p) {
            Building(p, 2, 6, 3, kGrey);
            Building(p, 8, 6, 6, QColor(60, 60, 110));
        },
        // 24 Museum: columns under a pediment
        [](QPainter& p) {
            Poly(p, QColor(230, 220, 190), {{1, 5}, {8, 1}, {15, 5}});
            for (int x : {3, 6, 9, 12})
                p.fillRect(x, 6, 2, 7, QColor(160, 150, 130));
            Box(p, {1, 13, 14, 2}, QColor(230, 220, 190));
        },
        // 25 Obstruction: a warning triangle
        [](QPainter& p) {
            Poly(p, kYellow, {{8, 1}, {15, 14}, {1, 14}}, kRed);
            Glyph(p, kInk, "!", 10, QRect(0, 4, 16, 11));
        },
        // 26 Park: a tree
        [](QPainter& p) {
            p.fillRect(7, 10, 2, 5, kBrown);
            Disc(p, QColor(40, 160, 40), 2, 1, 12, 10, kGreen.darker(150));
        },
        // 27 Resort: a palm tree on an island
        [](QPainter& p) {
            Disc(p, kYellow, 1, 12, 14, 4, kOrange);
            p.setPen(QPen(kBrown, 2));
            p.drawLine(8, 13, 9, 5);
            Poly(p, kGreen, {{9, 5}, {3, 4}, {9, 3}, {15, 5}, {10, 6}, {13, 10}}, kGreen);
        },
        // 28 Restaurant: a fork and a knife
        [](QPainter& p) {
            Line(p, kInk, 5, 7, 5, 15);
            for (int x : {3, 5, 7})
                Line(p, kInk, x, 1, x, 6);
            Line(p, kInk, 3, 6, 7, 6);
            Poly(p, kGrey, {{11, 1}, {13, 1}, {13, 15}, {11, 15}, {11, 8}, {10, 8}});
        },
        // 29 Rock
        [](QPainter& p) {
            Poly(p, QColor(150, 140, 130), {{1, 14}, {3, 7}, {7, 4}, {11, 5}, {15, 11}, {15, 14}});
            Line(p, kGrey, 7, 4, 8, 10);
        },
        // 30 Scuba: the diver-down flag
        [](QPainter& p) {
            Box(p, {1, 2, 14, 12}, kRed);
            p.setPen(QPen(kWhite, 3));
            p.drawLine(2, 3, 14, 13);
        },
        // 31 RV Resort: a camper van
        [](QPainter& p) {
            Box(p, {1, 4, 11, 8}, kWhite);
            Poly(p, kWhite, {{12, 7}, {15, 9}, {15, 12}, {12, 12}});
            Box(p, {3, 6, 3, 2}, kSea);
            p.fillRect(2, 9, 10, 1, kOrange);
            Disc(p, kInk, 3, 11, 3, 3);
            Disc(p, kInk, 10, 11, 3, 3);
        },
        // 32 Shooting: a target
        [](QPainter& p) {
            Disc(p, kWhite, 1, 1, 14, 14);
            Disc(p, kRed, 3, 3, 10, 10);
            Disc(p, kWhite, 5, 5, 6, 6);
            Disc(p, kRed, 7, 7, 2, 2, kRed);
        },
        // 33 Sight Seeing: binoculars
        [](QPainter& p) {
            Disc(p, kInk, 1, 7, 6, 6);
            Disc(p, kInk, 9, 7, 6, 6);
            Box(p, {3, 3, 3, 5}, kGrey);
            Box(p, {10, 3, 3, 5}, kGrey);
            p.fillRect(6, 6, 4, 2, kInk);
            p.fillRect(3, 9, 2, 2, kSea);
            p.fillRect(11, 9, 2, 2, kSea);
        },
        // 34 Small City: a house and a dot
        [](QPainter& p) {
            Building(p, 5, 6, 7, kGrey);
            Disc(p, kRed, 6, 1, 4, 4);
        },
        // 35 Sounding: depth marks over water
        [](QPainter& p) {
            for (int y : {2, 5}) {
                p.setPen(kSea);
                p.drawArc(0, y, 8, 4, 0, 180 * 16);
                p.drawArc(8, y, 8, 4, 0, 180 * 16);
            }
            Line(p, kInk, 8, 7, 8, 14);
            Poly(p, kInk, {{5, 11}, {11, 11}, {8, 15}});
        },
        // 36 Sports Arena: a stadium seen from above
        [](QPainter& p) {
            Disc(p, kGrey, 0, 2, 15, 11);
            Disc(p, kGreen, 3, 4, 9, 7, kWhite);
            Line(p, kWhite, 7, 4, 7, 10);
        },
        // 37 Tourist Info
        [](QPainter& p) {
            Disc(p, kBlue, 1, 1, 14, 14, kBlue);
            Glyph(p, kWhite, "i", 11);
        },
        // 38 Truck Service: a lorry
        [](QPainter& p) {
            Box(p, {0, 3, 9, 8}, kOrange);
            Poly(p, kBlue, {{9, 5}, {13, 5}, {15, 8}, {15, 11}, {9, 11}});
            p.fillRect(11, 6, 2, 2, kWhite);
            Disc(p, kInk, 2, 10, 3, 3);
            Disc(p, kInk, 11, 10, 3, 3);
        },
        // 39 Winery: a glass of red wine
        [](QPainter& p) {
            Poly(p, QColor(150, 0, 60), {{4, 2}, {12, 2}, {11, 7}, {8, 9}, {5, 7}});
            Line(p, kInk, 8, 9, 8, 13);
            Line(p, kInk, 5, 14, 11, 14);
        },
        // 40 Wreck: a sunken hull under the waves
        [](QPainter& p) {
            p.setPen(kSea);
            p.drawArc(0, 1, 8, 4, 0, 180 * 16);
            p.drawArc(8, 1, 8, 4, 0, 180 * 16);
            Poly(p, kBrown, {{1, 9}, {14, 12}, {12, 15}, {3, 14}});
            Line(p, kInk, 7, 10, 10, 5);
        },
        // 41 Zoo: a paw print
        [](QPainter& p) {
            Disc(p, kBrown, 4, 8, 8, 7, kBrown);
            for (QPoint c : {QPoint(2, 5), QPoint(5, 2), QPoint(9, 2), QPoint(12, 5)})
                Disc(p, kBrown, c.x(), c.y(), 3, 3, kBrown);
        },
        // 42 Traditional Cache: a green ammo box
        [](QPainter& p) { CacheBox(p, QColor(60, 150, 60), 1, 3, 11, 11); },
        // 43 MultiCache: two boxes
        [](QPainter& p) {
            CacheBox(p, kYellow, 0, 1, 7, 7);
            CacheBox(p, kYellow, 6, 7, 7, 7);
        },
        // 44 Virtual Cache: a box only in outline
        [](QPainter& p) {
            p.setPen(QPen(kBlue, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(2, 5, 10, 9);
            p.drawLine(2, 5, 5, 2);
            p.drawLine(5, 2, 15, 2);
            p.drawLine(12, 5, 15, 2);
        },
        // 45 Letterbox Cache: an envelope
        [](QPainter& p) {
            Box(p, {1, 3, 14, 10}, kWhite);
            Line(p, kInk, 1, 3, 8, 9);
            Line(p, kInk, 15, 3, 8, 9);
            Disc(p, kRed, 10, 9, 3, 3, kRed);
        },
        // 46 Event Cache: a calendar leaf
        [](QPainter& p) {
            Box(p, {1, 2, 14, 13}, kWhite);
            p.fillRect(2, 3, 13, 3, kRed);
            Glyph(p, kInk, "31", 7, QRect(1, 6, 15, 9));
        },
        // 47 Webcam Cache: a camera
        [](QPainter& p) {
            Box(p, {1, 4, 14, 10}, kGrey);
            Box(p, {4, 2, 4, 2}, kGrey);
            Disc(p, kSea, 5, 6, 6, 6, kWhite);
        },
        // 48 Mystery Cache: a question mark
        [](QPainter& p) {
            Box(p, {1, 1, 14, 14}, kBlue, kBlue);
            Glyph(p, kWhite, "?", 13);
        },
        // 49 Locationless Cache: a globe
        [](QPainter& p) {
            Disc(p, kSea, 1, 1, 14, 14);
            Poly(p, kGreen, {{4, 3}, {8, 4}, {7, 8}, {4, 9}}, kGreen);
            Poly(p, kGreen, {{9, 9}, {13, 8}, {12, 13}}, kGreen);
            Line(p, kWhite, 1, 8, 14, 8);
        },
    };
}

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

QImage DrawStrip(const std::vector<Draw>& icons, int w, int h) {
    QImage strip(w * static_cast<int>(icons.size()), h, QImage::Format_RGB32);
    strip.fill(QColor(192, 192, 192));
    QPainter p(&strip);
    for (std::size_t i = 0; i < icons.size(); ++i) {
        p.save();
        p.translate(w * static_cast<int>(i), 0);
        p.setClipRect(0, 0, w, h);
        icons[i](p);
        p.restore();
    }
    return strip;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const bool ok = DrawStrip(Icons(), 16, 16).save(folder + "/waypoint-icons.png") &&
                    DrawStrip(ToolbarIcons(), 16, 15).save(folder + "/toolbar.png");
    return ok ? 0 : 1;
}
