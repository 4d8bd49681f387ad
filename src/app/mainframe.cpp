// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainframe.h"

#include "aboutdlg.h"
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "capslock.h"
#include "childframe.h"
#include "coordinate.h"
#include "devicewatch.h"
#include "docmanager.h"
#include "helpwindow.h"
#include "listface.h"
#include "prompt.h"
#include "res/commandtext.h"
#include "res/resource.h"
#include "res/strings.h"
#include "textcodec.h"
#include "tileservice.h"
#include "translate.h"
#include "undocommands.h"
#include "viewprint.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

#include <algorithm>

using namespace res;

namespace {

bool IsDisplaySetting(int id) {
    return id == ID_VIEW_LIST || id == ID_VIEW_MAP || id == ID_HIDE_WAYPOINTS || id == ID_METRIC ||
           id == ID_FORMAT_DEGMIN || id == ID_FORMAT_DEGMINSEC || id == ID_FORMAT_DEGDEC ||
           id == ID_VIEW_LISTING || id == ID_VIEW_FILTER;
}

// The commands the frame carries out by itself; every other one needs a
// document window to act on.
bool NeedsNoDocument(int id) {
    return id == ID_FILE_NEW || id == ID_FILE_OPEN || id == ID_FILE_PRINT_SETUP ||
           id == ID_APP_EXIT || id == ID_APP_ABOUT || id == ID_HELP_TOPICS ||
           id == ID_VIEW_TOOLBAR || id == ID_VIEW_STATUS_BAR || id == ID_SHOW_ALL_WAYPOINTS;
}

} // namespace

