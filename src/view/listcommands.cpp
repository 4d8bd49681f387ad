// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that change waypoints from the list: add, edit, flags, delete,
// reference point, save selected, and the clipboard.
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "clipboardtext.h"
#include "editwaypointdlg.h"
#include "prompt.h"
#include "res/resource.h"
#include "res/strings.h"
#include "textcodec.h"
#include "undocommands.h"
#include "xlistctrl.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QUndoStack>

#include <algorithm>

using namespace res;

namespace {

CWayEntry* EntryOf(const CXListCtrl& list, int row) {
    return reinterpret_cast<CWayEntry*>(list.GetItemData(row));
}

} // namespace

void CCairnbookView::Record(std::unique_ptr<CDocCommand> step) {
    if (step && m_pUndoStack)
        m_pUndoStack->push(step.release()); // done already: the push only records it
}

bool CCairnbookView::OnListCommand(int id) {
    switch (id) {
    case ID_ADD_WAYPOINT: OnAddWaypoint(); return true;
    case ID_DELETE_WAYPOINT: OnDeleteWaypoint(); return true;
    case ID_REFERENCE_POINT: OnReferencePoint(); return true;
    case ID_SAVE_SELECTED: OnSaveSelected(); return true;
    case ID_EDIT_COPY: OnEditCopy(); return true;
    case ID_EDIT_CUT: OnEditCut(); return true;
    case ID_EDIT_PASTE: OnEditPaste(); return true;
    case ID_EDIT_FIND: OnFind(); return true;
    case ID_EDIT_FIND_NEXT: OnFindAgain(true); return true;
    case ID_EDIT_FIND_PREVIOUS: OnFindAgain(false); return true;
    default: return false;
    }
}

void CCairnbookView::OnAddWaypoint() {
    CEditWaypointDlg dlg(this);
    dlg.m_pDoc = &m_doc;
    dlg.m_bMetric = m_bMetric;
    if (dlg.exec() != QDialog::Accepted)
        return;
    AddFromDialog(dlg);
}

CWayEntry* CCairnbookView::AddFromDialog(const CEditWaypointDlg& dlg) {
    auto entry = std::make_unique<CWayEntry>(
        FromQString(dlg.m_strName), FromQString(dlg.m_strComment), dlg.m_dLatitude,
        dlg.m_dLongitude, dlg.m_dAltitude, static_cast<std::uint8_t>(dlg.m_bGeocache),
        static_cast<std::uint8_t>(dlg.m_bVisible));
    entry->m_nIcon = static_cast<std::uint8_t>(dlg.m_nIcon);
    entry->m_strAdditionalInfo = FromQString(dlg.m_strAdditionalInfo);
    CWayEntry* raw = entry.get();
    const std::size_t first = m_doc.Entries().size();
    if (!m_doc.AddEntry(std::move(entry)))
        return nullptr; // the dialog checked the name: only a race could get here
    m_doc.SetModifiedFlag();
    Record(std::make_unique<CAddCommand>(m_doc, "Add " + ToQString(raw->m_strName), first,
                                         std::vector<CAddCommand::CReplaced>()));
    if (m_bControlsCreated) {
        m_pList->AppendItems(static_cast<int>(first), 1);
        ++m_nRows;
    }
    ListChanged();
    return raw;
}

void CCairnbookView::OnEditRow(int row) {
    if (row < 0 || !m_bControlsCreated)
        return;
    CWayEntry* entry = EntryOf(*m_pList, row);
    if (!entry)
        return;
    CEditWaypointDlg dlg(this);
    dlg.m_pDoc = &m_doc;
    dlg.m_bMetric = m_bMetric;
    dlg.m_pEntry = entry;
    if (dlg.exec() != QDialog::Accepted)
        return;
    const CWayEntry before = *entry;
    m_doc.RenameEntry(entry, FromQString(dlg.m_strName));
    entry->m_strComment = FromQString(dlg.m_strComment);
    entry->m_dLatitude = dlg.m_dLatitude;
    entry->m_dLongitude = dlg.m_dLongitude;
    entry->m_dAltitude = dlg.m_dAltitude;
    entry->m_bVisible = static_cast<std::uint8_t>(dlg.m_bVisible);
    entry->m_bGeocache = static_cast<std::uint8_t>(dlg.m_bGeocache);
    entry->m_nIcon = static_cast<std::uint8_t>(dlg.m_nIcon);
    entry->m_strAdditionalInfo = FromQString(dlg.m_strAdditionalInfo);
    m_pList->RedrawRows();
    RecordEdit(*entry, before, row);
}

void CCairnbookView::RecordEdit(const CWayEntry& entry, const CWayEntry& before, int row) {
    if (SameFields(entry, before))
        return; // OK without a change changes nothing
    m_doc.SetModifiedFlag();
    // The row knows the entry's place in the document.
    Record(std::make_unique<CEditCommand>(m_doc, "Edit " + ToQString(entry.m_strName),
                                          static_cast<std::size_t>(m_pList->ItemOf(row)), before,
                                          entry));
    ListChanged();
}

void CCairnbookView::OnListClick(int row, int column) {
    if (row < 0 || (column != 7 && column != 8))
        return;
    CWayEntry* entry = EntryOf(*m_pList, row);
    if (!entry)
        return;
    const CWayEntry before = *entry;
    std::uint8_t& flag = column == 7 ? entry->m_bGeocache : entry->m_bVisible;
    flag = flag == 0 ? 1 : 0;
    RecordEdit(*entry, before, row);
}

