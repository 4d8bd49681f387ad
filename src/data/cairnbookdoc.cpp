// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookdoc.h"

#include "coordinate.h"
#include "geodesy.h"
#include "numtext.h"
#include "prompt.h"
#include "res/strings.h"
#include "rowtext.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr std::size_t kShownField = 200;

// A field of the question: long ones are cut, or a file of many waypoints
// of one long name would ask questions that grow with the square of its size.
std::string Shown(std::string_view field) {
    if (field.size() <= kShownField)
        return std::string(field);
    return std::string(field.substr(0, kShownField)) +
           StrFormat("... (%zu more characters)", field.size() - kShownField);
}

std::string Summary(const CWayEntry& e) {
    const std::string lat = FormatCoordinate(e.m_dLatitude, kLatitude);
    const std::string lon = FormatCoordinate(e.m_dLongitude, kLongitude);
    // In feet as the list shows them, so the two never disagree.
    const std::string alt = StrFormat("%d ft", DisplayAltitude(e.m_dAltitude, false));
    return Shown(e.m_strName) + " (" + Shown(e.m_strComment) + ") " + lat + " " + lon + " " + alt +
           " " + Shown(e.m_strAdditionalInfo);
}

} // namespace

CCairnbookDoc::CCairnbookDoc(CPrompt& prompt) : m_prompt(prompt) {}

CCairnbookDoc::~CCairnbookDoc() {
    m_pReference = nullptr;
    m_byName.Clear();
    m_WayList.clear();
}

bool CCairnbookDoc::OnNewDocument() {
    m_pReference = nullptr;
    Tell({EDocChange::reset, {}});
    return true;
}

CDocSubscription CCairnbookDoc::Subscribe(ChangeListener listener) {
    const int token = ++m_pListeners->m_nNextToken;
    m_pListeners->m_list.emplace_back(token, std::move(listener));
    return CDocSubscription(m_pListeners, token);
}

CDocSubscription& CDocSubscription::operator=(CDocSubscription&& other) noexcept {
    if (this != &other) {
        End();
        m_listeners = std::move(other.m_listeners);
        m_nToken = std::exchange(other.m_nToken, 0);
    }
    return *this;
}

void CDocSubscription::End() {
    if (const auto listeners = m_listeners.lock())
        std::erase_if(listeners->m_list, [this](const auto& l) { return l.first == m_nToken; });
    m_listeners.reset();
}

CCairnbookDoc::CChangeBatch::CChangeBatch(CCairnbookDoc& doc) : m_doc(doc) {
    ++m_doc.m_nBatches;
}

CCairnbookDoc::CChangeBatch::~CChangeBatch() {
    if (--m_doc.m_nBatches > 0 || !m_doc.m_pending)
        return;
    CDocChange change = std::move(*m_doc.m_pending);
    m_doc.m_pending.reset();
    change.Finish();
    m_doc.Tell(std::move(change));
}

void CCairnbookDoc::Tell(CDocChange change) {
    if (m_nBatches > 0) {
        if (m_pending)
            m_pending->Fold(change);
        else
            m_pending = std::move(change);
        return;
    }
    // A listener may subscribe or leave while it is told.
    const auto listeners = m_pListeners->m_list;
    for (const auto& [token, listener] : listeners)
        listener(change);
}

void CCairnbookDoc::SetReference(CWayEntry* entry) {
    m_pReference = entry;
    Tell({EDocChange::reference, {}});
}

void CCairnbookDoc::UnindexName(CWayEntry* entry) {
    if (!m_byName.Erase(entry)) {
        if (m_nShadowed > 0)
            --m_nShadowed; // it was one whose name another entry held
        return;
    }
    // Another entry of the same name may stand later in the list; when no
    // name is held twice, there is none to look for in a million entries.
    if (m_nShadowed == 0)
        return;
    for (const auto& other : m_WayList)
        if (other.get() != entry && other->m_strName == entry->m_strName) {
            m_byName.Insert(other.get());
            --m_nShadowed;
            break;
        }
}

CWayEntry* CCairnbookDoc::FindByName(std::string_view name) const {
    return m_byName.Find(name);
}

bool CCairnbookDoc::AddEntry(std::unique_ptr<CWayEntry> entry) {
    return AddOrReconcile(std::move(entry)) == EAddResult::added;
}

EAddResult CCairnbookDoc::AddOrReconcile(std::unique_ptr<CWayEntry> entry) {
    CWayEntry* raw = entry.get();
    m_WayList.push_back(std::move(entry));
    CWayEntry* existing = m_byName.FindOrInsert(raw);
    if (!existing) {
        if (!m_pListeners->m_list.empty())
            Tell({EDocChange::inserted, {m_WayList.size() - 1}});
        return EAddResult::added;
    }
    entry = std::move(m_WayList.back());
    m_WayList.pop_back();
    if (existing->SameWaypoint(*entry))
        return EAddResult::identical;
    if (AskReplace(*existing, *entry) == 1) {
        if (m_fnBeforeReplace)
            m_fnBeforeReplace(*existing);
        *existing = *entry; // same name, so the index stays right
        if (!m_pListeners->m_list.empty())
            Tell({EDocChange::changed, {static_cast<std::size_t>(IndexOf(existing))}});
        return EAddResult::replaced;
    }
    return EAddResult::kept;
}

