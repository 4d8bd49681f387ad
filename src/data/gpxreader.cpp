// SPDX-License-Identifier: GPL-3.0-or-later
#include "gpxreader.h"

#include "gpxreadstate.h"

#include "charsets.h"
#include "gpxsymbols.h"
#include "gpxwriter.h"

#include <expat.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <new>
#include <optional>
#include <string_view>
#include <utility>

using namespace gpxread;

namespace gpxread {

ENs NamespaceOf(std::string_view uri) {
    // Some writers put https in the namespace; it is the same GPX.
    if (uri.empty() || uri == "http://www.topografix.com/GPX/1/0" ||
        uri == "http://www.topografix.com/GPX/1/1" || uri == "https://www.topografix.com/GPX/1/0" ||
        uri == "https://www.topografix.com/GPX/1/1")
        return uri.empty() ? ENs::none : ENs::gpx;
    if (uri.starts_with("http://www.groundspeak.com/cache/1/"))
        return ENs::groundspeak;
    if (uri == kCairnbookGpxNs)
        return ENs::ours;
    return ENs::other;
}

bool StartsNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), s.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

} // namespace gpxread

void CGpxReader::CState::AppendName(std::string& out, std::string_view qname, bool element) {
    const std::size_t cut = qname.find(kNsSeparator);
    if (cut == std::string_view::npos) {
        out += qname;
        return;
    }
    const std::string_view uri = qname.substr(0, cut), local = qname.substr(cut + 1);
    if (element && NamespaceOf(uri) == ENs::gpx) {
        out += local;
        return;
    }
    if (uri != m_lastUri) {
        std::string_view hint;
        for (const auto& [u, p] : m_hints)
            if (u == uri) {
                hint = p;
                break;
            }
        m_lastPrefix = m_file.Prefix(uri, hint);
        m_lastUri = uri;
    }
    out += m_lastPrefix;
    out += ':';
    out += local;
}

void CGpxReader::CState::AppendStart(std::string_view qname, const XML_Char** attributes) {
    std::string& out = *m_pOut;
    out += '<';
    AppendName(out, qname, true);
    // An element of no namespace in a file whose elements have one.
    if (m_bGpxNs && qname.find(kNsSeparator) == std::string_view::npos)
        out += " xmlns=\"\"";
    for (const XML_Char** a = attributes; a[0] && a[1]; a += 2) {
        out += ' ';
        AppendName(out, a[0], false);
        out += "=\"";
        AppendEscaped(out, a[1]);
        out += '"';
    }
    out += '>';
}

void CGpxReader::CState::EndOut() {
    m_bOut = false;
    if (m_nOutWhere == kOutWaypoint) {
        gpxkeep::CloseRecord(m_wpt.kept, m_nRecordAt);
        return;
    }
    // Metadata that held nothing but bounds is not kept.
    if (m_nOutWhere == kOutHead &&
        m_strOut.find_first_not_of(" \t\r\n", m_strOut.find('>') + 1) == m_strOut.rfind('<'))
        return;
    std::string& to = m_nOutWhere == kOutHead ? m_file.m_strHead : m_file.m_strTail;
    to += "  ";
    to += m_strOut;
    to += '\n';
}

