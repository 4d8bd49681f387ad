#include "viewprint.h"

#include "cairnbookview.h"
#include "res/strings.h"
#include "xheaderctrl.h"
#include "xlistctrl.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include <algorithm>

namespace {

// Print settings live for the whole session, as the print setup keeps them;
// never destroyed, as it must not outlive the application object.
QPrinter& SharedPrinter() {
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

int TableWidth(const CXListCtrl& list) {
    int width = 0;
    for (int c = 0; c < list.GetColumnCount(); ++c)
        width += list.columnWidth(c);
    return width;
}

int RowHeight(const CXListCtrl& list) {
    return list.rowHeight(0) > 0 ? list.rowHeight(0) : 18;
}

void RenderHeader(CXListCtrl& list, QPainter& p) {
    CXHeaderCtrl* header = list.Header();
    int x = 0;
    for (int c = 0; c < list.GetColumnCount(); ++c) {
        const int w = list.columnWidth(c);
        const QRect cell(x, 0, w, header->height());
        p.fillRect(cell, list.palette().button());
        p.setPen(CXHeaderCtrl::kLabelColor);
        p.drawText(cell.adjusted(CXHeaderCtrl::kItemSpacing, 0, -CXHeaderCtrl::kItemSpacing, 0),
                   Qt::AlignVCenter | Qt::AlignLeft,
                   list.model()->headerData(c, Qt::Horizontal).toString());
        x += w;
    }
}

// One page of the table: the titles, then rows [first, first + count), drawn
// by the list's own cell painting.
void RenderListPage(CXListCtrl& list, QPainter& p, int first, int count) {
    p.save();
    // Pixel-sized fonts, so the page scale applies to text as to everything else.
    p.setFont(list.Header()->font());
    RenderHeader(list, p);
    const int rowHeight = RowHeight(list);
    int y = list.Header()->height();
    const int last = std::min(list.GetItemCount(), first + count);
    for (int r = first; r < last; ++r, y += rowHeight) {
        int x = 0;
        for (int c = 0; c < list.GetColumnCount(); ++c) {
            const int w = list.columnWidth(c);
            list.PaintCell(p, r, c, QRect(x, y, w, rowHeight), true);
            x += w;
        }
    }
    p.restore();
}

double ScreenToPrinter(const QPrinter& printer) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double screenDpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    // One screen pixel becomes 1/screenDpi inch on paper, in both directions.
    return printer.logicalDpiX() / screenDpi;
}

} // namespace

CListPages PaginateList(int tableWidth, int headerHeight, int rowHeight, int rows, int pageWidth,
                        int pageHeight, double dpiScale) {
    CListPages pages;
    pages.m_dScale = dpiScale;
    if (tableWidth > 0 && pageWidth > 0)
        pages.m_dScale = std::min(dpiScale, static_cast<double>(pageWidth) / tableWidth);
    const double usable = pageHeight / pages.m_dScale - kPageTopMargin - headerHeight;
    pages.m_nRowsPerPage = std::max(1, static_cast<int>(usable / std::max(1, rowHeight)));
    pages.m_nPages = std::max(1, (rows + pages.m_nRowsPerPage - 1) / pages.m_nRowsPerPage);
    return pages;
}

void PrintSetup(QWidget* parent) {
    QPageSetupDialog dialog(&SharedPrinter(), parent);
    dialog.exec();
}

bool RenderPages(CCairnbookView& view, QPrinter& printer) {
    QPainter p;
    if (!p.begin(&printer))
        return false;
    const double dpiScale = ScreenToPrinter(printer);
    if (view.m_bMapMode || !view.m_pList) {
        p.scale(dpiScale, dpiScale);
        p.translate(0, kPageTopMargin);
        view.PaintContent(p, QRect(QPoint(0, 0), view.size()));
        return p.end();
    }
    CXListCtrl& list = *view.m_pList;
    const CListPages pages =
        PaginateList(TableWidth(list), list.Header()->height(), RowHeight(list),
                     list.GetItemCount(), printer.width(), printer.height(), dpiScale);
    for (int page = 0; page < pages.m_nPages; ++page) {
        if (page > 0 && !printer.newPage())
            return false;
        p.save();
        p.scale(pages.m_dScale, pages.m_dScale);
        p.translate(0, kPageTopMargin);
        RenderListPage(list, p, page * pages.m_nRowsPerPage, pages.m_nRowsPerPage);
        p.restore();
    }
    return p.end();
}

void PrintView(CCairnbookView& view, QWidget* parent, bool preview) {
    QPrinter& printer = SharedPrinter();
    if (preview) {
        QPrintPreviewDialog dialog(&printer, parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&view](QPrinter* p) { RenderPages(view, *p); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted && !RenderPages(view, printer))
        QMessageBox::warning(parent, res::kAppTitle, res::kFailedToPrint);
}