int CCairnbookDoc::AskReplace(const CWayEntry& existing, const CWayEntry& incoming) {
    std::string diff;
    if (existing.m_strComment != incoming.m_strComment)
        diff += "Comment ";
    if (existing.m_dLatitude != incoming.m_dLatitude)
        diff += "Latitude ";
    if (existing.m_dLongitude != incoming.m_dLongitude)
        diff += "Longitude ";
    if (existing.m_dAltitude != incoming.m_dAltitude)
        diff += "Altitude ";
    if (existing.m_strAdditionalInfo != incoming.m_strAdditionalInfo)
        diff += "AdditionalInfo ";
    const std::string text = "Replace\n    " + Summary(existing) + "\nwith\n    " +
                             Summary(incoming) + "\n?\n\nDifference is " + diff;
    const EPromptAnswer answer =
        m_prompt.Ask(res::kMergeCaption, text, EPromptButtons::yesNo, EPromptIcon::question);
    return answer == EPromptAnswer::yes ? 1 : 0;
}

void CCairnbookDoc::Reserve(std::size_t n) {
    m_WayList.reserve(m_WayList.size() + n);
    m_byName.Reserve(m_byName.Size() + n);
}

int CCairnbookDoc::IndexOf(const CWayEntry* entry) const {
    for (std::size_t i = 0; i < m_WayList.size(); ++i)
        if (m_WayList[i].get() == entry)
            return static_cast<int>(i);
    return -1;
}

void CCairnbookDoc::RemoveEntry(CWayEntry* entry) {
    const int index = IndexOf(entry);
    if (entry == m_pReference)
        m_pReference = nullptr;
    if (index >= 0)
        TakeEntry(static_cast<std::size_t>(index));
}

std::unique_ptr<CWayEntry> CCairnbookDoc::TakeEntry(std::size_t index) {
    std::unique_ptr<CWayEntry> entry = std::move(m_WayList.at(index));
    if (entry.get() == m_pReference)
        m_pReference = nullptr;
    m_WayList.erase(m_WayList.begin() + static_cast<std::ptrdiff_t>(index));
    UnindexName(entry.get());
    Tell({EDocChange::removed, {index}});
    return entry;
}

void CCairnbookDoc::InsertEntry(std::size_t index, std::unique_ptr<CWayEntry> entry) {
    CWayEntry* raw = entry.get();
    m_WayList.insert(m_WayList.begin() + static_cast<std::ptrdiff_t>(index), std::move(entry));
    // First in list order keeps the name.
    CWayEntry* holder = m_byName.FindOrInsert(raw);
    if (holder)
        ++m_nShadowed;
    if (holder && static_cast<int>(index) < IndexOf(holder)) {
        m_byName.Erase(holder);
        m_byName.Insert(raw);
    }
    Tell({EDocChange::inserted, {index}});
}

void CCairnbookDoc::AssignEntry(std::size_t index, const CWayEntry& value) {
    CWayEntry& entry = *m_WayList.at(index);
    if (entry.m_strName != value.m_strName)
        Rename(&entry, value.m_strName.str());
    entry = value;
    Tell({EDocChange::changed, {index}});
}

void CCairnbookDoc::RenameEntry(CWayEntry* entry, const std::string& name) {
    Rename(entry, name);
    if (const int index = IndexOf(entry); index >= 0)
        Tell({EDocChange::changed, {static_cast<std::size_t>(index)}});
}

void CCairnbookDoc::Rename(CWayEntry* entry, const std::string& name) {
    if (IndexOf(entry) < 0) {
        entry->m_strName = name;
        return;
    }
    UnindexName(entry);
    entry->m_strName = name;
    // Keep "first in list order" when a duplicate name already stands elsewhere.
    CWayEntry* holder = m_byName.Find(name);
    if (holder)
        ++m_nShadowed;
    if (holder && IndexOf(entry) < IndexOf(holder)) {
        m_byName.Erase(holder);
        m_byName.Insert(entry);
    } else if (!holder) {
        m_byName.Insert(entry);
    }
}

int CCairnbookDoc::NumberEntries() {
    std::uint32_t count = 0;
    for (const auto& entry : m_WayList)
        if (entry->m_bSave)
            entry->m_nNumber = ++count;
    return static_cast<int>(count);
}

double CCairnbookDoc::Distance(const CWayEntry& reference, const CWayEntry& entry, bool metric,
                               int& direction) {
    const CGeodesicLeg leg = GeodesicLeg(reference.m_dLatitude, reference.m_dLongitude,
                                         entry.m_dLatitude, entry.m_dLongitude);
    direction = CompassSector(leg.m_dBearing);
    if (!(leg.m_dMetres > 0))
        direction = 0; // no way to go: a coincident or unusable pair reads North
    return leg.m_dMetres / (metric ? 1000.0 : kMetresPerMile);
}

void CCairnbookDoc::GetExtents(double& maxLat, double& minLat, double& maxLon,
                               double& minLon) const {
    maxLat = minLat = maxLon = minLon = 0.0;
    bool first = true;
    for (const auto& e : m_WayList) {
        if (first) {
            maxLat = minLat = e->m_dLatitude;
            maxLon = minLon = e->m_dLongitude;
            first = false;
            continue;
        }
        maxLat = std::max(maxLat, e->m_dLatitude);
        minLat = std::min(minLat, e->m_dLatitude);
        maxLon = std::max(maxLon, e->m_dLongitude);
        minLon = std::min(minLon, e->m_dLongitude);
    }
    if (maxLat - minLat < 0.25) {
        maxLat += 0.125;
        minLat -= 0.125;
    }
    if (maxLon - minLon < 0.25) {
        maxLon += 0.125;
        minLon -= 0.125;
    }
}