void CCairnbookView::OnDeleteKey() {
    const int r = m_pList->GetSelectionMark();
    if (r < 0 || r >= m_nRows)
        return;
    CWayEntry* entry = EntryOf(*m_pList, r);
    if (!entry) {
        m_doc.Prompt().Ask(kAppTitle, kNoWaypointToRemove, EPromptButtons::ok,
                           EPromptIcon::warning);
        return;
    }
    // The key does what Edit > Delete Waypoint does: every selected row goes
    // (the mark's row when it stands on one that is not selected).
    if (m_pList->SelectedRows().empty())
        m_pList->SetItemSelected(r, true);
    OnDeleteWaypoint();
}

void CCairnbookView::RemoveEntries(const std::vector<int>& rows, const QString& verb) {
    std::vector<std::pair<std::size_t, std::unique_ptr<CWayEntry>>> removed;
    const CWayEntry* reference = m_doc.m_pReference;
    // Each row knows its entry's place in the document: no search of a
    // million entries per row.
    std::vector<std::size_t> places;
    for (int row : rows)
        if (EntryOf(*m_pList, row))
            places.push_back(static_cast<std::size_t>(m_pList->ItemOf(row)));
    std::sort(places.begin(), places.end());
    // Highest place first, so the places still to go keep their numbers.
    for (auto it = places.rbegin(); it != places.rend(); ++it)
        removed.emplace_back(*it, m_doc.TakeEntry(*it));
    // The rows go with their entries; those after them are numbered anew.
    m_pList->DeleteItems(rows);
    m_nRows = m_pList->GetItemCount();
    if (removed.empty())
        return;
    std::reverse(removed.begin(), removed.end());
    m_doc.SetModifiedFlag();
    const QString text = verb + " " + Waypoints(removed.size());
    Record(std::make_unique<CDeleteCommand>(m_doc, text, std::move(removed), reference));
}

void CCairnbookView::OnDeleteWaypoint() {
    if (!m_bControlsCreated)
        return;
    int anchor = m_pList->GetSelectionMark();
    std::vector<int> selected = m_pList->SelectedRows();
    if (selected.empty())
        return;
    m_pList->SetRedraw(false);
    for (int row : selected)
        if (EntryOf(*m_pList, row) == m_pHoverEntry)
            m_pHoverEntry = nullptr;
    RemoveEntries(selected, m_strDeleteVerb);
    ListChanged();
    if (anchor >= m_nRows)
        anchor = m_nRows - 1;
    if (anchor >= 0) {
        m_pList->SetItemSelected(anchor, true);
        m_pList->SetFocusRow(anchor);
        m_pList->SetSelectionMark(anchor);
        m_pList->EnsureVisible(anchor);
    }
    m_pList->SetRedraw(true);
}

void CCairnbookView::OnReferencePoint() {
    if (!m_bControlsCreated)
        return;
    m_pList->SetRedraw(false);
    const int r = m_pList->GetSelectionMark();
    if (r >= 0 && r < m_nRows) {
        m_doc.m_pReference = EntryOf(*m_pList, r);
        m_doc.ComputeDistances();
        RefreshRows();
        m_pList->Resort();
    }
    m_pList->SetRedraw(true);
}

void CCairnbookView::OnSaveSelected() {
    if (!m_bControlsCreated)
        return;
    const std::vector<int> selected = m_pList->SelectedRows();
    if (selected.empty())
        return;
    for (const auto& entry : m_doc.Entries())
        entry->m_bSave = 0;
    for (int row : selected)
        if (CWayEntry* entry = EntryOf(*m_pList, row))
            entry->m_bSave = 1;
    // Every mark comes back however the export ends, an exception included.
    struct Restore {
        CCairnbookDoc& doc;
        ~Restore() {
            for (const auto& entry : doc.Entries())
                entry->m_bSave = 1;
        }
    } restore{m_doc};
    m_doc.OnExportData();
}

std::string CCairnbookView::SelectedAsText() const {
    std::string text;
    if (!m_bControlsCreated)
        return text;
    for (int row : m_pList->SelectedRows())
        if (const CWayEntry* entry = EntryOf(*m_pList, row))
            text += FormatClipboardLine(*entry);
    return text;
}

void CCairnbookView::OnEditCopy() {
    const std::string text = SelectedAsText();
    if (!text.empty())
        QApplication::clipboard()->setText(ToQString(text));
}

void CCairnbookView::OnEditCut() {
    OnEditCopy();
    m_strDeleteVerb = "Cut";
    OnDeleteWaypoint();
    m_strDeleteVerb = "Delete";
}

void CCairnbookView::OnEditPaste() {
    const std::string text = NormalizeLineEnds(FromQString(QApplication::clipboard()->text()));
    if (text.empty())
        return;
    CAddRecorder recorder(m_doc);
    const CPasteResult result = ParseClipboardText(m_doc, text);
    // Overwritten waypoints count too: their rows must show the new values.
    if (result.m_nAdded > 0 || result.m_nReplaced > 0) {
        if (auto step = recorder.Finish("Paste")) {
            m_doc.SetModifiedFlag();
            Record(std::move(step));
        }
        FillList();
        update();
        ListChanged();
    }
}

void CCairnbookView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier &&
        m_bControlsCreated)
        OnDeleteKey();
    QWidget::keyPressEvent(event);
}

bool CCairnbookView::eventFilter(QObject* watched, QEvent* event) {
    if (m_pFindEdit && watched == static_cast<QObject*>(m_pFindEdit) &&
        event->type() == QEvent::KeyPress && FindKey(static_cast<QKeyEvent*>(event)))
        return true;
    // The Delete key acts the same when the list has the focus.
    if (m_pList && watched == m_pList && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            OnDeleteKey();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
