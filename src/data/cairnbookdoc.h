// SPDX-License-Identifier: GPL-3.0-or-later
// A document: the ordered waypoints of one file, its reference point, and the
// file reading, writing, merging and export that fill and copy it.
#pragma once

#include "docchange.h"
#include "gpxkeep.h"
#include "nameindex.h"
#include "wayentry.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CArchive;
class CArchiveException;

// The document's subscribers, shared with the subscriptions.
struct CDocListeners {
    std::vector<std::pair<int, std::function<void(const CDocChange&)>>> m_list;
    int m_nNextToken = 0;
};

// One subscription to a document's changes, ended when destroyed or
// replaced; harmless when the document went first.
class CDocSubscription {
public:
    CDocSubscription() = default;
    CDocSubscription(std::weak_ptr<CDocListeners> listeners, int token)
        : m_listeners(std::move(listeners)), m_nToken(token) {}
    CDocSubscription(CDocSubscription&& other) noexcept { *this = std::move(other); }
    CDocSubscription& operator=(CDocSubscription&& other) noexcept;
    CDocSubscription(const CDocSubscription&) = delete;
    CDocSubscription& operator=(const CDocSubscription&) = delete;
    ~CDocSubscription() { End(); }

private:
    void End();
    std::weak_ptr<CDocListeners> m_listeners;
    int m_nToken = 0;
};
class CPrompt;
class CFileChooser;
class CProgress;

enum class EAddResult { added, identical, replaced, kept };
enum class ECommandResult;
enum class ESaveResult { saved, cancelled };

class CCairnbookDoc {
public:
    explicit CCairnbookDoc(CPrompt& prompt);
    ~CCairnbookDoc();
    CCairnbookDoc(const CCairnbookDoc&) = delete;
    CCairnbookDoc& operator=(const CCairnbookDoc&) = delete;

    bool OnNewDocument();

    // Storing: false when the user declined the "Save Warning" (nothing written).
    bool Serialize(CArchive& ar);
    void ReadMerge(CArchive& ar);
    void ImportLoc(CArchive& ar);
    // Reads a whole GPX file; on a failure nothing has been added.
    void ImportGpx(CArchive& ar);
    // Reads every GPX file of a zip archive, refusing hostile archives before
    // any is read.
    void ImportZip(CArchive& ar);
    // What the last read left out or changed, for the user: the program's
    // status bar, the command line's standard error. Taking them clears them.
    std::vector<std::string> TakeNotices() { return std::exchange(m_notices, {}); }

    // Reads path as Open does. Throws CArchiveException.
    void LoadFile(const std::string& path);
    // Writes the marked entries; path's name decides the layout. The target is
    // replaced only when the whole file was written. Throws CArchiveException.
    ESaveResult SaveFile(const std::string& path);
    // Merges path into this document as Open Merge does. Throws
    // CArchiveException; entries read before a failure stay.
    void MergeFile(const std::string& path);

    ECommandResult OnFileMerge();
    void OnExportData();

    // True when the entry was appended and the document owns it; otherwise it
    // has been dropped (identical or answered) and destroyed.
    bool AddEntry(std::unique_ptr<CWayEntry> entry);
    EAddResult AddOrReconcile(std::unique_ptr<CWayEntry> entry);
    int AskReplace(const CWayEntry& existing, const CWayEntry& incoming); // 1 yes, 0 no
    CWayEntry* FindByName(std::string_view name) const;
    void RemoveEntry(CWayEntry* entry);
    // Takes the entry at index out of the list without destroying it, and puts
    // one back where it stood: what an undo history keeps and restores.
    std::unique_ptr<CWayEntry> TakeEntry(std::size_t index);
    void InsertEntry(std::size_t index, std::unique_ptr<CWayEntry> entry);
    // Gives the entry at index the fields of value, its name through the index.
    void AssignEntry(std::size_t index, const CWayEntry& value);
    // The point distances and directions are measured from; null for none.
    void SetReference(CWayEntry* entry);
    const CWayEntry* Reference() const { return m_pReference; }

