#include "velbutton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Leftmost column holding a dark caption pixel, -1 when none.
int FirstInkColumn(const QImage& img) {
    for (int x = 3; x < img.width() - 3; ++x)
        for (int y = 3; y < img.height() - 3; ++y)
            if (qGray(img.pixel(x, y)) < 60)
                return x;
    return -1;
}

int FirstInkRow(const QImage& img) {
    for (int y = 3; y < img.height() - 3; ++y)
        for (int x = 3; x < img.width() - 3; ++x)
            if (qGray(img.pixel(x, y)) < 60)
                return y;
    return -1;
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
    EXPECT_GE(FirstInkColumn(hide), 2);
    EXPECT_GE(FirstInkColumn(show), 2);
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
    EXPECT_EQ(FirstInkColumn(down), FirstInkColumn(up) + 1);
    EXPECT_EQ(FirstInkRow(down), FirstInkRow(up) + 1);
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