void CGpxReader::CState::Start(std::string_view qname, const XML_Char** attributes) {
    ++m_nDepth;
    const std::size_t cut = qname.find(kNsSeparator);
    const std::string_view uri = cut == std::string_view::npos ? "" : qname.substr(0, cut);
    const std::string_view local = cut == std::string_view::npos ? qname : qname.substr(cut + 1);
    const ENs ns = NamespaceOf(uri);
    const bool gpx = ns == ENs::gpx || ns == ENs::none;
    if (m_nDepth == 1) {
        m_bRootSeen = true;
        if (!gpx || local != "gpx")
            Fail("not a GPX file: its root element is not <gpx>");
        m_bGpxNs = ns == ENs::gpx;
        int version = uri.ends_with("/1/0") ? 10 : uri.ends_with("/1/1") ? 11 : 0;
        for (const XML_Char** a = attributes; a[0] && a[1]; a += 2) {
            const std::string_view name(a[0]);
            if (name == "version" && version == 0)
                version = std::string_view(a[1]) == "1.0" ? 10 : 11;
            else if (name == "http://www.w3.org/2001/XMLSchema-instance\x01schemaLocation" &&
                     m_file.m_strSchemaLocation.empty())
                m_file.m_strSchemaLocation = a[1];
        }
        m_file.m_nVersion = version ? version : 11;
        // The root's prefixes stay declared: attribute values may name them.
        for (const auto& [u, p] : m_hints)
            if (NamespaceOf(u) == ENs::other && u != "http://www.w3.org/2001/XMLSchema-instance")
                m_file.Prefix(u, p);
        return;
    }
    // Bounds are the writer's to work out again from the waypoints written.
    if (m_bOut && !m_nSkipDepth && m_nOutWhere == kOutHead && gpx && local == "bounds")
        m_nSkipDepth = m_nDepth;
    if (m_bOut && !m_nSkipDepth)
        AppendStart(qname, attributes);
    if (m_pCapture)
        return; // markup inside a text field: its text still counts
    if (m_nWptDepth == 0) {
        if (gpx && (local == "rtept" || local == "trkpt"))
            ++m_report.m_nSkippedPoints, ++m_file.m_nTailPoints;
        if (gpx && local == "wpt" && m_nDepth == 2) {
            m_nWptDepth = m_nDepth;
            m_bWptSeen = true;
            // The kept text's buffer is used again: it grows once, not per waypoint.
            std::string kept = std::move(m_wpt.kept);
            m_wpt = CWptTexts();
            gpxkeep::Begin(kept, m_file.m_nVersion);
            m_wpt.kept = std::move(kept);
            std::string more;
            for (const XML_Char** a = attributes; a[0] && a[1]; a += 2) {
                if (std::string_view(a[0]) == "lat") {
                    m_wpt.lat = Number(a[1]);
                } else if (std::string_view(a[0]) == "lon") {
                    m_wpt.lon = Number(a[1]);
                } else {
                    more += ' ';
                    AppendName(more, a[0], false);
                    more += "=\"";
                    AppendEscaped(more, a[1]);
                    more += '"';
                }
            }
            if (!more.empty())
                gpxkeep::AddRecord(m_wpt.kept, gpxkeep::kAttributes, "", more);
        } else if (m_nDepth == 2 && !(gpx && local == "bounds")) {
            // Metadata before the waypoints, routes, tracks and the rest after them.
            const bool tail =
                m_bWptSeen || (gpx && (local == "rte" || local == "trk" || local == "extensions"));
            BeginOut(tail ? kOutTail : kOutHead, gpxkeep::kForeign, "");
            AppendStart(qname, attributes);
        }
        return;
    }
    const bool ours = ns == ENs::ours && local == "waypoint";
    if (!m_bOut && !ours && m_nDepth == m_nWptDepth + 1) {
        if (gpx && local == "extensions") {
            m_nExtDepth = m_nDepth;
        } else {
            if (gpx)
                m_wpt.present |= ModelledField(local);
            BeginOut(kOutWaypoint, gpx ? gpxkeep::kGpxChild : gpxkeep::kForeign, local);
            AppendStart(qname, attributes);
        }
    } else if (!m_bOut && !ours && m_nExtDepth && m_nDepth == m_nExtDepth + 1) {
        BeginOut(kOutWaypoint, gpxkeep::kForeign, "");
        AppendStart(qname, attributes);
    }
    if (ns == ENs::groundspeak && local == "cache" && m_nCacheDepth == 0) {
        m_wpt.cache = true;
        m_nCacheDepth = m_nDepth;
    } else if (ns == ENs::groundspeak && m_nCacheDepth && m_nDepth == m_nCacheDepth + 1) {
        if (auto* field = CacheField(local))
            Capture(*field);
    } else if (ours) {
        OursAttributes(attributes);
    } else if (gpx && m_nDepth == m_nWptDepth + 1) {
        if (auto* field = WptField(local))
            Capture(*field);
    }
}

