// SPDX-License-Identifier: GPL-3.0-or-later
#include "undocommands.h"

#include "cairnbookdoc.h"

#include <QCoreApplication>

#include <algorithm>

CDocCommand::CDocCommand(CCairnbookDoc& doc, const QString& text, bool done)
    : m_doc(doc), m_bDone(done) {
    setText(text);
}

void CDocCommand::redo() {
    if (std::exchange(m_bDone, false))
        return; // pushed right after the change itself
    // Every window hears of the step once.
    CCairnbookDoc::CChangeBatch batch(m_doc);
    Forward();
}

void CDocCommand::undo() {
    CCairnbookDoc::CChangeBatch batch(m_doc);
    Back();
}

CAddCommand::CAddCommand(CCairnbookDoc& doc, const QString& text, std::size_t firstAdded,
                         std::vector<CReplaced> replaced)
    : CDocCommand(doc, text, true), m_nFirst(firstAdded),
      m_nCount(doc.Entries().size() - firstAdded), m_replaced(std::move(replaced)) {}

CAddCommand::CAddCommand(CCairnbookDoc& doc, const QString& text, std::unique_ptr<CWayEntry> entry)
    : CDocCommand(doc, text, false), m_nFirst(doc.Entries().size()), m_nCount(1) {
    m_taken.push_back(std::move(entry));
}

void CAddCommand::Forward() {
    for (auto& entry : m_taken)
        m_doc.InsertEntry(m_doc.Entries().size(), std::move(entry));
    m_taken.clear();
    for (const CReplaced& r : m_replaced)
        m_doc.AssignEntry(r.m_nIndex, r.m_after);
    if (m_fileAfter)
        m_doc.SetGpxFile(*m_fileAfter);
}

void CAddCommand::Back() {
    for (std::size_t i = 0; i < m_nCount; ++i)
        m_taken.push_back(m_doc.TakeEntry(m_nFirst));
    for (auto it = m_replaced.rbegin(); it != m_replaced.rend(); ++it)
        m_doc.AssignEntry(it->m_nIndex, it->m_before);
    if (m_fileBefore)
        m_doc.SetGpxFile(*m_fileBefore);
}

CEditCommand::CEditCommand(CCairnbookDoc& doc, const QString& text, std::size_t index,
                           CWayEntry before, CWayEntry after)
    : CDocCommand(doc, text, false), m_nIndex(index), m_before(std::move(before)),
      m_after(std::move(after)) {}

void CEditCommand::Forward() {
    m_doc.AssignEntry(m_nIndex, m_after);
}

void CEditCommand::Back() {
    m_doc.AssignEntry(m_nIndex, m_before);
}

CDeleteCommand::CDeleteCommand(CCairnbookDoc& doc, const QString& text,
                               std::vector<std::size_t> places)
    : CDocCommand(doc, text, false) {
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    for (std::size_t place : places)
        m_removed.emplace_back(place, nullptr);
}

void CDeleteCommand::Forward() {
    const CWayEntry* reference = m_doc.Reference();
    // Highest place first, so the places still to go keep their numbers.
    for (auto it = m_removed.rbegin(); it != m_removed.rend(); ++it) {
        it->second = m_doc.TakeEntry(it->first);
        if (it->second.get() == reference)
            m_pReference = reference;
    }
}

void CDeleteCommand::Back() {
    for (auto& [index, entry] : m_removed) {
        CWayEntry* raw = entry.get();
        m_doc.InsertEntry(index, std::move(entry));
        if (raw == m_pReference)
            m_doc.SetReference(raw);
    }
}

QString StepName(const QString& verb, std::size_t count) {
    // "Delete 3 Waypoints"; a language may order or join them otherwise.
    return QCoreApplication::translate("CDocCommand", "%1 %2").arg(verb, Waypoints(count));
}

QString Waypoints(std::size_t count) {
    return count == 1 ? QCoreApplication::translate("CDocCommand", "1 Waypoint")
                      : QCoreApplication::translate("CDocCommand", "%1 Waypoints").arg(count);
}

CAddRecorder::CAddRecorder(CCairnbookDoc& doc)
    : m_doc(doc), m_nFirst(doc.Entries().size()),
      m_fileBefore(std::make_shared<const CGpxFileKept>(doc.GpxFile())) {
    m_doc.m_fnBeforeReplace = [this](const CWayEntry& existing) {
        const auto index = static_cast<std::size_t>(m_doc.IndexOf(&existing));
        // An entry this step appended goes back out whole on undo, with the
        // values it ended with; an entry overwritten twice is restored to
        // what it was before the first time.
        if (index >= m_nFirst || !m_seen.insert(index).second)
            return;
        m_replaced.push_back({index, existing, {}});
    };
}

CAddRecorder::~CAddRecorder() {
    m_doc.m_fnBeforeReplace = nullptr;
}

std::unique_ptr<CDocCommand> CAddRecorder::Finish(const QString& verb) {
    m_doc.m_fnBeforeReplace = nullptr;
    for (CAddCommand::CReplaced& r : m_replaced)
        r.m_after = *m_doc.Entries()[r.m_nIndex];
    // Overwritten and then overwritten back: nothing to take back there.
    std::erase_if(m_replaced, [](const CAddCommand::CReplaced& r) {
        return SameFields(r.m_before, r.m_after);
    });
    const std::size_t changed = m_doc.Entries().size() - m_nFirst + m_replaced.size();
    // Its metadata, routes and tracks; a version or prefix noted changes
    // nothing a user sees or a file holds.
    const CGpxFileKept& file = m_doc.GpxFile();
    const bool fileChanged =
        file.m_strHead != m_fileBefore->m_strHead || file.m_strTail != m_fileBefore->m_strTail;
    if (changed == 0 && !fileChanged)
        return nullptr;
    auto step = std::make_unique<CAddCommand>(m_doc, changed ? StepName(verb, changed) : verb,
                                              m_nFirst, std::move(m_replaced));
    if (fileChanged)
        step->SetGpxFiles(m_fileBefore, std::make_shared<const CGpxFileKept>(m_doc.GpxFile()));
    return step;
}

bool SameFields(const CWayEntry& a, const CWayEntry& b) {
    return a.m_strName == b.m_strName && a.m_strComment == b.m_strComment &&
           a.m_dLatitude == b.m_dLatitude && a.m_dLongitude == b.m_dLongitude &&
           a.m_dAltitude == b.m_dAltitude && a.m_nIcon == b.m_nIcon &&
           a.m_bGeocache == b.m_bGeocache && a.m_bVisible == b.m_bVisible &&
           a.m_strAdditionalInfo == b.m_strAdditionalInfo && a.m_strKept == b.m_strKept;
}
