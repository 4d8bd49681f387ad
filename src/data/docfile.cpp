// SPDX-License-Identifier: GPL-3.0-or-later
// The document's file operations: open, save, merge and export.
#include "archive.h"
#include "cairnbookdoc.h"
#include "cp1252.h"
#include "filecommands.h"
#include "fileformat.h"
#include "gpxkeep.h"
#include "gpxwriter.h"
#include "numtext.h"
#include "prompt.h"
#include "res/strings.h"
#include "res/translate.h"
#include "rowtext.h"
#include "xmlhead.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <filesystem>

namespace {

// Two empty strings, the number, icon, visible flag and three doubles.
constexpr std::uint64_t kMinRecordSize = 1 + 1 + 4 + 1 + 1 + 3 * 8;

} // namespace

namespace {

// One kind of loss: how many waypoints, and the first few by name.
struct CLossKind {
    explicit CLossKind(const char* what) : m_what(what) {}
    const char* m_what;
    std::size_t m_nCount = 0;
    std::string m_strFirst;
    void Add(std::string_view name) {
        if (++m_nCount <= 5)
            m_strFirst.append(m_nCount > 1 ? ", " : "").append(name);
    }
};

bool HasGpxRecord(const std::vector<gpxkeep::CRecord>& records,
                  std::initializer_list<std::string_view> locals) {
    for (const auto& r : records)
        for (std::string_view local : locals)
            if (r.kind == gpxkeep::kGpxChild && r.local == local)
                return true;
    return false;
}

// A cache listing is an element named "cache" in any namespace (Groundspeak's
// versions, and others' copies of it).
bool IsListing(const gpxkeep::CRecord& r) {
    return r.kind == gpxkeep::kForeign && RootElement(r.xml) == "cache";
}

} // namespace

std::string LostInSave(bool wpt, const std::vector<std::unique_ptr<CWayEntry>>& entries,
                       const CGpxFileKept& file) {
    std::string report;
    CLossKind text{"characters Windows-1252 cannot hold"}, listing{"cache listings"},
        times{"times"}, links{"links"}, symbols{"symbols that become the icon's name"},
        other{"other GPX data"};
    for (const auto& e : entries) {
        if (!e->m_bSave)
            continue;
        if (wpt) {
            std::string lost;
            auto add = [&lost](const std::string& what) {
                lost += (lost.empty() ? "" : ", ") + what;
            };
            if (e->m_bGeocache)
                add("geocache flag");
            if (!e->m_strAdditionalInfo.empty())
                add("Additional Info");
            if (e->m_nIcon >= kWptIcons)
                add("icon " + IconName(e->m_nIcon) + " (becomes " +
                    IconName(e->m_nIcon % kWptIcons) + ")");
            if (!lost.empty())
                report.append(e->m_strName).append(": ").append(lost).append("\n");
        }
        if (!cp1252::CanHold(e->m_strName) || !cp1252::CanHold(e->m_strComment) ||
            (!wpt && !cp1252::CanHold(e->m_strAdditionalInfo)))
            text.Add(e->m_strName);
        if (e->m_strKept.empty())
            continue;
        const auto records = gpxkeep::Records(e->m_strKept);
        if (std::any_of(records.begin(), records.end(), IsListing))
            listing.Add(e->m_strName);
        if (HasGpxRecord(records, {"time"}))
            times.Add(e->m_strName);
        if (HasGpxRecord(records, {"link", "url"}))
            links.Add(e->m_strName);
        if (HasGpxRecord(records, {"sym"}) && !gpxkeep::Changes(e->m_strKept, *e).icon)
            symbols.Add(e->m_strName);
        bool more = false;
        for (const auto& r : records) {
            const bool told = r.local == "time" || r.local == "link" || r.local == "url" ||
                              r.local == "urlname" || r.local == "sym" || r.local == "name" ||
                              r.local == "desc" || r.local == "ele"; // desc is in Additional Info
            more |= r.kind == gpxkeep::kAttributes || (r.kind == gpxkeep::kGpxChild && !told) ||
                    (r.kind == gpxkeep::kForeign && !IsListing(r));
        }
        if (more)
            other.Add(e->m_strName);
    }
    for (const CLossKind* k : {&text, &listing, &times, &links, &symbols, &other})
        if (k->m_nCount)
            report += StrFormat("%s: %zu waypoint%s (", k->m_what, k->m_nCount,
                                k->m_nCount == 1 ? "" : "s") +
                      k->m_strFirst + (k->m_nCount > 5 ? ", ...)\n" : ")\n");
    if (file.m_nTailPoints)
        report += StrFormat("routes and tracks: %zu points\n", file.m_nTailPoints);
    else if (!file.m_strTail.empty())
        report += "routes, tracks or extensions of the GPX file\n";
    if (!file.m_strHead.empty())
        report += "the GPX file's metadata\n";
    return report;
}