void CGpxReader::CState::End(std::string_view qname) {
    if (m_bOut && !m_nSkipDepth) {
        *m_pOut += "</";
        AppendName(*m_pOut, qname, true);
        *m_pOut += '>';
        if (m_nDepth == m_nOutDepth)
            EndOut();
    }
    if (m_nSkipDepth == m_nDepth)
        m_nSkipDepth = 0;
    if (m_nExtDepth == m_nDepth)
        m_nExtDepth = 0;
    if (m_pCapture && m_nDepth == m_nCaptureDepth)
        m_pCapture = nullptr;
    if (m_nCacheDepth == m_nDepth)
        m_nCacheDepth = 0;
    if (m_nWptDepth && m_nWptDepth == m_nDepth) {
        m_nWptDepth = 0;
        if (m_wpt.lat && m_wpt.lon) {
            auto entry = MakeEntry();
            gpxkeep::Finish(m_wpt.kept, *entry, m_wpt.present);
            entry->m_strKept = std::string(m_wpt.kept); // exactly its size
            // Our own files may hold an empty name; a waypoint without one, or
            // with a blank one in another file, is named on import, so that none
            // collapses into another.
            if (Trim(entry->m_strName).empty() && (!m_wpt.ours || !m_wpt.name))
                m_report.m_unnamed.push_back(m_nSent);
            ++m_nSent;
            m_sink(std::move(entry));
        } else
            ++m_report.m_nNoPosition;
    }
    --m_nDepth;
}

namespace {

// No exception may pass through expat, which is C: running out of memory in
// a handler stops the parser, and Feed throws it again.
template <typename F> void Guarded(void* user, F&& handle) {
    auto* s = static_cast<CGpxReader::CState*>(user);
    try {
        handle(s);
    } catch (const std::bad_alloc&) {
        s->m_bOutOfMemory = true;
        XML_StopParser(s->m_parser, XML_FALSE);
    }
}

void TextOf(CGpxReader::CState* s, const XML_Char* text, int length);

void XMLCALL OnStart(void* user, const XML_Char* name, const XML_Char** attributes) {
    Guarded(user, [&](CGpxReader::CState* s) { s->Start(name, attributes); });
}

void XMLCALL OnEnd(void* user, const XML_Char* name) {
    Guarded(user, [&](CGpxReader::CState* s) { s->End(name); });
}

void XMLCALL OnText(void* user, const XML_Char* text, int length) {
    Guarded(user, [&](CGpxReader::CState* s) { TextOf(s, text, length); });
}

void XMLCALL OnNamespace(void* user, const XML_Char* prefix, const XML_Char* uri) {
    Guarded(user, [&](CGpxReader::CState* s) {
        if (prefix && uri)
            s->Hint(uri, prefix);
    });
}

void TextOf(CGpxReader::CState* s, const XML_Char* text, int length) {
    if (s->m_bOut && !s->m_nSkipDepth)
        AppendEscaped(*s->m_pOut, std::string_view(text, static_cast<std::size_t>(length)));
    if (!s->m_pCapture)
        return;
    std::string& field = **s->m_pCapture;
    std::size_t n = static_cast<std::size_t>(length);
    if (field.size() + n > kMaxText) {
        // Cut at a character's start, and say so once per field.
        n = field.size() < kMaxText ? kMaxText - field.size() : 0;
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
        if (!std::exchange(s->m_bCut, true))
            ++s->m_report.m_nCut;
    }
    field.append(text, n);
}

void XMLCALL OnEntityDeclaration(void* user, const XML_Char*, int, const XML_Char*, int,
                                 const XML_Char*, const XML_Char*, const XML_Char*,
                                 const XML_Char*) {
    static_cast<CGpxReader::CState*>(user)->Fail(
        "the file declares XML entities, which no GPX file needs; it is not read");
}

// Encodings expat does not know itself (it knows UTF-8, UTF-16, Latin-1 and
// ASCII): Windows-1252, which some programs declare, and the other
// single-byte ones.
int XMLCALL OnUnknownEncoding(void*, const XML_Char* name, XML_Encoding* info) {
    const std::optional<CByteTable> table = SingleByteTable(name);
    if (!table)
        return XML_STATUS_ERROR;
    for (std::size_t b = 0; b < 256; ++b)
        info->map[b] = static_cast<int>((*table)[b]);
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}

} // namespace

CGpxReader::CGpxReader(Sink sink, CGpxFileKept file) : m_pState(std::make_unique<CState>()) {
    m_pState->m_sink = std::move(sink);
    m_pState->m_file = std::move(file);
    m_pState->m_parser = XML_ParserCreateNS(nullptr, kNsSeparator);
    XML_Parser p = m_pState->m_parser;
    XML_SetUserData(p, m_pState.get());
    XML_SetElementHandler(p, OnStart, OnEnd);
    XML_SetCharacterDataHandler(p, OnText);
    XML_SetNamespaceDeclHandler(p, OnNamespace, nullptr);
    XML_SetEntityDeclHandler(p, OnEntityDeclaration);
    XML_SetUnknownEncodingHandler(p, OnUnknownEncoding, nullptr);
    XML_SetParamEntityParsing(p, XML_PARAM_ENTITY_PARSING_NEVER);
}

