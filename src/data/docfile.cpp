// The document's file operations: open, save, merge and export.
#include "archive.h"
#include "cairnbookdoc.h"
#include "gpxwriter.h"
#include "numtext.h"
#include "prompt.h"
#include "res/strings.h"
#include "rowtext.h"

#include <cctype>
#include <cstdint>
#include <filesystem>

namespace {

// Two empty strings, the number, icon, visible flag and three doubles.
constexpr std::uint64_t kMinRecordSize = 1 + 1 + 4 + 1 + 1 + 3 * 8;

} // namespace

std::string LostInWpt(const std::vector<std::unique_ptr<CWayEntry>>& entries) {
    std::string report;
    for (const auto& e : entries) {
        if (!e->m_bSave)
            continue;
        std::string lost;
        auto add = [&lost](const std::string& what) { lost += (lost.empty() ? "" : ", ") + what; };
        if (e->m_bGeocache)
            add("geocache flag");
        if (!e->m_strAdditionalInfo.empty())
            add("Additional Info");
        if (e->m_nIcon >= kWptIcons)
            add("icon " + IconName(e->m_nIcon) + " (becomes " + IconName(e->m_nIcon % kWptIcons) +
                ")");
        if (!lost.empty())
            report += e->m_strName + ": " + lost + "\n";
    }
    return report;
}

bool IsLocName(const std::string& name) {
    return EndsWithNoCase(name, "loc");
}

bool IsGpxName(const std::string& name) {
    return EndsWithNoCase(name, "gpx");
}

bool EndsWithNoCase(const std::string& name, std::string_view ext) {
    if (name.size() < ext.size())
        return false;
    const std::size_t start = name.size() - ext.size();
    for (std::size_t i = 0; i < ext.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[start + i])) !=
            std::tolower(static_cast<unsigned char>(ext[i])))
            return false;
    return true;
}

std::string ExportExtension(const std::string& filter, int filterIndex) {
    // Descriptions stand at the even places of "desc|pattern|desc|pattern||".
    std::size_t start = 0;
    for (int field = 0; field < 2 * (filterIndex - 1); ++field) {
        start = filter.find('|', start);
        if (start == std::string::npos)
            return std::string();
        ++start;
    }
    const std::size_t end = filter.find('|', start);
    const std::string description = filter.substr(start, end - start);
    if (description.size() < 5)
        return std::string();
    return description.substr(description.size() - 5, 4);
}

std::string CCairnbookDoc::FailureReport(bool saving, const CArchiveException& e) {
    return std::string(saving ? res::kFailedToSave : res::kFailedToOpen) + "\n\n" + e.what();
}

bool CCairnbookDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring() && IsGpxName(ar.GetFileName())) {
        NumberEntries();
        WriteGpx(ar, m_WayList);
        return true;
    }
    if (ar.IsStoring()) {
        std::string header = res::kNativeHeader;
        g_nFileFormat = kFormatNative;
        if (EndsWithNoCase(ar.GetFileName(), "wpt")) {
            const EPromptAnswer answer = m_prompt.AskWithDetails(
                res::kSaveWarningCaption, res::kSaveWarningText, LostInWpt(m_WayList),
                EPromptButtons::okCancel, EPromptIcon::question);
            if (answer != EPromptAnswer::ok)
                return false;
            header = res::kWptHeader;
            g_nFileFormat = kFormatWpt;
        }
        const int count = NumberEntries();
        ar.WriteString(header);
        ar.WriteUInt32(1);
        ar.WriteUInt32(static_cast<std::uint32_t>(count));
        for (const auto& entry : m_WayList)
            if (entry->m_bSave)
                entry->Serialize(ar);
        if (g_nFileFormat == kFormatWpt)
            ar.WriteUInt32(0);
        return true;
    }
    g_nFileFormat = kFormatShort;
    if (IsLocName(ar.GetFileName())) {
        g_nFileFormat = kFormatLoc;
        ImportLoc(ar);
        return true;
    }
    if (IsGpxName(ar.GetFileName())) {
        ImportGpx(ar);
        return true;
    }
    ReadRecords(ar, true);
    return true;
}

