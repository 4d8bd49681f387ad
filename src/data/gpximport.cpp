// SPDX-License-Identifier: GPL-3.0-or-later
// The document's import of GPX files: the whole file is read before any
// waypoint joins the document, so a damaged file changes nothing.
#include "archive.h"
#include "cairnbookdoc.h"
#include "gpxreader.h"
#include "numtext.h"

#include <unordered_set>

namespace {

constexpr std::size_t kChunk = 1 << 16;

std::string Counted(std::size_t n, const char* one, const char* many) {
    return StrFormat("%zu %s", n, n == 1 ? one : many);
}

} // namespace

void CCairnbookDoc::ImportGpx(CArchive& ar) {
    std::vector<std::unique_ptr<CWayEntry>> read;
    CGpxFileKept known;
    known.m_namespaces = m_gpxFile.m_namespaces;
    CGpxReader reader([&read](std::unique_ptr<CWayEntry> e) { read.push_back(std::move(e)); },
                      std::move(known));
    for (bool last = false; !last;) {
        const std::size_t got = ar.ReadRaw(reader.Buffer(kChunk), kChunk);
        last = got < kChunk;
        if (!reader.FeedBuffer(got, last))
            throw CArchiveException(CArchiveException::badFormat, ar.GetFileName(),
                                    reader.ErrorOffset(), reader.Error());
    }
    Reserve(read.size());
    const std::size_t unnamed = NameUnnamed(read, reader.Report().m_unnamed);
    for (auto& entry : read)
        AddEntry(std::move(entry));
    KeepFile(reader.File());
    const CGpxReport& r = reader.Report();
    if (r.m_nSkippedPoints)
        m_notices.push_back(
            Counted(r.m_nSkippedPoints, "route or track point is", "route and track points are") +
            " kept for saving as GPX; only waypoints are shown");
    if (r.m_nNoPosition)
        m_notices.push_back(Counted(r.m_nNoPosition, "waypoint without a position was",
                                    "waypoints without a position were") +
                            " skipped");
    if (r.m_nCut)
        m_notices.push_back(
            Counted(r.m_nCut, "text longer than 1 MiB was", "texts longer than 1 MiB were") +
            " cut there");
    if (r.m_nUnknownSymbols)
        m_notices.push_back(Counted(r.m_nUnknownSymbols,
                                    "symbol the icon table does not know shows",
                                    "symbols the icon table does not know show") +
                            " the neutral icon (the file's symbol is kept)");
    if (unnamed)
        m_notices.push_back(
            Counted(unnamed, "waypoint without a name was", "waypoints without a name were") +
            " given one (WPT0001 and on)");
}

void CCairnbookDoc::KeepFile(CGpxFileKept& file) {
    // The first GPX file read gives the version, metadata and schema
    // locations; every one adds its routes, tracks and namespaces.
    if (m_gpxFile.m_nVersion == 0)
        m_gpxFile.m_nVersion = file.m_nVersion;
    if (m_gpxFile.m_strHead.empty())
        m_gpxFile.m_strHead = std::move(file.m_strHead);
    if (m_gpxFile.m_strSchemaLocation.empty())
        m_gpxFile.m_strSchemaLocation = std::move(file.m_strSchemaLocation);
    m_gpxFile.m_strTail += file.m_strTail;
    m_gpxFile.m_nTailPoints += file.m_nTailPoints;
    m_gpxFile.m_namespaces = std::move(file.m_namespaces);
}

std::size_t CCairnbookDoc::NameUnnamed(std::vector<std::unique_ptr<CWayEntry>>& read,
                                       const std::vector<std::size_t>& unnamed) const {
    // Each gets a name no waypoint of the file or the document has: none
    // collapses into another, and no merge question is asked about them.
    std::unordered_set<std::string> taken;
    for (const auto& e : read)
        taken.insert(e->m_strName.str());
    std::size_t next = 0;
    for (std::size_t i : unnamed) {
        std::string name;
        do
            name = StrFormat("WPT%04zu", ++next);
        while (taken.count(name) || FindByName(name));
        taken.insert(name);
        read.at(i)->m_strName = name;
        if (!read.at(i)->m_strKept.empty())
            gpxkeep::SetReadName(read.at(i)->m_strKept.Edit(), name);
    }
    return unnamed.size();
}
