// SPDX-License-Identifier: GPL-3.0-or-later
// One document window's contents: the list face (a report list of the
// document's waypoints) and the map face, with the settings of this window.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CCairnbookDoc;
class CDocumentRows;
class CDocCommand;
class QUndoStack;
class CImageDownload;
class CImageList;
class CMapImage;
class CTextLine;
class CTrackingTip;
class QTimer;
struct CMapFrame;
struct COuterRect;
class CEditWaypointDlg;
class CWayEntry;
class CXListCtrl;
class CVelButton;
class QMenu;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

class CCairnbookView : public QWidget {
    Q_OBJECT
public:
    explicit CCairnbookView(CCairnbookDoc& doc, QWidget* parent = nullptr);
    ~CCairnbookView() override;

    CCairnbookDoc& GetDocument() const { return m_doc; }
    // The document's undo history; changes made without one are not recorded.
    QUndoStack* m_pUndoStack = nullptr;
    void Record(std::unique_ptr<CDocCommand> step);
    void OnInitialUpdate();

    void FillList();
    void RefreshRows();

    // Command routing: true when this view handled id. UpdateCommand sets the
    // check mark of the commands this view owns and says whether it owns id.
    bool OnCommand(int id);
    bool UpdateCommand(int id, bool& checked) const;

    // Display settings.
    void OnViewList();
    void OnViewMap();
    void OnHideWaypoints();
    void OnResetMap();
    void OnMetric();
    void OnNotation(int notation);

    // List commands.
    void OnAddWaypoint();
    // Adds the waypoint a dialog ended with OK describes; the map's add click too.
    CWayEntry* AddFromDialog(const CEditWaypointDlg& dlg);
    void OnEditRow(int row);
    void OnListClick(int row, int column);
    void OnDeleteKey();
    void OnDeleteWaypoint();
    void OnReferencePoint();
    void OnSaveSelected();
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    // Edit > Find: the find bar above the list.
    void OnFind();
    void CloseFind();
    QWidget* m_pFindBar = nullptr;
    QLineEdit* m_pFindEdit = nullptr;
    QLabel* m_pFindStatus = nullptr;
    QPushButton* m_pFindShowAll = nullptr;
    std::string SelectedAsText() const;

    // Map face.
    COuterRect Outer() const;
    CMapFrame Frame() const;
    void SetFrame(const CMapFrame& frame);
    // A new frame from the mouse: its picture is fetched anew.
    void MoveFrame(const CMapFrame& frame);
    void DrawMap(QPainter& p, const QRect& clip, bool forPrint = false);
    void DiscardMapImage();
    // Another map source was chosen: the picture is asked anew.
    void OnMapSourceChanged();
    bool FetchMapImage();
    void OnMapLeftClick(const QPoint& pt);
    void OnMapRightClick(const QPoint& pt);
    void OnMapMouseMove(const QPoint& pt);
    void AddWaypointAt(const QPoint& pt);
    void PopUpModeMenu(QMenu* menu, const QRect& box);
    // True once the map needs nothing more from the network for now.
    bool MapSettled() const;
    // The pause after a failed request; tests shorten it.
    static constexpr int kRetryMs = 6000;
    void SetRetryPause(int ms);
    QString CurrentMenuText(const QMenu* menu) const;
    // The position under the mouse, in 1/10000 degree, for the status bar.
    std::function<void(int lon10000, int lat10000)> m_fnMapPosition;

    // Draws what this view shows onto paper: the map without its controls.
    void PaintContent(QPainter& p, const QRect& rect);

    // Rows must be rebuilt at the next paint (another view of the document
    // rebuilt its own, or this view is new).
    void InvalidateRows();
    // Called after this view rebuilt its rows from a changed document.
    std::function<void(CCairnbookView*)> m_fnRowsRebuilt;
    // Called after this view added, changed or removed entries of the
    // document: its other views rebuild their rows at once, so that no row
    // points at a removed entry and none misses an added one.
    std::function<void(CCairnbookView*)> m_fnListChanged;

