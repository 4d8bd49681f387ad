#include "viewprint.h"

#include "cairnbookview.h"
#include "xheaderctrl.h"
#include "xlistctrl.h"

#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

namespace {

// Print settings live for the whole session, as the print setup keeps them;
// never destroyed, as it must not outlive the application object.
QPrinter& SharedPrinter() {
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

// The list's visible columns and first rows, drawn by the list's own cell painting.
void RenderList(CXListCtrl& list, QPainter& p, int pageHeight) {
    CXHeaderCtrl* header = list.Header();
    const int headerHeight = header->height();
    int x = 0;
    p.save();
    // Pixel-sized fonts, so the page scale applies to text as to everything else.
    p.setFont(header->font());
    p.setPen(Qt::black);
    for (int c = 0; c < list.GetColumnCount(); ++c) {
        const int w = list.columnWidth(c);
        const QRect cell(x, 0, w, headerHeight);
        p.fillRect(cell, list.palette().button());
        p.setPen(CXHeaderCtrl::kLabelColor);
        p.drawText(cell.adjusted(CXHeaderCtrl::kItemSpacing, 0, -CXHeaderCtrl::kItemSpacing, 0),
                   Qt::AlignVCenter | Qt::AlignLeft,
                   list.model()->headerData(c, Qt::Horizontal).toString());
        x += w;
    }
    const int rowHeight = list.rowHeight(0) > 0 ? list.rowHeight(0) : 18;
    int y = headerHeight;
    for (int r = 0; r < list.GetItemCount() && y + rowHeight <= pageHeight; ++r, y += rowHeight) {
        x = 0;
        for (int c = 0; c < list.GetColumnCount(); ++c) {
            const int w = list.columnWidth(c);
            list.PaintCell(p, r, c, QRect(x, y, w, rowHeight), true);
            x += w;
        }
    }
    p.restore();
}

} // namespace

void PrintSetup(QWidget* parent) {
    QPageSetupDialog dialog(&SharedPrinter(), parent);
    dialog.exec();
}

void RenderPage(CCairnbookView& view, QPainter& p, double scale, int pageHeight) {
    p.save();
    p.scale(scale, scale);
    p.translate(0, 10);
    if (view.m_bMapMode || !view.m_pList)
        view.PaintContent(p, QRect(QPoint(0, 0), view.size()));
    else
        RenderList(*view.m_pList, p, static_cast<int>(pageHeight / scale) - 10);
    p.restore();
}

void RenderPage(CCairnbookView& view, QPrinter& printer) {
    QPainter p(&printer);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double screenDpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    // One screen pixel becomes 1/screenDpi inch on paper, in both directions.
    const double scale = printer.logicalDpiX() / screenDpi;
    RenderPage(view, p, scale, printer.height());
}

void PrintView(CCairnbookView& view, QWidget* parent, bool preview) {
    QPrinter& printer = SharedPrinter();
    if (preview) {
        QPrintPreviewDialog dialog(&printer, parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&view](QPrinter* p) { RenderPage(view, *p); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        RenderPage(view, printer);
}