CGpxReader::~CGpxReader() {
    if (m_pState->m_parser)
        XML_ParserFree(m_pState->m_parser);
}

bool CGpxReader::CState::ScanTags(const char* data, std::size_t size) {
    // Inside a start tag only these bytes matter.
    static constexpr auto kTagStop = [] {
        std::array<bool, 256> stop{};
        stop['>'] = stop['"'] = stop['\''] = true;
        return stop;
    }();
    CTagScan& t = m_scan;
    const char* const end = data + size;
    for (const char* p = data; p < end; ++p) {
        if (!t.m_bInTag) {
            p = static_cast<const char*>(std::memchr(p, '<', std::size_t(end - p)));
            if (!p)
                break;
            t = {true, true, true, 0, 0, t.m_nOffset};
            continue;
        }
        if (t.m_cQuote) {
            p = static_cast<const char*>(std::memchr(p, t.m_cQuote, std::size_t(end - p)));
            if (!p)
                break;
            t.m_cQuote = 0;
            continue;
        }
        if (std::exchange(t.m_bAfterOpen, false) && (*p == '!' || *p == '?' || *p == '/'))
            t.m_bStartTag = false; // a comment, declaration or end tag: nothing to count
        if (!t.m_bStartTag) {
            p = static_cast<const char*>(std::memchr(p, '>', std::size_t(end - p)));
            if (!p)
                break;
            t.m_bInTag = false;
            continue;
        }
        while (p < end && !kTagStop[static_cast<unsigned char>(*p)])
            ++p;
        if (p == end)
            break;
        if (*p == '>') {
            t.m_bInTag = false;
        } else {
            t.m_cQuote = *p;
            if (++t.m_nAttributes > kMaxAttributes) {
                m_strError = "the GPX file has an element with more than " +
                             std::to_string(kMaxAttributes) + " attributes";
                m_nErrorOffset = t.m_nOffset + std::uint64_t(p - data);
                return false;
            }
        }
    }
    t.m_nOffset += size;
    return true;
}

bool CGpxReader::Feed(const char* data, std::size_t size, bool last) {
    char* piece = Buffer(size);
    if (size)
        std::memcpy(piece, data, size);
    return FeedBuffer(size, last);
}

char* CGpxReader::Buffer(std::size_t size) {
    CState& s = *m_pState;
    s.m_pPiece = s.m_strError.empty()
                     ? static_cast<char*>(XML_GetBuffer(s.m_parser, static_cast<int>(size)))
                     : nullptr;
    if (!s.m_pPiece) {
        if (XML_GetErrorCode(s.m_parser) == XML_ERROR_NO_MEMORY)
            throw std::bad_alloc();
        s.m_spare.resize(size);
        s.m_pPiece = s.m_spare.data();
    }
    return s.m_pPiece;
}

bool CGpxReader::FeedBuffer(std::size_t size, bool last) {
    CState& s = *m_pState;
    if (!s.m_strError.empty() || !s.ScanTags(s.m_pPiece, size))
        return false;
    const XML_Status status =
        XML_ParseBuffer(s.m_parser, static_cast<int>(size), last ? XML_TRUE : XML_FALSE);
    if (s.m_bOutOfMemory)
        throw std::bad_alloc();
    if (status == XML_STATUS_OK)
        return true;
    if (s.m_strError.empty()) {
        const XML_Error code = XML_GetErrorCode(s.m_parser);
        if (code == XML_ERROR_NO_MEMORY)
            throw std::bad_alloc();
        const std::string what = std::string(XML_ErrorString(code)) + " at line " +
                                 std::to_string(XML_GetCurrentLineNumber(s.m_parser));
        s.m_strError = (s.m_bRootSeen ? "the GPX file is damaged: " : "not a GPX file: ") + what;
        s.m_nErrorOffset = static_cast<std::uint64_t>(XML_GetCurrentByteIndex(s.m_parser));
    }
    return false;
}

const std::string& CGpxReader::Error() const {
    return m_pState->m_strError;
}

std::uint64_t CGpxReader::ErrorOffset() const {
    return m_pState->m_nErrorOffset;
}

const CGpxReport& CGpxReader::Report() const {
    return m_pState->m_report;
}

CGpxFileKept& CGpxReader::File() {
    return m_pState->m_file;
}
