// SPDX-License-Identifier: GPL-3.0-or-later
#include "gpxwriter.h"

#include "archive.h"
#include "gpxkeep.h"
#include "gpxreader.h"
#include "gpxsymbols.h"
#include "numtext.h"
#include "utf8text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace {

constexpr const char* kGpx10Ns = "http://www.topografix.com/GPX/1/0";
constexpr const char* kGpx11Ns = "http://www.topografix.com/GPX/1/1";

// The children of <wpt> in the order each version's schema gives them.
constexpr std::initializer_list<const char*> kOrder11 = {
    "ele", "time", "magvar", "geoidheight", "name", "cmt",  "desc", "src",           "link",
    "sym", "type", "fix",    "sat",         "hdop", "vdop", "pdop", "ageofdgpsdata", "dgpsid"};
constexpr std::initializer_list<const char*> kOrder10 = {
    "ele", "time", "course", "speed", "magvar",  "geoidheight",   "name",
    "cmt", "desc", "src",    "url",   "urlname", "sym",           "type",
    "fix", "sat",  "hdop",   "vdop",  "pdop",    "ageofdgpsdata", "dgpsid"};

bool InOrder(std::string_view local, int version) {
    for (const char* name : version == 10 ? kOrder10 : kOrder11)
        if (local == name)
            return true;
    return false;
}

void Line(std::string& out, std::string_view xml) {
    out += "    ";
    out += xml;
    out += '\n';
}

// The text between an element's start and end tags.
std::string_view Inner(std::string_view xml) {
    const std::size_t open = xml.find('>'), close = xml.rfind('<');
    return open == std::string_view::npos || close == std::string_view::npos || close < open
               ? std::string_view()
               : xml.substr(open + 1, close - open - 1);
}

void Bounds(std::string& out, const std::vector<std::unique_ptr<CWayEntry>>& entries, int version) {
    double minLat = 90, maxLat = -90, minLon = 180, maxLon = -180;
    bool any = false;
    for (const auto& e : entries) {
        if (!e->m_bSave || !std::isfinite(e->m_dLatitude) || !std::isfinite(e->m_dLongitude))
            continue;
        any = true;
        minLat = std::min(minLat, e->m_dLatitude);
        maxLat = std::max(maxLat, e->m_dLatitude);
        minLon = std::min(minLon, e->m_dLongitude);
        maxLon = std::max(maxLon, e->m_dLongitude);
    }
    if (!any)
        return;
    const std::string bounds = "<bounds minlat=\"" + ExactDecimal(minLat) + "\" minlon=\"" +
                               ExactDecimal(minLon) + "\" maxlat=\"" + ExactDecimal(maxLat) +
                               "\" maxlon=\"" + ExactDecimal(maxLon) + "\"/>";
    out +=
        version == 10 ? "  " + bounds + "\n" : "  <metadata>\n    " + bounds + "\n  </metadata>\n";
}

std::string OursElement(const CWayEntry& e) {
    return "<cb:waypoint icon=\"" + std::to_string(e.m_nIcon) + "\" visible=\"" +
           std::to_string(e.m_bVisible) + "\" geocache=\"" + std::to_string(e.m_bGeocache) + "\"/>";
}