    // Every operation above tells each subscriber what it changed, once, after
    // the change, for as long as the returned subscription lives (which may
    // outlive the document: a window that goes after it).
    using ChangeListener = std::function<void(const CDocChange&)>;
    [[nodiscard]] CDocSubscription Subscribe(ChangeListener listener);
    // While one lives, the document's changes are told as one when it ends:
    // a read, a merge, a paste, an undo step.
    class CChangeBatch {
    public:
        explicit CChangeBatch(CCairnbookDoc& doc);
        ~CChangeBatch();
        CChangeBatch(const CChangeBatch&) = delete;
        CChangeBatch& operator=(const CChangeBatch&) = delete;

    private:
        CCairnbookDoc& m_doc;
    };
    // Told of each existing entry just before the merge question's Yes
    // overwrites it, so that the overwrite can be taken back.
    std::function<void(const CWayEntry& existing)> m_fnBeforeReplace;
    // Renames through the document so that FindByName stays right.
    void RenameEntry(CWayEntry* entry, const std::string& name);
    int NumberEntries();
    static double Distance(const CWayEntry& reference, const CWayEntry& entry, bool metric,
                           int& direction);
    void GetExtents(double& maxLat, double& minLat, double& maxLon, double& minLon) const;

    const std::vector<std::unique_ptr<CWayEntry>>& Entries() const { return m_WayList; }
    int IndexOf(const CWayEntry* entry) const;
    // Makes room for n more entries.
    void Reserve(std::size_t n);
    // A read about to add an entry of this name: its look-up's memory is fetched.
    void PrefetchName(std::string_view name) const { m_byName.Prefetch(name); }

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path) { m_strPathName = path; }
    CPrompt& Prompt() { return m_prompt; }
    void SetFileChooser(CFileChooser* chooser) { m_pChooser = chooser; }
    // Told how far LoadFile, MergeFile and SaveFile got, and asked whether to go on.
    void SetProgress(CProgress* progress) { m_pProgress = progress; }
    CProgress* Progress() const { return m_pProgress; }
    // The text of a failed open or save, as the user sees it.
    static std::string FailureReport(bool saving, const CArchiveException& e);

    // What GPX files read into the document held around their waypoints.
    const CGpxFileKept& GpxFile() const { return m_gpxFile; }
    // What an undo puts back.
    void SetGpxFile(CGpxFileKept file) { m_gpxFile = std::move(file); }

    std::vector<std::unique_ptr<CWayEntry>> m_WayList;

    // The native and WPT records; the legacy header is known when opening.
    void ReadRecords(CArchive& ar, bool knowsLegacyHeader);

private:
    // Names the read waypoints at the places unnamed; how many.
    std::size_t NameUnnamed(std::vector<std::unique_ptr<CWayEntry>>& read,
                            const std::vector<std::size_t>& unnamed) const;
    void UnindexName(CWayEntry* entry);
    void Rename(CWayEntry* entry, const std::string& name);
    void KeepFile(CGpxFileKept& file);

    void Tell(CDocChange change);

    CPrompt& m_prompt;
    CFileChooser* m_pChooser = nullptr;
    CProgress* m_pProgress = nullptr;
    CWayEntry* m_pReference = nullptr;
    std::shared_ptr<CDocListeners> m_pListeners = std::make_shared<CDocListeners>();
    int m_nBatches = 0;
    std::optional<CDocChange> m_pending; // what the open batches changed so far
    bool m_bModified = false;
    std::string m_strPathName;
    // First entry of each name in list order.
    CNameIndex m_byName;
    std::size_t m_nShadowed = 0; // entries whose name another entry holds in the index
    std::vector<std::string> m_notices;
    CGpxFileKept m_gpxFile;
};

// What saving the waypoints marked for saving in the native layout (or the
// WPT one) loses, for the Save Warning's details: for WPT one line per
// waypoint, "NAME: geocache flag, Additional Info, icon ..."; then each kind
// of loss with its count and first waypoints ("times: 3 waypoints (A, B,
// C)"), and the GPX file's routes, tracks and metadata. Empty when nothing.
std::string LostInSave(bool wpt, const std::vector<std::unique_ptr<CWayEntry>>& entries,
                       const CGpxFileKept& file);
inline constexpr int kWptIcons = 42; // icons 0..41
