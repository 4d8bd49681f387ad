// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewprint.h"

#include "cairnbookview.h"
#include "listface.h"
#include "res/strings.h"
#include "translate.h"
#include "xheaderctrl.h"
#include "xlistctrl.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>

#include <algorithm>
#include <climits>
#include <memory>
#include <numeric>

namespace {

// Print settings live for the whole session, as the print setup keeps them;
// never destroyed, as it must not outlive the application object.
QPrinter& SharedPrinter() {
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

int RowHeight(const CXListCtrl& list) {
    return list.rowHeight(0) > 0 ? list.rowHeight(0) : 18;
}

void RenderHeader(CXListCtrl& list, QPainter& p, const std::vector<int>& widths) {
    CXHeaderCtrl* header = list.Header();
    int x = 0;
    for (int c = 0; c < list.GetColumnCount(); ++c) {
        const int w = widths[static_cast<std::size_t>(c)];
        const QRect cell(x, 0, w, header->height());
        p.fillRect(cell, list.palette().button());
        p.setPen(CXHeaderCtrl::kLabelColor);
        p.drawText(cell.adjusted(CXHeaderCtrl::kItemSpacing, 0, -CXHeaderCtrl::kItemSpacing, 0),
                   Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                   list.model()->headerData(c, Qt::Horizontal).toString());
        x += w;
    }
}

// One page of the table: the titles, then rows [first, first + count), drawn
// by the list's own cell painting.
void RenderListPage(CXListCtrl& list, QPainter& p, const std::vector<int>& widths, int first,
                    int count) {
    p.save();
    // Pixel-sized fonts, so the page scale applies to text as to everything else.
    p.setFont(list.Header()->font());
    RenderHeader(list, p, widths);
    const int rowHeight = RowHeight(list);
    int y = list.Header()->height();
    const int last = std::min(list.GetItemCount(), first + count);
    for (int r = first; r < last; ++r, y += rowHeight) {
        int x = 0;
        for (int c = 0; c < list.GetColumnCount(); ++c) {
            const int w = widths[static_cast<std::size_t>(c)];
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

EPrintResult RenderMap(CCairnbookView& view, QPrinter& printer, QPainter& p) {
    const double scale = PageScale(view.width(), view.height() + kPageTopMargin, printer.width(),
                                   printer.height(), ScreenToPrinter(printer));
    p.scale(scale, scale);
    p.translate(0, kPageTopMargin);
    p.setClipRect(QRect(QPoint(0, 0), view.size()));
    view.PaintContent(p, QRect(QPoint(0, 0), view.size()));
    return p.end() ? EPrintResult::printed : EPrintResult::failed;
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

std::vector<int> PrintColumnWidths(const std::vector<int>& widths,
                                   const std::vector<int>& titleWidths, int room) {
    std::vector<int> out(widths.size());
    for (std::size_t c = 0; c < widths.size(); ++c)
        out[c] = std::max(widths[c], titleWidths[c]);
    // The widest columns give way first: every column is cut to one common
    // width, never below its title, the widest cut that still fits.
    auto total = [&](int cap) {
        long long sum = 0;
        for (std::size_t c = 0; c < out.size(); ++c)
            sum += std::max(titleWidths[c], std::min(out[c], cap));
        return sum;
    };
    if (total(INT_MAX) <= room)
        return out;
    if (total(0) >= room) // the titles alone are wider: the page scale shrinks them all
        return titleWidths;
    int lo = 0, hi = *std::max_element(out.begin(), out.end());
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (total(mid) <= room)
            lo = mid;
        else
            hi = mid - 1;
    }
    for (std::size_t c = 0; c < out.size(); ++c)
        out[c] = std::max(titleWidths[c], std::min(out[c], lo));
    return out;
}

double PageScale(int w, int h, int pageWidth, int pageHeight, double dpiScale) {
    if (w <= 0 || h <= 0)
        return dpiScale;
    return std::min(
        {dpiScale, static_cast<double>(pageWidth) / w, static_cast<double>(pageHeight) / h});
}

void PrintSetup(QWidget* parent) {
    QPageSetupDialog dialog(&SharedPrinter(), parent);
    dialog.exec();
}

EPrintResult RenderPages(CCairnbookView& view, QPrinter& printer, QWidget* progress) {
    QPainter p;
    if (!p.begin(&printer))
        return EPrintResult::failed;
    const double dpiScale = ScreenToPrinter(printer);
    if (view.IsMapMode())
        return RenderMap(view, printer, p);
    CXListCtrl& list = view.ListFace().List();
    std::vector<int> widths, titles;
    const QFontMetrics titleFont(list.Header()->font());
    for (int c = 0; c < list.GetColumnCount(); ++c) {
        widths.push_back(list.columnWidth(c));
        const QString title = list.model()->headerData(c, Qt::Horizontal).toString();
        titles.push_back(titleFont.horizontalAdvance(title) + 2 * CXHeaderCtrl::kItemSpacing + 2);
    }
    // Down to a little below physical size before a column is cut.
    constexpr double kSmallest = 0.85;
    widths = PrintColumnWidths(widths, titles,
                               static_cast<int>(printer.width() / (dpiScale * kSmallest)));
    const CListPages pages = PaginateList(
        std::accumulate(widths.begin(), widths.end(), 0), list.Header()->height(), RowHeight(list),
        list.GetItemCount(), printer.width(), printer.height(), dpiScale);
    std::unique_ptr<QProgressDialog> bar;
    if (progress && pages.m_nPages > 1) {
        bar = std::make_unique<QProgressDialog>(QString(),
                                                QCoreApplication::translate("Printing", "Cancel"),
                                                0, pages.m_nPages, progress);
        bar->setWindowTitle(res::kAppTitle);
        bar->setWindowModality(Qt::WindowModal); // the windows keep painting
        bar->setMinimumDuration(500);
    }
    for (int page = 0; page < pages.m_nPages; ++page) {
        if (bar) {
            bar->setLabelText(QCoreApplication::translate("Printing", "Printing page %1 of %2")
                                  .arg(page + 1)
                                  .arg(pages.m_nPages));
            bar->setValue(page);
            // The windows paint while the pages go; the document cannot
            // change under the printer, as no input is taken meanwhile.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            if (bar->wasCanceled()) {
                printer.abort();
                return EPrintResult::cancelled;
            }
        }
        if (page > 0 && !printer.newPage())
            return EPrintResult::failed;
        p.save();
        p.scale(pages.m_dScale, pages.m_dScale);
        p.translate(0, kPageTopMargin);
        RenderListPage(list, p, widths, page * pages.m_nRowsPerPage, pages.m_nRowsPerPage);
        p.restore();
    }
    return p.end() ? EPrintResult::printed : EPrintResult::failed;
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
    if (dialog.exec() == QDialog::Accepted &&
        RenderPages(view, printer, parent) == EPrintResult::failed)
        QMessageBox::warning(parent, res::kAppTitle, ResText(res::kFailedToPrint));
}
