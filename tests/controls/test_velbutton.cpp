// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels.h"
#include "velbutton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Where the caption's ink starts, inside the bevel.
QPoint CaptionStart(const QImage& img) {
    return InkBounds(img, img.rect().adjusted(3, 3, -4, -4)).topLeft();
}

TEST(VelButton, CaptionFollowsTheCheckedState) {
    CVelButton hide("Hide Waypoints\nShow Waypoints");
    CVelButton reset("Reset Map");
    EXPECT_EQ(hide.Caption(), "Hide Waypoints");
    hide.SetCheck(true);
    EXPECT_EQ(hide.Caption(), "Show Waypoints");
    reset.SetCheck(true);
    EXPECT_EQ(reset.Caption(), "Reset Map");
}

TEST(VelButton, EachCaptionIsDrawn) {
    CVelButton button("Hide Waypoints\nShow Waypoints");
    button.resize(100, 20);
    button.show();
    const QImage hide = button.grab().toImage();
    button.SetCheck(true);
    button.update();
    const QImage show = button.grab().toImage();
    EXPECT_NE(hide, show);
    EXPECT_GE(CaptionStart(hide).x(), 2);
    EXPECT_GE(CaptionStart(show).x(), 2);
}

TEST(VelButton, ReleaseInsideTogglesAndClicks) {
    CVelButton button("Hide Waypoints\nShow Waypoints");
    button.resize(100, 20);
    button.show();
    QSignalSpy clicks(&button, &QPushButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_TRUE(button.GetCheck());
    EXPECT_EQ(clicks.count(), 1);
    // Press inside, release outside: no toggle.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(50, 10));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(150, 10));
    EXPECT_TRUE(button.GetCheck());
    CVelButton reset("Reset Map");
    reset.resize(70, 20);
    reset.show();
    QTest::mouseClick(&reset, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_TRUE(reset.GetCheck()); // a one-caption button still flips
}

TEST(VelButton, PressedLooksSunkenWithTheCaptionShifted) {
    CVelButton button("Reset Map");
    button.resize(70, 20);
    button.show();
    const QImage up = button.grab().toImage();
    button.setDown(true);
    const QImage down = button.grab().toImage();
    EXPECT_EQ(CaptionStart(down), CaptionStart(up) + QPoint(1, 1));
    // Raised: dark bevel bottom right; sunken: dark outline top left.
    EXPECT_LT(qGray(up.pixel(68, 18)), 120);
    EXPECT_GT(qGray(up.pixel(0, 0)), 200);
    EXPECT_LT(qGray(down.pixel(0, 0)), 120);
    CVelButton blank("");
    blank.resize(40, 20);
    blank.show();
    EXPECT_EQ(blank.grab().toImage().pixel(20, 10), blank.palette().button().color().rgb());
}

} // namespace
