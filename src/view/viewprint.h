// Printing a document window: the map on one page at the screen's physical
// size; the list as a table scaled to the page width, over as many pages as
// its rows need, with the column titles on each.
#pragma once

class CCairnbookView;
class QPainter;
class QPrinter;
class QWidget;

void PrintSetup(QWidget* parent);
// Asks with the print dialog (or shows the preview) and prints.
void PrintView(CCairnbookView& view, QWidget* parent, bool preview);
// Prints on printer as it is set up; false when the printer could not be
// started (no such printer, an unwritable file).
bool RenderPages(CCairnbookView& view, QPrinter& printer);

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