CMainFrame::CMainFrame(CPrompt& prompt, CFileChooser& chooser, QWidget* parent)
    : QMainWindow(parent), m_pArea(new QMdiArea(this)), m_prompt(prompt), m_chooser(chooser) {
    setWindowTitle(kAppTitle);
    setWindowIcon(QIcon(":/res/cairnbook.svg"));
    setCentralWidget(m_pArea);
    setAcceptDrops(true);
    m_pDocManager = std::make_unique<CDocManager>(*m_pArea, prompt, chooser);
    m_pDocManager->m_fnViewCreated = [this](CCairnbookView* view) {
        connect(view, &CCairnbookView::MapPosition, this, &CMainFrame::OnMapPosition);
        connect(view, &CCairnbookView::ShowAllWanted, this, [this] { SetShowAllWaypoints(true); });
    };
    m_pDevices = new CDeviceWatch(this);
    CreateActions();
    BuildMenus();
    CreateToolBar();
    CreateStatusBar();
    connect(m_pDocManager.get(), &CDocManager::DocumentsChanged, this,
            &CMainFrame::UpdateCommandUI);
    connect(m_pDocManager.get(), &CDocManager::RecentFilesChanged, this, &CMainFrame::BuildMenus);
    connect(m_pDocManager.get(), &CDocManager::Notice, this, &CMainFrame::ShowNotice);
    connect(&CTileService::Instance(), &CTileService::Problem, this, &CMainFrame::ShowNotice);
    TellMapSourceProblems();
    connect(m_pArea, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateCommandUI);
    // Check marks and modified marks follow the state when the program is idle.
    m_pIdle = new QTimer(this);
    connect(m_pIdle, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
    m_pIdle->start(250);
    qApp->installEventFilter(this);
    resize(1000, 640);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    m_pIdle->stop();
    // The windows go after this frame's own members: nothing may call back into it.
    m_pArea->disconnect(this);
    m_pDocManager->disconnect(this);
    delete m_pArea;
}

void CMainFrame::ShowNotice(const QString& text) {
    auto show = [this, text] {
        // A notice that follows another at once (a source that cannot draw,
        // then the stand-in's server) joins it instead of hiding it.
        const QString shown = statusBar()->currentMessage();
        if (shown.contains(text))
            return;
        statusBar()->showMessage(shown.isEmpty() ? text : shown + "  " + text, kNoticeMs);
    };
    // A message shown before the window is hides no pane: it waits until it is.
    if (isVisible())
        show();
    else
        QTimer::singleShot(0, this, show);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setMinimumWidth(kMessagePaneWidth);
    m_pPosition = new QLabel(ResText(CommandText(ID_INDICATOR_POSITION)), this);
    m_pPosition->setObjectName("MousePosition");
    m_pPosition->setMinimumWidth(m_pPosition->fontMetrics().horizontalAdvance(m_pPosition->text()));
    m_pCaps = new QLabel(this);
    m_pCaps->setMinimumWidth(m_pCaps->fontMetrics().horizontalAdvance("CAP") + 6);
    // The message pane: "Ready" when idle, command prompts while a menu item is hovered.
    m_pMessage = new QLabel(ResText(kReady), this);
    m_pMessage->setMinimumWidth(kMessagePaneWidth);
    bar->addWidget(m_pMessage, 1);
    bar->addPermanentWidget(m_pPosition);
    bar->addPermanentWidget(m_pCaps);
    UpdateCaps();
}

CCairnbookView* CMainFrame::ActiveView() const {
    auto* frame = qobject_cast<CChildFrame*>(m_pArea->activeSubWindow());
    return frame ? frame->View() : nullptr;
}

void CMainFrame::OnCommand(int id) {
    CCairnbookView* view = ActiveView();
    const int notation = g_nCoordFormat;
    if (view && view->OnCommand(id)) {
        // A notation change shows in every window, not only this one.
        if (g_nCoordFormat != notation)
            for (const auto& rec : m_pDocManager->Records())
                for (CChildFrame* f : rec->m_frames)
                    if (f->View() != view)
                        f->View()->FillList();
    } else if (CDocRecord* rec = m_pDocManager->ActiveRecord(); rec && id == ID_FILE_MERGE) {
        const bool modified = rec->m_pDoc->IsModified();
        CAddRecorder recorder(*rec->m_pDoc);
        const ECommandResult result = rec->m_pDoc->OnFileMerge();
        KeepOrTakeBack(*rec, recorder.Finish(tr("Merge")), result, modified);
        m_pDocManager->TellNotices(*rec->m_pDoc);
    } else if (rec && id == ID_EXPORT_DATA) {
        rec->m_pDoc->OnExportData();
    } else {
        OnFrameCommand(id);
    }
    UpdateCommandUI();
}

void CMainFrame::KeepOrTakeBack(CDocRecord& rec, std::unique_ptr<CDocCommand> step,
                                ECommandResult result, bool modified) {
    if (result != ECommandResult::cancelled) {
        if (step)
            rec.m_pUndo->push(step.release()); // done already: the push only records it
        return;
    }
    // Stopped by the user: the document goes back to what it was (a GPX file
    // adds nothing before it is read whole, but the merge marked it modified).
    if (step)
        step->undo();
    rec.m_pDoc->SetModifiedFlag(modified);
}

void CMainFrame::ArrangeIcons() {
    // The minimised windows in rows from the area's bottom left corner, left
    // to right, in the order they were opened.
    const QRect area = m_pArea->viewport()->rect();
    int x = 0, y = area.bottom() + 1, rowHeight = 0;
    for (QMdiSubWindow* w : m_pArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized())
            continue;
        const QSize size = w->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= rowHeight;
            rowHeight = 0;
        }
        rowHeight = std::max(rowHeight, size.height());
        w->move(x, y - size.height());
        x += size.width();
    }
}

