// SPDX-License-Identifier: GPL-3.0-or-later
#include "childframe.h"

#include <QMenu>

#include "cairnbookview.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(CCairnbookView* view, QWidget* parent)
    : QMdiSubWindow(parent), m_pView(view) {
    setWidget(view);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(":/res/cairnbook.svg"));
    resize(kInitialWidth, kInitialHeight);
    // File > Close owns the desktop's Close key; the window menu's own
    // binding of it would make the key ambiguous, and do nothing.
    if (QMenu* menu = systemMenu())
        for (QAction* a : menu->actions())
            if (a->shortcut() == QKeySequence(QKeySequence::Close))
                a->setShortcut(QKeySequence());
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
