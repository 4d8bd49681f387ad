// SPDX-License-Identifier: GPL-3.0-or-later
#include "memdc.h"

#include <QDir>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

TEST(MemDC, StartsWithTheTargetBackgroundAndCopiesOnlyItsRect) {
    QImage target(40, 40, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter p(&target);
        p.setBackground(QColor(10, 20, 30));
        CMemDC dc(p, QRect(10, 10, 10, 10));
        dc->fillRect(QRect(15, 15, 2, 2), Qt::red);              // inside: lands at the same place
        dc->fillRect(QRect(25, 25, 5, 5), Qt::green);            // outside: lost
        EXPECT_EQ(target.pixelColor(15, 15), QColor(Qt::white)); // nothing shows before the end
    }
    EXPECT_EQ(target.pixelColor(11, 11), QColor(10, 20, 30));
    EXPECT_EQ(target.pixelColor(15, 15), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(26, 26), QColor(Qt::white));
    EXPECT_EQ(target.pixelColor(5, 5), QColor(Qt::white));
}

TEST(MemDC, CoversTheClipRegionWithoutARect) {
    QImage target(40, 40, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter p(&target);
    p.setClipRect(QRect(5, 6, 7, 8));
    CMemDC dc(p);
    EXPECT_EQ(dc.Rect(), QRect(5, 6, 7, 8));
}

TEST(MemDC, PrinterTargetsAreDrawnDirectly) {
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir::tempPath() + "/cairnbook-memdc.pdf");
    QPainter p(&printer);
    CMemDC dc(p, QRect(0, 0, 50, 50));
    EXPECT_FALSE(dc.IsMemory());
    EXPECT_EQ(&dc.Painter(), &p);
}

} // namespace