void CCairnbookDoc::ReadMerge(CArchive& ar) {
    if (ar.IsStoring()) {
        m_bListChanged = true;
        return;
    }
    g_nFileFormat = kFormatShort;
    if (IsLocName(ar.GetFileName())) {
        g_nFileFormat = kFormatLoc;
        ImportLoc(ar);
        return;
    }
    if (IsGpxName(ar.GetFileName())) {
        ImportGpx(ar);
        return;
    }
    ReadRecords(ar, false);
}

void CCairnbookDoc::ReadRecords(CArchive& ar, bool knowsLegacyHeader) {
    const std::string& name = ar.GetFileName();
    auto notOurs = [&name](const std::string& why) {
        throw CArchiveException(
            CArchiveException::badFormat, name, 0,
            std::string(EndsWithNoCase(name, "wpt") ? "not a WPT file" : "not a Cairnbook file") +
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
    if (header == res::kWptHeader)
        g_nFileFormat = kFormatWpt;
    else if (header == res::kNativeHeader || header == res::kNativeHeaderV1 ||
             (knowsLegacyHeader && header == res::kLegacyHeader))
        g_nFileFormat = kFormatNative;
    else if (header == res::kLegacyHeader)
        g_nFileFormat = kFormatShort;
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
    for (std::uint32_t i = 0; i < count; ++i) {
        auto entry = std::make_unique<CWayEntry>();
        entry->Serialize(ar);
        AddEntry(std::move(entry));
    }
    m_bListChanged = true;
}

void CCairnbookDoc::LoadFile(const std::string& path) {
    CFileSource source(path);
    // What a save killed at the wrong moment left beside the folder's files,
    // whatever this read finds.
    if (path != "-")
        RemoveLeftoverTemporaries(std::filesystem::path(path).parent_path().string());
    CArchive ar(source, source.Name());
    Serialize(ar);
}

ESaveResult CCairnbookDoc::SaveFile(const std::string& path) {
    CSafeFileSink sink(path);
    CArchive ar(sink, path);
    if (!Serialize(ar))
        return ESaveResult::cancelled;
    ar.Flush();
    sink.Commit();
    return ESaveResult::saved;
}

void CCairnbookDoc::MergeFile(const std::string& path) {
    CFileSource source(path);
    m_bModified = true;
    struct Finish {
        CCairnbookDoc& doc;
        // Runs after a failure too, so the entries read before it are shown.
        ~Finish() {
            doc.m_bListChanged = true;
            doc.NumberEntries();
            if (doc.m_fnInvalidateViews)
                doc.m_fnInvalidateViews();
        }
    } finish{*this};
    if (source.Size() > 0) {
        CArchive ar(source, source.Name());
        ReadMerge(ar);
    }
}

void CCairnbookDoc::OnFileMerge() {
    if (!m_pChooser)
        return;
    const auto chosen = m_pChooser->ChooseOpen(res::kMergeCaption, res::kMergeFilter);
    if (!chosen)
        return;
    m_bListChanged = true;
    try {
        MergeFile(chosen->m_strPath);
    } catch (const CArchiveException& e) {
        m_prompt.Ask(res::kAppTitle, FailureReport(false, e), EPromptButtons::ok,
                     EPromptIcon::warning);
    }
}

void CCairnbookDoc::OnExportData() {
    if (!m_pChooser)
        return;
    const auto chosen = m_pChooser->ChooseSave(res::kExportCaption, res::kExportFilter);
    if (!chosen)
        return;
    const std::string ext = ExportExtension(res::kExportFilter, chosen->m_nFilterIndex);
    std::string path = chosen->m_strPath;
    if (path.size() < ext.size() || path.compare(path.size() - ext.size(), ext.size(), ext) != 0)
        path += ext;
    try {
        SaveFile(path);
    } catch (const CArchiveException& e) {
        m_prompt.Ask(res::kAppTitle, FailureReport(true, e), EPromptButtons::ok,
                     EPromptIcon::warning);
    }
}