std::string CCairnbookDoc::FailureReport(bool saving, const CArchiveException& e) {
    return std::string(saving ? res::kFailedToSave : res::kFailedToOpen) + "\n\n" + e.what();
}

bool CCairnbookDoc::Serialize(CArchive& ar) {
    if (ar.IsLoading()) {
        // A read is told as one change, whatever it adds.
        CChangeBatch batch(*this);
        Tell({EDocChange::reset, {}});
        FormatForReading(ar.Peek(kFormatHeadBytes), ar.GetFileName()).Read(*this, ar, false);
        return true;
    }
    const CFileFormat* format = FormatForWriting(ar.GetFileName());
    if (!format)
        throw CArchiveException(
            CArchiveException::badFormat, ar.GetFileName(), 0,
            TRANSLATE_NOOP("res", "this format is read only; save under another name"));
    const std::string lost = format->Losses(*this);
    if (format->AlwaysWarns() || !lost.empty()) {
        const EPromptAnswer answer =
            m_prompt.AskWithDetails(res::kSaveWarningCaption, res::kSaveWarningText, lost,
                                    EPromptButtons::okCancel, EPromptIcon::question);
        if (answer != EPromptAnswer::ok)
            return false;
    }
    format->Write(*this, ar);
    return true;
}

void CCairnbookDoc::ReadMerge(CArchive& ar) {
    if (ar.IsStoring())
        return;
    CChangeBatch batch(*this);
    Tell({EDocChange::reset, {}});
    FormatForReading(ar.Peek(kFormatHeadBytes), ar.GetFileName()).Read(*this, ar, true);
}