void KeptWaypoint(std::string& out, const CWayEntry& e, int version) {
    const std::vector<gpxkeep::CRecord> records = gpxkeep::Records(e.m_strKept);
    const int from = gpxkeep::Version(e.m_strKept);
    const std::uint8_t present = gpxkeep::Present(e.m_strKept);
    const gpxkeep::CChanges c = gpxkeep::Changes(e.m_strKept, e);
    out += "  <wpt lat=\"" + ExactDecimal(e.m_dLatitude) + "\" lon=\"" +
           ExactDecimal(e.m_dLongitude) + "\"";
    for (const auto& r : records)
        if (r.kind == gpxkeep::kAttributes)
            out += r.xml;
    out += ">\n";
    for (const char* slot : version == 10 ? kOrder10 : kOrder11) {
        const std::string_view name(slot);
        if (const std::uint8_t field = ModelledField(name)) {
            if (std::string xml = ModelledElement(field, e, records, c, present); !xml.empty())
                Line(out, xml);
            continue;
        }
        if (name == "link" && from == 10) {
            // 1.0's url and urlname are 1.1's link.
            std::string_view url, text;
            for (const auto& r : records) {
                if (r.kind == gpxkeep::kGpxChild && r.local == "url")
                    url = Inner(r.xml);
                if (r.kind == gpxkeep::kGpxChild && r.local == "urlname")
                    text = Inner(r.xml);
            }
            if (!url.empty())
                Line(out, "<link href=\"" + std::string(url) + "\">" +
                              (text.empty() ? "" : "<text>" + std::string(text) + "</text>") +
                              "</link>");
            continue;
        }
        for (const auto& r : records)
            if (r.kind == gpxkeep::kGpxChild && r.local == name)
                Line(out, r.xml);
    }
    // Everything else: 1.1 puts it in <extensions>, 1.0 after the GPX elements.
    std::string more;
    for (const auto& r : records) {
        if (r.kind == gpxkeep::kForeign) {
            Line(more, r.xml);
        } else if (r.kind == gpxkeep::kGpxChild && !ModelledField(r.local) &&
                   !(from == 10 && version == 11 && (r.local == "url" || r.local == "urlname")) &&
                   !InOrder(r.local, version)) {
            // A GPX element the written version has not: named in its own namespace.
            std::string xml(r.xml);
            xml.insert(1 + r.local.size(),
                       std::string(" xmlns=\"") + (from == 10 ? kGpx10Ns : kGpx11Ns) + "\"");
            Line(more, xml);
        }
    }
    Line(more, OursElement(e));
    if (version == 11)
        out += "    <extensions>\n" + more + "    </extensions>\n";
    else
        out += more;
    out += "  </wpt>\n";
}

void PlainWaypoint(std::string& out, const CWayEntry& e, int version) {
    out += "  <wpt lat=\"" + ExactDecimal(e.m_dLatitude) + "\" lon=\"" +
           ExactDecimal(e.m_dLongitude) + "\">\n";
    for (std::uint8_t field : {gpxkeep::kEle, gpxkeep::kName, gpxkeep::kCmt, gpxkeep::kDesc,
                               gpxkeep::kSym, gpxkeep::kType})
        if ((field != gpxkeep::kEle || std::isfinite(e.m_dAltitude)) &&
            (field != gpxkeep::kType || e.m_bGeocache == 1))
            Line(out, OwnElement(field, e));
    if (version == 11)
        out += "    <extensions>" + OursElement(e) + "</extensions>\n  </wpt>\n";
    else
        out += "    " + OursElement(e) + "\n  </wpt>\n";
}

int OutputVersion(const std::vector<std::unique_ptr<CWayEntry>>& entries,
                  const CGpxFileKept& file) {
    if (file.m_nVersion != 10)
        return 11;
    for (const auto& e : entries)
        if (e->m_bSave && !e->m_strKept.empty() && gpxkeep::Version(e->m_strKept) != 10)
            return 11;
    return 10;
}

// Whether any byte of word is below 0x20 or one of & < > ", eight at a time
// (exact for the word as a whole, which is all the caller asks).
bool MayNeedEscape(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
    auto zeroByte = [](std::uint64_t v) { return (v - kOnes) & ~v & kHigh; };
    return ((word - kOnes * 0x20) & ~word & kHigh) | zeroByte(word ^ (kOnes * '&')) |
           zeroByte(word ^ (kOnes * '<')) | zeroByte(word ^ (kOnes * '>')) |
           zeroByte(word ^ (kOnes * '"'));
}

// What stands in text for a character that cannot stand for itself. A carriage
// return would be folded into the line feed by every reader, so it goes as a
// reference; the other control characters below space have no place in XML at
// all and become spaces.
std::string_view EscapeOf(char c) {
    switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    case '\r': return "&#13;";
    default: return " ";
    }
}

} // namespace

void AppendEscaped(std::string& out, std::string_view text) {
    static constexpr auto kPlain = [] {
        std::array<bool, 256> plain{};
        for (int c = 0x20; c < 256; ++c)
            plain[std::size_t(c)] = c != '&' && c != '<' && c != '>' && c != '"';
        plain['\t'] = plain['\n'] = true;
        return plain;
    }();
    // The reader hands over each line break and each character reference alone.
    if (text.size() == 1) {
        if (kPlain[static_cast<unsigned char>(text[0])])
            out.push_back(text[0]);
        else
            out.append(EscapeOf(text[0]));
        return;
    }
    // Runs of plain characters go in whole: long listings are mostly them.
    std::size_t start = 0, i = 0;
    while (i < text.size()) {
        for (std::uint64_t word; i + 8 <= text.size(); i += 8) {
            std::memcpy(&word, text.data() + i, 8);
            if (MayNeedEscape(word))
                break;
        }
        // Byte by byte through the word that holds one (or the last few bytes).
        for (const std::size_t stop = std::min(i + 8, text.size()); i < stop; ++i) {
            const char c = text[i];
            if (kPlain[static_cast<unsigned char>(c)])
                continue;
            out.append(text.data() + start, i - start).append(EscapeOf(c));
            start = i + 1;
        }
    }
    out.append(text.data() + start, text.size() - start);
}