    // At most this many rows, unless View > Show All Waypoints is on.
    static constexpr int kMaxRows = 2000;
    // View > Show All Waypoints, for every window, remembered. Views rebuild
    // their rows at their next paint.
    static bool ShowAll();
    static void SetShowAll(bool on);
    static constexpr const char* kShowAllKey = "View/ShowAllWaypoints";
    // The find bar's offer to show a hit beyond the rows: turns the option on.
    std::function<void()> m_fnShowAll;
    // "2,000 of 5,412 waypoints shown" while the list holds fewer rows than
    // the document has waypoints; empty otherwise.
    QString ShownText() const;
    // "5,412": counts the way the texts above write them.
    static QString Grouped(std::size_t count);
    // The strip below the list that shows it; hidden when it is empty.
    QLabel* m_pShownStrip = nullptr;
    static constexpr int kListId = 130;

    CXListCtrl* m_pList = nullptr;
    int m_nRows = 0;
    bool m_bControlsCreated = false;
    int m_nScale = 15;
    bool m_bMapMode = false;
    int m_nClickMode;
    int m_nMapTheme;
    double m_dCenterLon = 0.0;
    double m_dCenterLat = 0.0;
    bool m_bFramed = false; // a frame was fitted or set: any centre is a place, 0 too
    std::unique_ptr<CMapImage> m_pMapImage;
    bool m_bHideWaypoints = false;
    bool m_bMetric = false;
    int m_nImageHalfWidth = 0;
    int m_nImageHalfHeight = 0;
    CVelButton* m_pHideButton = nullptr;
    CVelButton* m_pResetButton = nullptr;
    std::unique_ptr<QMenu> m_pModeMenu;
    QRect m_rcModeBox;
    std::unique_ptr<QMenu> m_pClickMenu;
    QRect m_rcClickBox;
    bool m_bToolTipShown = false;
    std::unique_ptr<CTrackingTip> m_pToolTip; // the hovered waypoint's comment
    CImageDownload* m_pDownload = nullptr;    // the picture's request, one at a time
    CWayEntry* m_pHoverEntry = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnListCommand(int id);
    bool OnMapCommand(int id);
    // The picture of a tile source for the current frame; false when the map
    // takes its picture from the area service.
    bool DrawTiles(QPainter& p, const COuterRect& r);
    void OnTileArrived();
    bool UpdateMapCommand(int id, bool& checked) const;
    void CreateMapMenus();
    void UpdateCursor();
    void HideToolTip();
    void OnImageArrived(bool ok, const QByteArray& body);

    QTimer* m_pRetry = nullptr;
    std::unique_ptr<CImageList> m_pIcons;    // the map's icon strip
    std::unique_ptr<CTextLine> m_pLabelText; // the map's name labels
    QString m_strRequested;                  // the request under way
    QString m_strFailed;                     // the request that failed, until its pause is over
    QImage m_tilePicture;                    // composed from tiles, for m_strTileFrame
    QString m_strTileFrame;                  // frame, size, zoom, theme and tile version
    int m_nRequestHalfWidth = 0;
    int m_nRequestHalfHeight = 0;
    void CreateControls();
    void Layout();
    void RebuildIfChanged();
    void ApplyMetricToList();
    void ApplyUnitTitles();
    // Takes the rows' entries out of the document, and the rows out of the
    // list, as one step named verb ("Delete").
    void RemoveEntries(const std::vector<int>& rows, const QString& verb);
    // Records the change of the entry that row shows.
    void RecordEdit(const CWayEntry& entry, const CWayEntry& before, int row);
    void FindStep(bool forward, bool fromCurrent);
    bool FindKey(QKeyEvent* key);
    // F3 and Shift+F3: the last text again, whether the bar is open or not.
    void OnFindAgain(bool forward);
    QString m_strDeleteVerb = "Delete";
    void ListChanged();
    void UpdateShownStrip();
    // The rows the list holds when it shows the document: at most kMaxRows.
    int RowsForDocument() const;
    // The unit the list's titles and values are in; a toggle made in map face
    // reaches the list when it is shown again.
    bool m_bListMetric = false;
    bool m_bRowsStale = true;
    std::unique_ptr<CDocumentRows> m_pRows;
    static inline std::optional<bool> s_showAll; // read from the settings when first asked

    CCairnbookDoc& m_doc;
};
