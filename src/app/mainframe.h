// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: documents in child windows, menus and toolbar built from
// the resource tables, the status bar with the mouse position, and command
// routing to the active view, its document, then the frame itself.
#pragma once

#include <QHash>
#include <QMainWindow>

#include <memory>

class CCairnbookView;
class CDocCommand;
struct CDocRecord;
enum class ECommandResult;
class CDeviceWatch;
struct CReceiver;
struct CMapSource;
class CDocManager;
class CHelpWindow;
class CPrompt;
class CFileChooser;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QMimeData;
class QTimer;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CPrompt& prompt, CFileChooser& chooser, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CDocManager& DocManager() { return *m_pDocManager; }
    QMdiArea& MdiArea() { return *m_pArea; }
    CCairnbookView* ActiveView() const;

    // Carries out command id as the menus and toolbar do.
    void OnCommand(int id);
    // Refreshes check marks, titles and the modified marks.
    void UpdateCommandUI();
    QAction* Action(int id) const { return m_actions.value(id); }
    QMenuBar* CurrentMenuBar() const { return menuBar(); }

    // Position under the mouse in 1/10000 degree, as the map sends it.
    void OnMapPosition(int lon10000, int lat10000);
    QString PositionText() const;
    QString StatusMessage() const;

    // Files dropped on the window open as documents.
    void OpenDropped(const QMimeData& data);

    static constexpr int kMessagePaneWidth = 150;
    static constexpr int kNoticeMs = 20000; // how long a read's notice stays

    QString CapsText() const;
    // Makes source the map's, remembered, and redraws every map.
    void ChooseMapSource(const CMapSource& source);
    // Builds the menu bar anew from the tables (recent files and map sources included).
    void BuildMenus();
    CDeviceWatch& Devices() const { return *m_pDevices; }
    // Sends the active window's selected (or matching) waypoints and their
    // caches' waypoints to receiver, asking first when the file's name is
    // taken there; false when nothing was sent.
    bool SendTo(const CReceiver& receiver);
    // Reads receiver's GPX files into a new document or the active one, and
    // marks the active document's caches found that it logged.
    void ReceiveFrom(const CReceiver& receiver);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateToolBar();
    void CreateStatusBar();
    void FillRecentFiles(QMenu* menu);
    void FillMapSources(QMenu* menu);
    // Lists the open windows each time the menu opens.
    void FollowOpenWindows(QMenu* menu);
    // The receivers, drives to mount and Choose Folder..., each time the menu opens.
    void FollowDevices(QMenu* menu, bool send);
    void MarkVisited(const CReceiver& receiver);
    // A merge's step recorded, or taken back when the user stopped it.
    void KeepOrTakeBack(CDocRecord& rec, std::unique_ptr<CDocCommand> step, ECommandResult result,
                        bool modified);
    void OnOpenMbTiles();
    void OnReloadMapSources();
    // Groups of map-sources.ini that define no source, told once.
    void TellMapSourceProblems();
    // A notice in the status bar's message pane for a while.
    void ShowNotice(const QString& text);
    bool OnFrameCommand(int id);
    void OnAppAbout();
    void OnHelpTopics();
    void OnPrint(bool preview);
    // Window > Arrange Icons: the minimised windows in a row along the bottom.
    void ArrangeIcons();
    void UpdateCaps();
    // View > Show All Waypoints: every window lists its whole document, or
    // at most its first 2,000 waypoints.
    void SetShowAllWaypoints(bool on);
    void UpdateUndoActions();
    QString TitleText() const;

    QMdiArea* m_pArea;
    std::unique_ptr<CDocManager> m_pDocManager;
    CPrompt& m_prompt;
    CFileChooser& m_chooser;
    QHash<int, QAction*> m_actions;
    CDeviceWatch* m_pDevices;
    QToolBar* m_pToolBar = nullptr;
    CHelpWindow* m_pHelp = nullptr; // made when first asked for
    QLabel* m_pPosition = nullptr;
    QLabel* m_pCaps = nullptr;
    QLabel* m_pMessage = nullptr; // "Ready", or how many rows the list shows
    QTimer* m_pIdle = nullptr;
    bool m_bDocumentMenu = false;
};
