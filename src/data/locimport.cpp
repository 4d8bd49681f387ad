// The document's import of LOC files, read in 10000-byte chunks.
#include "archive.h"
#include "cairnbookdoc.h"
#include "locscan.h"

namespace {

constexpr std::size_t kChunk = 10000;
// An element still open after this many bytes is not a waypoint anyone wrote by
// hand or by tool; it is dropped instead of growing the buffer without bound.
constexpr std::size_t kMaxElement = 1 << 20;
constexpr std::string_view kStart = "<waypoint>";
constexpr std::string_view kEnd = "</waypoint>";
constexpr std::uint8_t kLocIcon = 32;

} // namespace

void CCairnbookDoc::ImportLoc(CArchive& ar) {
    std::string text;
    std::string chunk(kChunk, '\0');
    for (;;) {
        const std::size_t got = ar.ReadRaw(chunk.data(), kChunk);
        text.append(chunk.data(), got);
        const std::string_view view(text);
        std::size_t p = view.find(kStart);
        std::size_t e = p == std::string_view::npos ? p : view.find(kEnd, p + 8);
        while (p != std::string_view::npos && e != std::string_view::npos) {
            const auto wp = ScanLocElement(view.substr(p, e - p));
            p = view.find(kStart, e + 8);
            e = p == std::string_view::npos ? p : view.find(kEnd, p + 8);
            if (!wp)
                continue;
            auto entry = std::make_unique<CWayEntry>(std::string(wp->m_name), std::string(),
                                                     wp->m_dLatitude, wp->m_dLongitude, 0.0, 1, 1);
            // As the value constructor would, without copying the text twice.
            entry->m_strComment = CleanComment(wp->m_description);
            entry->m_strAdditionalInfo = wp->m_description;
            entry->m_nIcon = kLocIcon;
            AddEntry(std::move(entry));
        }
        if (got < kChunk)
            break;
        // Carry only what can still hold an element: an open one, or the few bytes
        // that may be the start of the next start tag.
        if (p != std::string_view::npos && text.size() - p <= kMaxElement)
            text.erase(0, p);
        else
            text.erase(0, text.size() - std::min(text.size(), kStart.size() - 1));
    }
    m_bListChanged = true;
}
