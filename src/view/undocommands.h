// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of a document's undo history. Each holds only what its change
// touches and takes the document back or forward exactly, through the
// document's own operations: the same entries, in the same order, with the
// same fields. A step is made by its first redo, except a paste's or a
// merge's, which is recorded after the change it watched.
#pragma once

#include "gpxkeep.h"
#include "wayentry.h"

#include <QUndoCommand>

#include <memory>
#include <unordered_set>
#include <utility>
#include <vector>

class CCairnbookDoc;

class CDocCommand : public QUndoCommand {
public:
    // done: the change was made before the step was recorded.
    CDocCommand(CCairnbookDoc& doc, const QString& text, bool done);
    void redo() final;
    void undo() final;

protected:
    virtual void Forward() = 0;
    virtual void Back() = 0;
    CCairnbookDoc& m_doc;

private:
    bool m_bDone;
};

// Entries that were appended, and entries the merge question overwrote: Add,
// Paste and Merge.
class CAddCommand : public CDocCommand {
public:
    struct CReplaced {
        std::size_t m_nIndex;
        CWayEntry m_before, m_after;
    };
    // Recorded after a paste or merge appended from firstAdded on.
    CAddCommand(CCairnbookDoc& doc, const QString& text, std::size_t firstAdded,
                std::vector<CReplaced> replaced);
    // Appends entry when first done.
    CAddCommand(CCairnbookDoc& doc, const QString& text, std::unique_ptr<CWayEntry> entry);
    // A merge of a GPX file also changed what the document keeps of GPX files.
    void SetGpxFiles(std::shared_ptr<const CGpxFileKept> before,
                     std::shared_ptr<const CGpxFileKept> after) {
        m_fileBefore = std::move(before);
        m_fileAfter = std::move(after);
    }

private:
    void Forward() override;
    void Back() override;
    std::size_t m_nFirst;
    std::size_t m_nCount;
    std::vector<std::unique_ptr<CWayEntry>> m_taken; // while not done
    std::vector<CReplaced> m_replaced;
    std::shared_ptr<const CGpxFileKept> m_fileBefore, m_fileAfter;
};

// One entry's fields changed: Edit and the flag boxes.
class CEditCommand : public CDocCommand {
public:
    CEditCommand(CCairnbookDoc& doc, const QString& text, std::size_t index, CWayEntry before,
                 CWayEntry after);

private:
    void Forward() override;
    void Back() override;
    std::size_t m_nIndex;
    CWayEntry m_before, m_after;
};

// Entries taken out of the list: Delete and Cut. Kept here while done.
class CDeleteCommand : public CDocCommand {
public:
    // places: where the entries stand, in any order.
    CDeleteCommand(CCairnbookDoc& doc, const QString& text, std::vector<std::size_t> places);

private:
    void Forward() override;
    void Back() override;
    // (place before the removal, entry while removed), in list order.
    std::vector<std::pair<std::size_t, std::unique_ptr<CWayEntry>>> m_removed;
    const CWayEntry* m_pReference = nullptr; // one of the removed was the reference point
};

// Watches a paste or a merge: what it appended and what the merge question
// let it overwrite, made into one step.
class CAddRecorder {
public:
    explicit CAddRecorder(CCairnbookDoc& doc);
    ~CAddRecorder();
    CAddRecorder(const CAddRecorder&) = delete;
    CAddRecorder& operator=(const CAddRecorder&) = delete;
    // "Paste 12 Waypoints"; nothing when nothing changed.
    std::unique_ptr<CDocCommand> Finish(const QString& verb);

private:
    CCairnbookDoc& m_doc;
    std::size_t m_nFirst;
    std::vector<CAddCommand::CReplaced> m_replaced;
    std::unordered_set<std::size_t> m_seen; // places already in m_replaced
    std::shared_ptr<const CGpxFileKept> m_fileBefore;
};

// True when every field a user sees and a file keeps is equal.
bool SameFields(const CWayEntry& a, const CWayEntry& b);

// "3 Waypoints", "1 Waypoint": the counts in step names.
QString Waypoints(std::size_t count);
// What a step that did verb to count waypoints is called.
QString StepName(const QString& verb, std::size_t count);
