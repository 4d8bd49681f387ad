// SPDX-License-Identifier: GPL-3.0-or-later
#include "childframe.h"

#include "cairnbookview.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(CCairnbookView* view, QWidget* parent)
    : QMdiSubWindow(parent), m_pView(view) {
    setWidget(view);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(":/res/cairnbook.svg"));
    resize(kInitialWidth, kInitialHeight);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (m_fnCanClose && !m_fnCanClose(this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted() && m_fnClosed)
        m_fnClosed(this);
}
