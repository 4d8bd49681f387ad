// SPDX-License-Identifier: GPL-3.0-or-later
// A document window's list face: the report list of the document's
// waypoints, the strip that says how many it leaves out, and the find bar.
#pragma once

#include "docchange.h"
#include "waypointfilter.h"

#include <QVariantMap>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class CCairnbookDoc;
class CDocumentRows;
class CWayEntry;
class CXListCtrl;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

class CListFace : public QWidget {
    Q_OBJECT
public:
    CListFace(CCairnbookDoc& doc, QWidget* parent);
    ~CListFace() override;

    CXListCtrl& List() const { return *m_pList; }
    // Columns in their shares of width w, none narrower than its title.
    void FitColumns(int w);
    // Every row anew from the document; the header's order stays.
    void Fill();
    // Rows drawn anew in the current notation and unit.
    void Refresh();
    // Feet or metres: titles and values.
    void SetMetric(bool metric);
    // Exactly the rows a change of the document concerns.
    void Follow(const CDocChange& change);

    int Rows() const { return m_nRows; }
    // The waypoint a row shows and its place in the document; null and -1
    // for a row out of range.
    CWayEntry* EntryAt(int row) const;
    int PlaceOf(int row) const;
    // The selection becomes this one row, with the mark and the focus on it.
    void SelectOnly(int row);

    // More new waypoints than this at once fill the list anew.
    static constexpr std::size_t kFewRows = 64;
    // At most this many rows, unless View > Show All Waypoints is on.
    static constexpr int kMaxRows = 2000;
    // View > Show All Waypoints, for every window, remembered.
    static bool ShowAll();
    static void SetShowAll(bool on);
    static constexpr const char* kShowAllKey = "View/ShowAllWaypoints";
    // "2,000 of 5,412 waypoints shown" while the list holds fewer rows than
    // the document has waypoints; empty otherwise.
    QString ShownText() const;
    // "5,412": counts the way the texts above write them.
    static QString Grouped(std::size_t count);

    // The filter: the list holds only the waypoints that match it (a filter
    // never changes the document); an empty one shows them all.
    void SetFilter(CWaypointFilter filter);
    const CWaypointFilter& Filter() const { return m_filter; }
    bool Filtered() const { return !m_filter.Empty(); }
    // Every waypoint that matches it, listed or not (beyond the first 2,000).
    std::vector<std::size_t> AllMatching() const;
    // Which places the list shows now: whether place matches.
    bool Matches(std::size_t place) const;
    // View > Filter: the filter bar above the list.
    void ToggleFilterBar();
    QWidget* FilterBar() const { return m_pFilterBar; }
    // Filters kept by name in the settings, offered in the bar's drop-down.
    void SaveFilterAs(const QString& name);
    void UseSavedFilter(const QString& name);
    static constexpr const char* kFiltersGroup = "Filters";

    // Edit > Find: the bar above the list.
    void OpenFind();
    void CloseFind();
    // F3 and Shift+F3: the last text again, whether the bar is open or not.
    void FindAgain(bool forward);
    QWidget* FindBar() const { return m_pFindBar; }
    QLineEdit* FindEdit() const { return m_pFindEdit; }
    QLabel* FindStatus() const { return m_pFindStatus; }
    QPushButton* FindShowAllButton() const { return m_pFindShowAll; }
    QLabel* ShownStrip() const { return m_pShownStrip; }

signals:
    void EditRequested(int row);
    void FlagClicked(int row, int column);
    void DeleteKeyPressed();
    // The find bar's offer to show a hit beyond the rows.
    void ShowAllWanted();
    // The filter changed: what the list shows is another set.
    void FilterChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Layout();
    void UpdateShownStrip();
    void ApplyUnitTitles();
    // The rows the list holds when it shows the document: at most kMaxRows.
    int RowsForDocument() const;
    bool FindKey(QKeyEvent* key);
    void CreateFilterBar();
    // The filter the bar's fields say.
    CWaypointFilter FilterOfBar() const;
    // The bar's fields by name, as a saved filter keeps them.
    QVariantMap FilterFields() const;
    void LoadFilterFields(const QVariantMap& fields);
    void FillSavedFilters();
    void FindStep(bool forward, bool fromCurrent);

    CCairnbookDoc& m_doc;
    std::unique_ptr<CDocumentRows> m_pRows;
    CXListCtrl* m_pList = nullptr;
    int m_nRows = 0;
    bool m_bMetric = false;
    bool m_bTitlesMetric = false; // the unit the titles name
    QLabel* m_pShownStrip = nullptr;
    QWidget* m_pFindBar = nullptr;
    QLineEdit* m_pFindEdit = nullptr;
    QLabel* m_pFindStatus = nullptr;
    QPushButton* m_pFindShowAll = nullptr;
    CWaypointFilter m_filter;
    std::vector<char> m_matching; // per place, while filtered
    std::size_t m_nMatching = 0;
    QWidget* m_pFilterBar = nullptr;
    static inline std::optional<bool> s_showAll; // read from the settings when first asked
};
