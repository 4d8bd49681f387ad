// SPDX-License-Identifier: GPL-3.0-or-later
// The main frame's menus and toolbar, made from the resource tables: one
// action per command, menus rebuilt from the table of the current state
// (recent files, map sources and open windows filled in), the toolbar strip.
#include "mainframe.h"

#include "docmanager.h"
#include "imagelist.h"
#include "res/commandtext.h"
#include "res/menus.h"
#include "res/resource.h"
#include "translate.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QToolBar>
#include <QToolButton>
#include <functional>

using namespace res;

namespace {

QString PromptPart(int id, int part) {
    const char* text = CommandText(id);
    return text ? ResText(text).section('\n', part, part) : QString();
}

// A toolbar icon drawn by draw in 16 x 15 pixels, at 1, 2 and 3 device pixels
// per pixel: the icon takes the one the screen needs.
QIcon DrawnIcon(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int ratio : {1, 2, 3}) {
        QPixmap pixmap(16 * ratio, 15 * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// A curved arrow, left for Undo and mirrored for Redo.
void DrawUndo(QPainter& p, bool redo) {
    if (redo)
        p.setTransform(QTransform(-1, 0, 0, 1, 16, 0), true);
    p.setPen(QPen(QColor(0, 0, 128), 2));
    QPainterPath arc;
    arc.moveTo(4, 6);
    arc.cubicTo(8, 1, 15, 4, 12, 12);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawPolygon(QPolygonF({QPointF(1, 6), QPointF(7, 2), QPointF(7, 10)}));
}

// A hand-held receiver: a grey case with its screen, and an arrow into it.
void DrawDevice(QPainter& p) {
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(QColor(192, 192, 192));
    p.drawRoundedRect(QRectF(6.5, 0.5, 8, 14), 2, 2);
    p.setBrush(QColor(0, 128, 0));
    p.drawRect(QRectF(8.5, 2.5, 4, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(QRectF(0, 9, 4, 2));
    p.drawPolygon(QPolygonF({QPointF(3, 6.5), QPointF(7, 10), QPointF(3, 13.5)}));
}

} // namespace

void CMainFrame::CreateActions() {
    auto add = [this](int id, const QString& text) {
        if (m_actions.contains(id))
            return;
        auto* action = new QAction(text, this);
        action->setStatusTip(PromptPart(id, 0));
        const QString tip = PromptPart(id, 1);
        action->setToolTip(tip.isEmpty() ? PromptPart(id, 0) : tip);
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        m_actions.insert(id, action);
        addAction(action); // shortcuts work whichever menu is shown
    };
    for (const CMenuItem& item : kMenuDocument)
        if (item.m_kind == EMenuKind::command)
            add(item.m_nId, ResText(item.m_text));
    const std::pair<int, const char*> toolbarOnly[] = {
        {ID_REFERENCE_POINT, TR_NOOP("Reference Point")},
        {ID_ZOOM_IN, TR_NOOP("Zoom In")},
        {ID_ZOOM_OUT, TR_NOOP("Zoom Out")},
        {ID_RECENTER, TR_NOOP("Recenter")},
        {ID_MAP_ADD_WAYPOINT, TR_NOOP("Add a Waypoint")},
        {ID_SEND_TO_DEVICE, TR_NOOP("Send to Device")},
        {ID_NEXT_PANE, TR_NOOP("Next Pane")},
        {ID_PREV_PANE, TR_NOOP("Previous Pane")}};
    for (const auto& [id, text] : toolbarOnly)
        add(id, tr(text));
    QHash<int, QList<QKeySequence>> keys;
    for (const CAccelerator& a : kAccelerators)
        keys[a.m_nId].append(QKeySequence(QString::fromLatin1(a.m_keys)));
    for (auto it = keys.begin(); it != keys.end(); ++it)
        m_actions[it.key()]->setShortcuts(it.value());
    for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_SHOW_ALL_WAYPOINTS})
        m_actions[id]->setCheckable(true);
}

void CMainFrame::BuildMenus() {
    QMenuBar* bar = menuBar();
    // The old menus go once control returns to the event loop: this may run
    // from one of their own items (a recent file).
    for (QAction* a : bar->actions())
        if (QMenu* menu = a->menu())
            menu->deleteLater();
    bar->clear();
    m_bDocumentMenu = !m_pDocManager->Records().empty();
    std::vector<QMenu*> stack;
    auto items = m_bDocumentMenu ? std::begin(kMenuDocument) : std::begin(kMenuNoDocument);
    auto end = m_bDocumentMenu ? std::end(kMenuDocument) : std::end(kMenuNoDocument);
    for (; items != end; ++items) {
        const CMenuItem& item = *items;
        switch (item.m_kind) {
        case EMenuKind::popup:
            stack.push_back(stack.empty() ? bar->addMenu(ResText(item.m_text))
                                          : stack.back()->addMenu(ResText(item.m_text)));
            break;
        case EMenuKind::end: stack.pop_back(); break;
        case EMenuKind::separator: stack.back()->addSeparator(); break;
        case EMenuKind::recentFiles: FillRecentFiles(stack.back()); break;
        case EMenuKind::mapSources: FillMapSources(stack.back()); break;
        case EMenuKind::openWindows: FollowOpenWindows(stack.back()); break;
        case EMenuKind::devices:
            FollowDevices(stack.back(), item.m_nId == ID_SEND_TO_DEVICE);
            break;
        case EMenuKind::command: {
            QAction* action = m_actions.value(item.m_nId);
            stack.back()->addAction(action);
            break;
        }
        }
    }
    UpdateCommandUI();
}

void CMainFrame::FillRecentFiles(QMenu* menu) {
    const QStringList files = m_pDocManager->RecentFiles();
    if (files.isEmpty()) {
        menu->addAction(tr("Recent File"))->setEnabled(false);
        return;
    }
    for (int i = 0; i < files.size(); ++i) {
        QAction* a = menu->addAction(QString("&%1 %2").arg(i + 1).arg(files[i]));
        a->setStatusTip(PromptPart(ID_FILE_MRU_FILE1, 0));
        const QString path = files[i];
        connect(a, &QAction::triggered, this,
                [this, path] { m_pDocManager->OpenDocumentFile(path); });
    }
}

void CMainFrame::FollowOpenWindows(QMenu* menu) {
    QAction* separator = menu->addSeparator();
    connect(menu, &QMenu::aboutToShow, this, [this, menu, separator] {
        const QList<QAction*> actions = menu->actions();
        for (qsizetype i = actions.indexOf(separator) + 1; i < actions.size(); ++i)
            delete actions[i];
        const QList<QMdiSubWindow*> windows = m_pArea->subWindowList();
        separator->setVisible(!windows.isEmpty());
        for (qsizetype i = 0; i < windows.size(); ++i) {
            QMdiSubWindow* window = windows[i];
            QAction* a = menu->addAction(QString("&%1 %2").arg(i + 1).arg(
                window->windowTitle().replace("[*]", window->isWindowModified() ? "*" : "")));
            a->setCheckable(true);
            a->setChecked(window == m_pArea->activeSubWindow());
            connect(a, &QAction::triggered, this, [this, window] {
                if (m_pArea->subWindowList().contains(window))
                    m_pArea->setActiveSubWindow(window);
            });
        }
    });
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = addToolBar(tr("Standard"));
    m_pToolBar->setObjectName("ToolBar");
    m_pToolBar->setIconSize(QSize(16, 15));
    const CImageList images =
        CImageList::FromStrip(":/res/toolbar.png", 16, QColor(192, 192, 192), devicePixelRatioF());
    int image = 0;
    for (int id : kToolbar) {
        if (id == 0) {
            m_pToolBar->addSeparator();
            continue;
        }
        if (id == ID_SEND_TO_DEVICE) {
            // A click opens the same list of receivers as the File menu's.
            m_actions[id]->setIcon(DrawnIcon(DrawDevice));
            auto* menu = new QMenu(this);
            FollowDevices(menu, true);
            m_actions[id]->setMenu(menu);
            m_pToolBar->addAction(m_actions[id]);
            if (auto* button =
                    qobject_cast<QToolButton*>(m_pToolBar->widgetForAction(m_actions[id])))
                button->setPopupMode(QToolButton::InstantPopup);
            continue;
        }
        if (id == ID_EDIT_UNDO || id == ID_EDIT_REDO) {
            m_actions[id]->setIcon(
                DrawnIcon([redo = id == ID_EDIT_REDO](QPainter& p) { DrawUndo(p, redo); }));
            m_pToolBar->addAction(m_actions[id]);
            continue;
        }
        m_actions[id]->setIcon(QIcon(images.Image(image++)));
        m_pToolBar->addAction(m_actions[id]);
    }
}
