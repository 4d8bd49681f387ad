// SPDX-License-Identifier: GPL-3.0-or-later
// One document window's contents: it hosts the list face and the map face,
// switches between them, keeps this window's settings, and runs the commands
// that change the document through its undo history.
#pragma once

#include "cairnbookdoc.h"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class CCairnbookDoc;
class CDocCommand;
class CEditWaypointDlg;
class CListFace;
class CListingPane;
class CMapFace;
class QSplitter;
class CWayEntry;
class QUndoStack;
struct CDocChange;

class CCairnbookView : public QWidget {
    Q_OBJECT
public:
    explicit CCairnbookView(CCairnbookDoc& doc, QWidget* parent = nullptr);
    ~CCairnbookView() override;

    CCairnbookDoc& GetDocument() const { return m_doc; }
    CListFace& ListFace() const { return *m_pListFace; }
    CMapFace& MapFace() const { return *m_pMapFace; }
    CListingPane& ListingPane() const { return *m_pListing; }
    // The document's undo history; without one, changes are made unrecorded.
    void SetUndoStack(QUndoStack* stack) { m_pUndoStack = stack; }
    // Makes the step's change (unless it was made already) and records it.
    void Record(std::unique_ptr<CDocCommand> step);
    void OnInitialUpdate();

    void FillList();
    void RefreshRows();

    // Command routing: true when this view handled id. UpdateCommand sets the
    // check mark of the commands this view owns and says whether it owns id.
    bool OnCommand(int id);
    bool UpdateCommand(int id, bool& checked) const;

    // Display settings.
    bool IsMapMode() const { return m_bMapMode; }
    bool IsMetric() const { return m_bMetric; }
    void OnViewList();
    void OnViewMap();
    void OnHideWaypoints();
    void OnResetMap();
    void OnMetric();
    void OnNotation(int notation);
    // View > Listing: the pane beside the list, shown or not, remembered.
    void OnViewListing();
    static constexpr const char* kListingKey = "View/Listing";
    static constexpr const char* kListingSplitKey = "View/ListingSplit";

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
    std::string SelectedAsText() const;
    // The places of the selected rows; of every row that matches the filter
    // (or of the whole document) when none is selected.
    std::vector<std::size_t> PlacesToSend() const;

    // "2,000 of 5,412 waypoints shown" while the list leaves some out.
    QString ShownText() const;
    // True once the map needs nothing more from the network for now.
    bool MapSettled() const;
    // Draws what this view shows onto paper: the map without its controls.
    void PaintContent(QPainter& p, const QRect& rect);

signals:
    // The position under the mouse on the map, in 1/10000 degree.
    void MapPosition(int lon10000, int lat10000);
    // The find bar's offer to show a hit beyond the rows.
    void ShowAllWanted();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool OnListCommand(int id);
    void Follow(const CDocChange& change);
    void AddWaypointAt(double lat, double lon);
    // The listing pane follows the list's current row.
    void ShowCurrentListing();
    // Records the change of the entry that row shows to after.
    void RecordEdit(int row, const CWayEntry& after);
    void DeleteRows(const std::vector<int>& rows, const QString& verb);
    // Asks whether the waypoints of the caches at places go too; adds them.
    void AddChildrenIfWanted(std::vector<std::size_t>& places);

    CCairnbookDoc& m_doc;
    QUndoStack* m_pUndoStack = nullptr;
    QSplitter* m_pSplitter; // the list face and the listing pane
    CListFace* m_pListFace;
    CListingPane* m_pListing;
    CMapFace* m_pMapFace;
    bool m_bMapMode = false;
    bool m_bMetric = false;
    CDocSubscription m_subscription;        // may outlive the document
    QString m_strDeleteVerb = tr("Delete"); // "Cut" while a cut deletes
};
