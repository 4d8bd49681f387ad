// SPDX-License-Identifier: GPL-3.0-or-later
// The document's import of LOC files, read in pieces of 10,000 bytes to
// 256 KiB.
#include "archive.h"
#include "cairnbookdoc.h"
#include "charsets.h"
#include "cp1252.h"
#include "locscan.h"
#include "prompt.h"
#include "res/strings.h"
#include "utf8text.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

namespace {

constexpr std::size_t kChunk = 1 << 18, kMinChunk = 10000;
// An element still open after this many bytes is not a waypoint anyone wrote by
// hand or by tool; it is dropped instead of growing the buffer without bound.
constexpr std::size_t kMaxElement = 1 << 20;
constexpr char kStart[] = "<waypoint>";
constexpr char kEnd[] = "</waypoint>";
constexpr std::uint8_t kLocIcon = 32;
// Fewer bytes than any waypoint a site or tool writes: room made from the
// file's size is never much too large.
constexpr std::uint64_t kBytesPerWaypoint = 256;

} // namespace

void CCairnbookDoc::ImportLoc(CArchive& ar) {
    // Big files go in a quarter of a megabyte at a time, small ones in
    // 10,000-byte pieces (little memory to clear, and the fuzz target's
    // padding moves the pieces' boundaries across its elements).
    const std::size_t piece = static_cast<std::size_t>(
        std::clamp<std::uint64_t>(ar.GetRemaining() / 4, kMinChunk, kChunk));
    // Each piece is read straight in behind what an open element carried
    // over, which is at most kMaxElement bytes.
    const auto buffer = std::make_unique_for_overwrite<char[]>(kMaxElement + piece);
    std::size_t size = 0;
    std::optional<ELocEncoding> encoding;
    std::string declared;
    std::optional<CByteTable> table;
    std::size_t found = 0;
    // Sites publish UTF-8; older tools wrote bytes of the Windows code page,
    // and say so or not. ASCII, most text, reads the same either way.
    auto setDecoded = [&](auto& field, std::string_view raw) {
        if (utf8::IsAscii(raw))
            field = raw;
        else if (*encoding == ELocEncoding::utf8 ||
                 (*encoding == ELocEncoding::undeclared && cp1252::LooksLikeUtf8(raw)))
            field = utf8::Valid(raw);
        else
            field = DecodeBytes(*table, raw);
    };
    Reserve(ar.GetRemaining() / kBytesPerWaypoint);
    // A chunk's waypoints are added together, their name slots fetched ahead.
    std::vector<std::unique_ptr<CWayEntry>> ready;
    for (;;) {
        const std::size_t got = ar.ReadRaw(buffer.get() + size, piece);
        size += got;
        const std::string_view view(buffer.get(), size);
        if (!encoding) {
            encoding = LocDeclaredEncoding(view, &declared);
            if (*encoding == ELocEncoding::other)
                table = SingleByteTable(declared);
            if (!table)
                table = SingleByteTable("windows-1252");
        }
        const auto next = [&](std::size_t from, std::size_t& start, std::size_t& end) {
            start = FindMarker<0>(view, kStart, from);
            end = start == std::string_view::npos ? start : FindMarker<2>(view, kEnd, start + 8);
        };
        std::size_t p, e;
        next(0, p, e);
        while (p != std::string_view::npos && e != std::string_view::npos) {
            const auto wp = ScanLocElement(view.substr(p, e - p));
            next(e + 8, p, e);
            if (!wp)
                continue;
            ++found;
            // As the value constructor would, without copying the texts twice.
            auto entry = std::make_unique<CWayEntry>();
            setDecoded(entry->m_strName, wp->m_name);
            entry->m_dLatitude = wp->m_dLatitude;
            entry->m_dLongitude = wp->m_dLongitude;
            entry->m_bGeocache = 1;
            setDecoded(entry->m_strAdditionalInfo, wp->m_description);
            entry->m_strComment = CleanComment(entry->m_strAdditionalInfo);
            entry->m_nIcon = kLocIcon;
            PrefetchName(entry->m_strName);
            ready.push_back(std::move(entry));
        }
        for (auto& entry : ready)
            AddEntry(std::move(entry));
        ready.clear();
        if (got < piece)
            break;
        // Carry only what can still hold an element: an open one, or the few bytes
        // that may be the start of the next start tag.
        const std::size_t keep = p != std::string_view::npos && size - p <= kMaxElement
                                     ? size - p
                                     : std::min(size, std::string_view(kStart).size() - 1);
        std::memmove(buffer.get(), buffer.get() + size - keep, keep);
        size = keep;
    }
    if (found == 0)
        m_prompt.Ask(res::kAppTitle, std::string(res::kNoLocWaypoints) + "\n\n" + ar.GetFileName(),
                     EPromptButtons::ok, EPromptIcon::information);
}