void CCairnbookDoc::ReadRecords(CArchive& ar, bool knowsLegacyHeader) {
    const std::string& name = ar.GetFileName();
    const CFileFormat* named = FormatOfName(name);
    auto notOurs = [&name, named](const std::string& why) {
        throw CArchiveException(CArchiveException::badFormat, name, 0,
                                std::string(named && named->Extension() == "wpt"
                                                ? "not a WPT file"
                                                : "not a Cairnbook file") +
                                    why);
    };
    std::string header;
    try {
        header = ar.ReadString();
    } catch (const CArchiveException& e) {
        if (e.m_cause != CArchiveException::endOfFile)
            throw;
        notOurs(": it is too short to hold a header"); // no header fits: nothing we wrote
    }
    // A text file under a native name: its first byte is no length prefix.
    if (header.starts_with("?xml") || header.starts_with("gpx") || header.starts_with("loc "))
        notOurs(": it holds XML text (a GPX or LOC file under another name?)");
    ERecordLayout layout = ERecordLayout::native;
    if (header == res::kWptHeader)
        layout = ERecordLayout::wpt;
    else if (header == res::kNativeHeader || header == res::kNativeHeaderV1 ||
             (knowsLegacyHeader && header == res::kLegacyHeader))
        layout = ERecordLayout::native;
    else if (header == res::kLegacyHeader)
        layout = ERecordLayout::shortRecord;
    else
        notOurs("");
    ar.ReadUInt32();
    const std::uint32_t count = ar.ReadUInt32();
    // Counts are written as signed 32-bit numbers: a larger one is damage. A
    // smaller wrong one only bounds the loop, so the records there are kept.
    if (count > std::uint32_t(INT32_MAX))
        throw CArchiveException(
            CArchiveException::badFormat, name, ar.GetPosition() - 4,
            StrFormat("it says it holds %u waypoints, which no file can", count));
    // Records are read one by one, so a damaged count ends in the end-of-file
    // failure; room is made only for as many records as the data can hold.
    Reserve(std::min<std::uint64_t>(count, ar.GetRemaining() / kMinRecordSize));
    // In small batches whose name slots are fetched ahead: a million names
    // land in random places of a large table, a cache miss each.
    constexpr std::size_t kBatch = 16;
    std::array<std::unique_ptr<CWayEntry>, kBatch> batch;
    auto addBatch = [&](std::size_t n) {
        for (std::size_t k = 0; k < n; ++k)
            AddEntry(std::move(batch[k]));
    };
    for (std::uint32_t i = 0; i < count;) {
        std::size_t n = 0;
        try {
            for (; n < kBatch && i < count; ++n, ++i) {
                batch[n] = std::make_unique<CWayEntry>();
                batch[n]->Serialize(ar, layout);
                PrefetchName(batch[n]->m_strName);
            }
        } catch (...) {
            addBatch(n); // what was read before the failure stays
            throw;
        }
        addBatch(n);
    }
}

namespace {

// Tells the progress that a read or write ended, whichever way.
struct CProgressEnd {
    CProgress* m_pProgress;
    ~CProgressEnd() {
        if (m_pProgress)
            m_pProgress->Finished();
    }
};

} // namespace

void CCairnbookDoc::LoadFile(const std::string& path) {
    const CProgressEnd end{m_pProgress};
    CFileSource source(path);
    source.SetProgress(m_pProgress);
    // What a save killed at the wrong moment left beside the folder's files,
    // whatever this read finds.
    if (path != "-")
        RemoveLeftoverTemporaries(std::filesystem::path(path).parent_path().string());
    CArchive ar(source, source.Name());
    Serialize(ar);
}

ESaveResult CCairnbookDoc::SaveFile(const std::string& path) {
    const CProgressEnd end{m_pProgress};
    CSafeFileSink sink(path);
    // The file it replaces, or the one it was read from, tells about how long it gets.
    std::error_code ec;
    std::uint64_t expected = std::filesystem::file_size(path, ec);
    if (ec)
        expected = std::filesystem::file_size(m_strPathName, ec);
    sink.SetProgress(m_pProgress, ec ? 0 : expected);
    CArchive ar(sink, path);
    if (!Serialize(ar))
        return ESaveResult::cancelled;
    ar.Flush();
    sink.Commit();
    return ESaveResult::saved;
}

void CCairnbookDoc::MergeFile(const std::string& path) {
    const CProgressEnd end{m_pProgress};
    CFileSource source(path);
    source.SetProgress(m_pProgress);
    m_bModified = true;
    // Told after a failure too, so the entries read before it are shown.
    CChangeBatch batch(*this);
    Tell({EDocChange::reset, {}});
    struct Finish {
        CCairnbookDoc& doc;
        ~Finish() { doc.NumberEntries(); }
    } finish{*this};
    if (source.Size() > 0) {
        CArchive ar(source, source.Name());
        ReadMerge(ar);
    }
}

ECommandResult CCairnbookDoc::OnFileMerge() {
    return CFileCommands(m_prompt, m_pChooser, m_pProgress).Merge(*this);
}

void CCairnbookDoc::OnExportData() {
    CFileCommands(m_prompt, m_pChooser, m_pProgress).Export(*this);
}