bool CMainFrame::OnFrameCommand(int id) {
    CDocRecord* rec = m_pDocManager->ActiveRecord();
    switch (id) {
    case ID_FILE_NEW: m_pDocManager->OnFileNew(); break;
    case ID_FILE_OPEN: m_pDocManager->OnFileOpen(); break;
    case ID_FILE_SAVE:
        if (rec)
            m_pDocManager->OnFileSave(*rec);
        break;
    case ID_EDIT_UNDO:
        if (rec)
            rec->m_pUndo->undo();
        break;
    case ID_EDIT_REDO:
        if (rec)
            rec->m_pUndo->redo();
        break;
    case ID_FILE_SAVE_AS:
        if (rec)
            m_pDocManager->OnFileSaveAs(*rec);
        break;
    case ID_FILE_CLOSE:
        if (rec)
            m_pDocManager->OnFileClose(*rec);
        break;
    case ID_WINDOW_NEW:
        if (rec)
            m_pDocManager->OnWindowNew(*rec);
        break;
    case ID_WINDOW_CASCADE: m_pArea->cascadeSubWindows(); break;
    case ID_WINDOW_TILE_HORZ: m_pArea->tileSubWindows(); break;
    case ID_WINDOW_ARRANGE: ArrangeIcons(); break;
    case ID_APP_EXIT: close(); break;
    case ID_APP_ABOUT: OnAppAbout(); break;
    case ID_HELP_TOPICS: OnHelpTopics(); break;
    case ID_VIEW_TOOLBAR: m_pToolBar->setVisible(!m_pToolBar->isVisible()); break;
    case ID_VIEW_STATUS_BAR: statusBar()->setVisible(!statusBar()->isVisible()); break;
    case ID_SHOW_ALL_WAYPOINTS: SetShowAllWaypoints(!CListFace::ShowAll()); break;
    case ID_FILE_PRINT: OnPrint(false); break;
    case ID_FILE_PRINT_PREVIEW: OnPrint(true); break;
    case ID_FILE_PRINT_SETUP: PrintSetup(this); break;
    default: return false; // commands nobody handles do nothing
    }
    return true;
}

void CMainFrame::UpdateCommandUI() {
    if (m_bDocumentMenu != !m_pDocManager->Records().empty()) {
        BuildMenus();
        return;
    }
    CCairnbookView* view = ActiveView();
    for (auto it = m_actions.begin(); it != m_actions.end(); ++it) {
        bool checked = false;
        if (view && view->UpdateCommand(it.key(), checked)) {
            it.value()->setCheckable(true);
            it.value()->setChecked(checked);
        } else if (IsDisplaySetting(it.key()) || (!view && !NeedsNoDocument(it.key()))) {
            it.value()->setCheckable(it.value()->isCheckable() || IsDisplaySetting(it.key()));
            it.value()->setChecked(false);
        }
        it.value()->setEnabled(view || NeedsNoDocument(it.key()));
    }
    UpdateUndoActions();
    m_actions[ID_VIEW_TOOLBAR]->setChecked(m_pToolBar && !m_pToolBar->isHidden());
    m_actions[ID_VIEW_STATUS_BAR]->setChecked(!statusBar()->isHidden());
    m_actions[ID_SHOW_ALL_WAYPOINTS]->setChecked(CListFace::ShowAll());
    for (const auto& rec : m_pDocManager->Records())
        for (CChildFrame* f : rec->m_frames)
            f->setWindowModified(rec->m_pDoc->IsModified());
    setWindowTitle(TitleText());
    const CDocRecord* active = m_pDocManager->ActiveRecord();
    setWindowModified(active && active->m_pDoc->IsModified());
    UpdateCaps();
    // A list that holds fewer rows than its document says so while it is active.
    const QString shown = view ? view->ShownText() : QString();
    if (m_pMessage)
        m_pMessage->setText(shown.isEmpty() ? ResText(kReady) : shown);
}

void CMainFrame::SetShowAllWaypoints(bool on) {
    if (on == CListFace::ShowAll())
        return;
    CListFace::SetShowAll(on);
    for (const auto& rec : m_pDocManager->Records())
        for (CChildFrame* f : rec->m_frames)
            f->View()->FillList();
    UpdateCommandUI();
}

