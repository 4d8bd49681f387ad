// The document's import of GPX files: the whole file is read before any
// waypoint joins the document, so a damaged file changes nothing.
#include "archive.h"
#include "cairnbookdoc.h"
#include "gpxreader.h"
#include "numtext.h"

namespace {

constexpr std::size_t kChunk = 1 << 16;

std::string Counted(std::size_t n, const char* one, const char* many) {
    return StrFormat("%zu %s", n, n == 1 ? one : many);
}

} // namespace

void CCairnbookDoc::ImportGpx(CArchive& ar) {
    std::vector<std::unique_ptr<CWayEntry>> read;
    CGpxReader reader([&read](std::unique_ptr<CWayEntry> e) { read.push_back(std::move(e)); });
    std::string chunk(kChunk, '\0');
    for (bool last = false; !last;) {
        const std::size_t got = ar.ReadRaw(chunk.data(), kChunk);
        last = got < kChunk;
        if (!reader.Feed(chunk.data(), got, last))
            throw CArchiveException(CArchiveException::badFormat, ar.GetFileName(),
                                    reader.ErrorOffset(), reader.Error());
    }
    Reserve(read.size());
    for (auto& entry : read)
        AddEntry(std::move(entry));
    m_bListChanged = true;
    const CGpxReport& r = reader.Report();
    if (r.m_nSkippedPoints)
        m_notices.push_back(
            Counted(r.m_nSkippedPoints, "route or track point was", "route and track points were") +
            " skipped: only waypoints are read");
    if (r.m_nNoPosition)
        m_notices.push_back(Counted(r.m_nNoPosition, "waypoint without a position was",
                                    "waypoints without a position were") +
                            " skipped");
    NoteReplaced(r.m_nReplaced);
}

void CCairnbookDoc::NoteReplaced(std::size_t count) {
    if (count)
        m_notices.push_back(Counted(count, "character", "characters") +
                            " that Windows-1252 cannot hold became \"?\"");
}