std::uint8_t ModelledField(std::string_view local) {
    return local == "ele"    ? gpxkeep::kEle
           : local == "name" ? gpxkeep::kName
           : local == "cmt"  ? gpxkeep::kCmt
           : local == "desc" ? gpxkeep::kDesc
           : local == "sym"  ? gpxkeep::kSym
           : local == "type" ? gpxkeep::kType
                             : 0;
}

std::string OwnElement(std::uint8_t field, const CWayEntry& e) {
    auto element = [](const char* name, std::string_view text, bool escape = true) {
        std::string out = std::string("<") + name + '>';
        if (escape)
            AppendEscaped(out, utf8::Valid(text));
        else
            out += text;
        return out + "</" + name + '>';
    };
    switch (field) {
    case gpxkeep::kEle: return element("ele", ExactDecimal(e.m_dAltitude), false);
    case gpxkeep::kName: return element("name", e.m_strName);
    case gpxkeep::kCmt: return element("cmt", e.m_strComment);
    case gpxkeep::kDesc: return element("desc", e.m_strAdditionalInfo);
    case gpxkeep::kSym: return element("sym", SymbolOfIcon(e.m_nIcon));
    default: {
        const std::string kind = CacheTypeOfIcon(e.m_nIcon);
        return element("type", kind.empty() ? "Geocache" : "Geocache|" + kind);
    }
    }
}

std::string ModelledElement(std::uint8_t field, const CWayEntry& e,
                            const std::vector<gpxkeep::CRecord>& records,
                            const gpxkeep::CChanges& c, std::uint8_t present) {
    const bool changed = field == gpxkeep::kEle    ? c.altitude
                         : field == gpxkeep::kName ? c.name
                         : field == gpxkeep::kCmt  ? c.comment
                         : field == gpxkeep::kDesc ? c.info
                         : field == gpxkeep::kSym  ? c.icon
                                                   : c.geocache || (e.m_bGeocache == 1 && c.icon);
    if (changed) {
        const bool none = (field == gpxkeep::kEle && !std::isfinite(e.m_dAltitude)) ||
                          (field == gpxkeep::kType && e.m_bGeocache != 1);
        return none ? std::string() : OwnElement(field, e);
    }
    if (!(present & field))
        return {};
    for (const gpxkeep::CRecord& r : records)
        if (r.kind == gpxkeep::kGpxChild && ModelledField(r.local) == field)
            return std::string(r.xml);
    return OwnElement(field, e);
}

void WriteGpx(CArchive& ar, const std::vector<std::unique_ptr<CWayEntry>>& entries,
              const CGpxFileKept& file) {
    const int version = OutputVersion(entries, file);
    const char* ns = version == 10 ? kGpx10Ns : kGpx11Ns;
    std::string out = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"") +
                      (version == 10 ? "1.0" : "1.1") + "\" creator=\"Cairnbook\" xmlns=\"" + ns +
                      "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xmlns:cb=\"" +
                      kCairnbookGpxNs + "\"";
    for (const auto& [uri, prefix] : file.m_namespaces) {
        out += " xmlns:" + prefix + "=\"";
        AppendEscaped(out, uri);
        out += '"';
    }
    const bool sameVersion = file.m_nVersion == version;
    out += " xsi:schemaLocation=\"";
    if (sameVersion && !file.m_strSchemaLocation.empty())
        AppendEscaped(out, file.m_strSchemaLocation);
    else
        out += std::string(ns) + " " + ns + "/gpx.xsd";
    out += "\">\n";
    if (sameVersion && !file.m_strHead.empty())
        out += file.m_strHead;
    else
        Bounds(out, entries, version);
    for (const auto& e : entries) {
        if (!e->m_bSave)
            continue;
        if (e->m_strKept.empty())
            PlainWaypoint(out, *e, version);
        else
            KeptWaypoint(out, *e, version);
        if (out.size() > (1 << 16)) {
            ar.WriteRaw(out);
            out.clear();
        }
    }
    out += file.m_strTail;
    out += "</gpx>\n";
    ar.WriteRaw(out);
}
