// SPDX-License-Identifier: GPL-3.0-or-later
// The 50 waypoint symbols of the icon strip.
#include "iconart.h"

namespace art {

std::vector<Draw> WaypointIcons() {
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

} // namespace art
