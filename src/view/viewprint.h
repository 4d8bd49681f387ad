// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a document window: the map scaled to the page's printable area,
// without its on-screen controls; the list as a table whose columns fit the
// page width, over as many pages as its rows need, with the column titles on
// each.
#pragma once

#include <vector>

class CCairnbookView;
class QPainter;
class QPrinter;
class QWidget;

void PrintSetup(QWidget* parent);
// Asks with the print dialog (or shows the preview) and prints.
void PrintView(CCairnbookView& view, QWidget* parent, bool preview);

enum class EPrintResult { printed, failed, cancelled };
// Prints on printer as it is set up; failed when the printer could not be
// started (no such printer, an unwritable file). With a window to show it
// over, a list of many pages shows its progress with a Cancel button.
EPrintResult RenderPages(CCairnbookView& view, QPrinter& printer, QWidget* progress = nullptr);

// How a table goes onto pages: its width fits the page, and no page holds
// more rows than fit below the titles.
struct CListPages {
    double m_dScale = 1.0; // device pixels per screen pixel
    int m_nRowsPerPage = 1;
    int m_nPages = 1;
};
inline constexpr int kPageTopMargin = 10; // screen pixels above the table
// Sizes of the table in screen pixels, of the page in device pixels;
// dpiScale is the page's pixels per screen pixel at physical size.
CListPages PaginateList(int tableWidth, int headerHeight, int rowHeight, int rows, int pageWidth,
                        int pageHeight, double dpiScale);
// The printed columns: each at least as wide as its title, together no
// wider than room (screen pixels) where the titles allow it; the widest
// columns give way first.
std::vector<int> PrintColumnWidths(const std::vector<int>& widths,
                                   const std::vector<int>& titleWidths, int room);
// Device pixels per screen pixel for a picture of w x h screen pixels on a
// page of the given device size: physical size, or smaller to fit.
double PageScale(int w, int h, int pageWidth, int pageHeight, double dpiScale);
