// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that change waypoints from the list: add, edit, flags, delete,
// reference point, save selected, and the clipboard.
#include "cacheties.h"
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "clipboardtext.h"
#include "editwaypointdlg.h"
#include "listface.h"
#include "mapface.h"
#include "prompt.h"
#include "res/resource.h"
#include "res/strings.h"
#include "textcodec.h"
#include "translate.h"
#include "undocommands.h"
#include "xlistctrl.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QUndoStack>

#include <algorithm>
#include <numeric>
#include <unordered_set>

using namespace res;

void CCairnbookView::Record(std::unique_ptr<CDocCommand> step) {
    if (!step)
        return;
    if (m_pUndoStack)
        m_pUndoStack->push(step.release()); // the push makes the change, unless made already
    else
        step->redo();
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
    case ID_EDIT_FIND: m_pListFace->OpenFind(); return true;
    case ID_EDIT_FIND_NEXT: m_pListFace->FindAgain(true); return true;
    case ID_EDIT_FIND_PREVIOUS: m_pListFace->FindAgain(false); return true;
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

namespace {

// The fields the dialog ended with, on top of what base holds.
CWayEntry FromDialog(const CEditWaypointDlg& dlg, CWayEntry base) {
    base.m_strName = FromQString(dlg.m_strName);
    base.m_strComment = FromQString(dlg.m_strComment);
    base.m_dLatitude = dlg.m_dLatitude;
    base.m_dLongitude = dlg.m_dLongitude;
    base.m_dAltitude = dlg.m_dAltitude;
    base.m_bVisible = static_cast<std::uint8_t>(dlg.m_bVisible);
    base.m_bGeocache = static_cast<std::uint8_t>(dlg.m_bGeocache);
    base.m_nIcon = static_cast<std::uint8_t>(dlg.m_nIcon);
    base.m_strAdditionalInfo = FromQString(dlg.m_strAdditionalInfo);
    return base;
}

} // namespace

CWayEntry* CCairnbookView::AddFromDialog(const CEditWaypointDlg& dlg) {
    // The dialog checked the name: no merge question can come.
    auto entry = std::make_unique<CWayEntry>(FromDialog(dlg, CWayEntry()));
    CWayEntry* raw = entry.get();
    Record(std::make_unique<CAddCommand>(m_doc, tr("Add %1").arg(ToQString(raw->m_strName)),
                                         std::move(entry)));
    m_doc.SetModifiedFlag();
    return raw;
}

void CCairnbookView::AddWaypointAt(double lat, double lon) {
    CEditWaypointDlg dlg(window());
    dlg.m_dLatitude = lat;
    dlg.m_dLongitude = lon;
    dlg.m_bMetric = m_bMetric;
    dlg.m_pDoc = &m_doc;
    if (dlg.exec() == QDialog::Accepted)
        AddFromDialog(dlg);
}

void CCairnbookView::OnEditRow(int row) {
    const CWayEntry* entry = m_pListFace->EntryAt(row);
    if (!entry)
        return;
    CEditWaypointDlg dlg(this);
    dlg.m_pDoc = &m_doc;
    dlg.m_bMetric = m_bMetric;
    dlg.m_pEntry = entry;
    if (dlg.exec() == QDialog::Accepted)
        RecordEdit(row, FromDialog(dlg, *entry));
}

void CCairnbookView::RecordEdit(int row, const CWayEntry& after) {
    const CWayEntry* entry = m_pListFace->EntryAt(row);
    if (!entry || SameFields(*entry, after))
        return; // OK without a change changes nothing
    // The row knows the entry's place in the document.
    Record(std::make_unique<CEditCommand>(m_doc, tr("Edit %1").arg(ToQString(after.m_strName)),
                                          static_cast<std::size_t>(m_pListFace->PlaceOf(row)),
                                          *entry, after));
    m_doc.SetModifiedFlag();
}

void CCairnbookView::OnListClick(int row, int column) {
    const CWayEntry* entry = m_pListFace->EntryAt(row);
    if (!entry || (column != 7 && column != 8))
        return;
    CWayEntry after = *entry;
    std::uint8_t& flag = column == 7 ? after.m_bGeocache : after.m_bVisible;
    flag = flag == 0 ? 1 : 0;
    RecordEdit(row, after);
}

void CCairnbookView::OnDeleteKey() {
    CXListCtrl& list = m_pListFace->List();
    const int r = list.GetSelectionMark();
    if (r < 0 || r >= m_pListFace->Rows())
        return;
    if (!m_pListFace->EntryAt(r)) {
        m_doc.Prompt().Ask(kAppTitle, FromQString(ResText(kNoWaypointToRemove)), EPromptButtons::ok,
                           EPromptIcon::warning);
        return;
    }
    // The key does what Edit > Delete Waypoint does: every selected row goes
    // (the mark's row when it stands on one that is not selected).
    if (list.SelectedRows().empty())
        list.SetItemSelected(r, true);
    OnDeleteWaypoint();
}

void CCairnbookView::DeleteRows(const std::vector<int>& rows, const QString& verb) {
    // Each row knows its entry's place in the document: no search of a
    // million entries per row.
    std::vector<std::size_t> places;
    for (int row : rows)
        if (m_pListFace->EntryAt(row))
            places.push_back(static_cast<std::size_t>(m_pListFace->PlaceOf(row)));
    if (places.empty())
        return;
    AddChildrenIfWanted(places);
    const QString text = StepName(verb, places.size());
    Record(std::make_unique<CDeleteCommand>(m_doc, text, std::move(places)));
    m_doc.SetModifiedFlag();
}

void CCairnbookView::AddChildrenIfWanted(std::vector<std::size_t>& places) {
    // The waypoints of a deleted cache (its parking, its stages) may go with it.
    const auto& entries = m_doc.Entries();
    const CCacheTies ties(entries);
    const std::unordered_set<std::size_t> going(places.begin(), places.end());
    std::vector<std::size_t> children;
    std::string list;
    for (std::size_t place : places) {
        std::string names;
        for (std::size_t child : ties.ChildrenOf(place))
            if (!going.contains(child)) {
                children.push_back(child);
                names += (names.empty() ? "" : ", ") + entries[child]->m_strName;
            }
        if (!names.empty())
            list += "\n" + entries[place]->m_strName + ": " + names;
    }
    if (children.empty())
        return;
    const std::string text =
        FromQString(tr("Delete the waypoints that belong to the deleted caches too?")) + "\n" +
        list;
    if (m_doc.Prompt().Ask(kAppTitle, text, EPromptButtons::yesNo, EPromptIcon::question) ==
        EPromptAnswer::yes)
        places.insert(places.end(), children.begin(), children.end());
}

void CCairnbookView::OnDeleteWaypoint() {
    CXListCtrl& list = m_pListFace->List();
    int anchor = list.GetSelectionMark();
    const std::vector<int> selected = list.SelectedRows();
    if (selected.empty())
        return;
    list.SetRedraw(false);
    DeleteRows(selected, m_strDeleteVerb);
    anchor = std::min(anchor, m_pListFace->Rows() - 1);
    if (anchor >= 0)
        m_pListFace->SelectOnly(anchor);
    list.SetRedraw(true);
}

void CCairnbookView::OnReferencePoint() {
    const int r = m_pListFace->List().GetSelectionMark();
    if (CWayEntry* entry = m_pListFace->EntryAt(r))
        m_doc.SetReference(entry);
}

std::vector<std::size_t> CCairnbookView::PlacesToSend() const {
    std::vector<std::size_t> places;
    for (int row : m_pListFace->List().SelectedRows())
        if (const int place = m_pListFace->PlaceOf(row); place >= 0)
            places.push_back(static_cast<std::size_t>(place));
    if (!places.empty())
        return places;
    if (m_pListFace->Filtered())
        return m_pListFace->AllMatching();
    places.resize(m_doc.Entries().size());
    std::iota(places.begin(), places.end(), std::size_t(0));
    return places;
}

void CCairnbookView::OnSaveSelected() {
    const std::vector<int> selected = m_pListFace->List().SelectedRows();
    if (selected.empty())
        return;
    for (const auto& entry : m_doc.Entries())
        entry->m_bSave = 0;
    for (int row : selected)
        if (CWayEntry* entry = m_pListFace->EntryAt(row))
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
    for (int row : m_pListFace->List().SelectedRows())
        if (const CWayEntry* entry = m_pListFace->EntryAt(row))
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
    m_strDeleteVerb = tr("Cut");
    OnDeleteWaypoint();
    m_strDeleteVerb = tr("Delete");
}

void CCairnbookView::OnEditPaste() {
    const std::string text = NormalizeLineEnds(FromQString(QApplication::clipboard()->text()));
    if (text.empty())
        return;
    CAddRecorder recorder(m_doc);
    {
        CCairnbookDoc::CChangeBatch batch(m_doc); // the windows follow once
        ParseClipboardText(m_doc, text);
    }
    if (auto step = recorder.Finish(tr("Paste"))) {
        m_doc.SetModifiedFlag();
        Record(std::move(step));
    }
}

void CCairnbookView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier)
        OnDeleteKey();
    QWidget::keyPressEvent(event);
}