void CMainFrame::UpdateUndoActions() {
    const CDocRecord* rec = m_pDocManager->ActiveRecord();
    const QUndoStack* stack = rec ? rec->m_pUndo.get() : nullptr;
    // "Undo Delete 3 Waypoints": the step is named in the menu and the tip (a
    // language may join the two otherwise).
    auto show = [this](int id, const QString& verb, const QString& step, const QString& keys,
                       bool can) {
        QAction* a = m_actions[id];
        const QString named = can && !step.isEmpty() ? tr("%1 %2").arg(verb, step) : verb;
        a->setText("&" + named + "\t" + QKeySequence(keys).toString(QKeySequence::NativeText));
        a->setToolTip(named);
        a->setEnabled(can);
    };
    show(ID_EDIT_UNDO, tr("Undo"), stack ? stack->undoText() : QString(), "Ctrl+Z",
         stack && stack->canUndo());
    show(ID_EDIT_REDO, tr("Redo"), stack ? stack->redoText() : QString(), "Ctrl+Y",
         stack && stack->canRedo());
}

QString CMainFrame::TitleText() const {
    const CDocRecord* active = m_pDocManager->ActiveRecord();
    // The placeholder lets the active document's modified mark show here too,
    // where a maximised child window has no title of its own.
    return active ? QString("%1 - %2[*]").arg(kAppTitle, active->m_strTitle) : QString(kAppTitle);
}

void CMainFrame::changeEvent(QEvent* event) {
    // A maximised child window appends its own title to ours ("... - [name]"):
    // the name already stands in it once.
    if (event->type() == QEvent::WindowTitleChange && m_pDocManager && windowTitle() != TitleText())
        setWindowTitle(TitleText());
    if (event->type() == QEvent::ActivationChange)
        UpdateCaps();
    QMainWindow::changeEvent(event);
}

void CMainFrame::UpdateCaps() {
    const QString text = CapsLockOn() ? "CAP" : "";
    if (m_pCaps && m_pCaps->text() != text)
        m_pCaps->setText(text);
}

QString CMainFrame::CapsText() const {
    return m_pCaps->text();
}

void CMainFrame::OnMapPosition(int lon10000, int lat10000) {
    const double lon = lon10000 * 0.0001;
    const double lat = lat10000 * 0.0001;
    const std::string text =
        FormatCoordinate(lat, kLatitude) + "  " + FormatCoordinate(lon, kLongitude);
    m_pPosition->setText(ToQString(text));
    m_pPosition->repaint();
}

QString CMainFrame::PositionText() const {
    return m_pPosition->text();
}
QString CMainFrame::StatusMessage() const {
    const QString message = statusBar()->currentMessage();
    return message.isEmpty() ? m_pMessage->text() : message;
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dlg(this);
    dlg.exec();
}

void CMainFrame::OnHelpTopics() {
    if (!m_pHelp)
        m_pHelp = new CHelpWindow(this);
    // The section about what the active window shows.
    const CCairnbookView* view = ActiveView();
    m_pHelp->ShowSection(!view ? QString() : view->IsMapMode() ? "map" : "list");
}

void CMainFrame::OnPrint(bool preview) {
    if (CCairnbookView* view = ActiveView())
        PrintView(*view, this, preview);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_pDocManager->SaveAllModified()) {
        event->ignore();
        return;
    }
    for (const auto& rec : m_pDocManager->Records())
        rec->m_pDoc->SetModifiedFlag(false); // answered already
    m_pArea->closeAllSubWindows();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    OpenDropped(*event->mimeData());
    event->acceptProposedAction();
}

void CMainFrame::OpenDropped(const QMimeData& data) {
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            m_pDocManager->OpenDocumentFile(url.toLocalFile());
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // The lock state is read anew on every key and focus change: a toggle
    // made while another program had the keyboard shows too.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::FocusIn:
    case QEvent::WindowActivate: UpdateCaps(); break;
    default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}
