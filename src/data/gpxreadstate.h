// SPDX-License-Identifier: GPL-3.0-or-later
// The GPX reader's state while expat runs, shared by its two halves: the
// element handlers that keep what is not modelled (gpxreader.cpp) and the
// making of a waypoint from one <wpt>'s texts (gpxentry.cpp).
#pragma once

#include "gpxkeep.h"
#include "gpxreader.h"

#include <expat.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gpxread {

constexpr char kNsSeparator = '\x01';
constexpr std::size_t kMaxText = 1 << 20; // one field of one waypoint
// Attributes of one element: real files have a few (and a root with its
// namespaces); expat holds every one of an element at once.
constexpr std::size_t kMaxAttributes = 1000;

enum class ENs { none, gpx, groundspeak, ours, other };
ENs NamespaceOf(std::string_view uri);
bool StartsNoCase(std::string_view s, std::string_view prefix);
std::string_view Trim(std::string_view s);
std::optional<double> Number(std::string_view text);

// The texts of one <wpt>, as UTF-8; a field is there once its element was.
struct CWptTexts {
    std::optional<std::string> name, cmt, desc, ele, sym, type;
    std::optional<std::string> title, owner, cacheType, container, difficulty, terrain, hint;
    std::optional<double> lat, lon;
    bool cache = false; // a Groundspeak cache element
    bool ours = false;  // our own extension: the texts are exact
    int icon = -1;
    int visible = 1;
    int geocache = -1;
    std::string kept;         // gpxkeep records
    std::uint8_t present = 0; // the modelled elements it had
};

} // namespace gpxread

struct CGpxReader::CState {
    XML_Parser m_parser = nullptr;
    Sink m_sink;
    CGpxReport m_report;
    std::string m_strError;
    std::uint64_t m_nErrorOffset = 0;
    int m_nDepth = 0;
    bool m_bRootSeen = false;
    int m_nWptDepth = 0;   // depth of the open <wpt>, 0 outside one
    int m_nCacheDepth = 0; // depth of its open Groundspeak cache element
    gpxread::CWptTexts m_wpt;
    std::size_t m_nSent = 0; // waypoints given to the sink
    bool m_bCut = false;     // the field being captured was cut
    std::optional<std::string>* m_pCapture = nullptr;
    int m_nCaptureDepth = 0;
    // What is kept as text: the element being written out, from its depth.
    CGpxFileKept m_file;
    bool m_bGpxNs = false; // the root is in a GPX namespace
    bool m_bWptSeen = false;
    std::vector<std::pair<std::string, std::string>> m_hints; // the file's URI, prefix
    // A waypoint's element is written straight into its kept text, as a
    // record begun at m_nRecordAt; the file's elements go to m_strOut first.
    std::string m_strOut;
    std::string* m_pOut = &m_strOut;
    std::size_t m_nRecordAt = 0;
    bool m_bOut = false;
    int m_nOutDepth = 0;
    int m_nSkipDepth = 0; // depth of an element left out of what is kept
    int m_nExtDepth = 0;  // depth of the waypoint's open 1.1 <extensions>
    std::string m_lastUri, m_lastPrefix;
    // Where the bytes fed so far stand, to count attributes before expat
    // stores them: inside a start tag, inside a quoted value.
    struct CTagScan {
        bool m_bInTag = false, m_bAfterOpen = false, m_bStartTag = false;
        char m_cQuote = 0;
        std::size_t m_nAttributes = 0;
        std::uint64_t m_nOffset = 0; // bytes fed before this chunk
    } m_scan;
    bool ScanTags(const char* data, std::size_t size);
    // Where the caller puts the next piece: expat's buffer, or m_spare once
    // parsing has stopped.
    char* m_pPiece = nullptr;
    std::string m_spare;

    void Fail(std::string text) {
        if (m_strError.empty()) {
            m_strError = std::move(text);
            m_nErrorOffset = static_cast<std::uint64_t>(XML_GetCurrentByteIndex(m_parser));
        }
        XML_StopParser(m_parser, XML_FALSE);
    }
    void Start(std::string_view qname, const XML_Char** attributes);
    void End(std::string_view qname);
    // The name an element or attribute is written with.
    void AppendName(std::string& out, std::string_view qname, bool element);
    void AppendStart(std::string_view qname, const XML_Char** attributes);
    enum { kOutWaypoint, kOutHead, kOutTail };
    int m_nOutWhere = kOutWaypoint;
    void BeginOut(int where, gpxkeep::ERecord kind, std::string_view local) {
        m_nOutWhere = where;
        m_bOut = true;
        m_nOutDepth = m_nDepth;
        m_strOut.clear();
        m_pOut = &m_strOut;
        if (where == kOutWaypoint) {
            m_pOut = &m_wpt.kept;
            m_nRecordAt =
                gpxkeep::OpenRecord(m_wpt.kept, kind, kind == gpxkeep::kGpxChild ? local : "");
        }
    }
    void EndOut();
    void Hint(std::string_view uri, std::string_view prefix) {
        for (const auto& [u, p] : m_hints)
            if (u == uri)
                return;
        m_hints.emplace_back(uri, prefix);
    }
    bool m_bOutOfMemory = false;
    void Capture(std::optional<std::string>& field) {
        field.emplace();
        m_bCut = false;
        m_pCapture = &field;
        m_nCaptureDepth = m_nDepth;
    }
    std::optional<std::string>* WptField(std::string_view local);
    std::optional<std::string>* CacheField(std::string_view local);
    void OursAttributes(const XML_Char** attributes);
    std::string Text(const std::optional<std::string>& utf8) {
        return utf8 ? *utf8 : std::string();
    }
    std::unique_ptr<CWayEntry> MakeEntry();
};
