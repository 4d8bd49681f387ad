// SPDX-License-Identifier: GPL-3.0-or-later
#include "receivergpx.h"

#include "cachelisting.h"
#include "cachestatus.h"
#include "gpxkeep.h"
#include "gpxsymbols.h"
#include "gpxwriter.h"
#include "numtext.h"
#include "wayentry.h"
#include "xmlhead.h"

namespace {

// The children of a GPX 1.0 <wpt>, in the schema's order.
constexpr const char* kOrder[] = {"ele",  "time", "magvar",        "geoidheight", "name",
                                  "cmt",  "desc", "src",           "url",         "urlname",
                                  "sym",  "type", "fix",           "sat",         "hdop",
                                  "vdop", "pdop", "ageofdgpsdata", "dgpsid"};

void Line(std::string& out, std::string_view indent, std::string_view xml) {
    out += indent;
    out += xml;
    out += '\n';
}

std::string Element(std::string_view name, std::string_view text,
                    std::string_view attributes = {}) {
    std::string out = "<" + std::string(name) + std::string(attributes) + ">";
    AppendEscaped(out, text);
    return out + "</" + std::string(name) + ">";
}

// 1.1's <link href="..."><text>...</text></link> as 1.0's url and urlname.
void LinkAsUrl(std::string& out, std::string_view link) {
    const std::string href = AttributeOf(link.substr(0, link.find('>') + 1), "href");
    if (href.empty())
        return;
    std::string url = "<url>";
    AppendEscaped(url, href);
    Line(out, "    ", url + "</url>");
    if (const std::string_view text = ElementText(link, "text"); !text.empty())
        Line(out, "    ", "<urlname>" + std::string(text) + "</urlname>");
}

// The listing of a cache that came without one, from the document's fields.
std::string BuiltListing(const CWayEntry& e, const std::string& gs, std::uint64_t id) {
    const std::string type = CacheTypeOfIcon(e.m_nIcon);
    const std::string_view info = e.m_strAdditionalInfo;
    const std::string_view title =
        info.empty() ? e.m_strComment.View() : info.substr(0, info.find('\n'));
    auto child = [&gs](const char* name, std::string_view text, std::string_view attributes = {}) {
        return "      " + Element(gs + ":" + name, text, attributes) + "\n";
    };
    return "<" + gs + ":cache id=\"" + std::to_string(id) +
           "\" available=\"True\" archived=\"False\">\n" + child("name", title) +
           child("placed_by", "") + child("owner", "", " id=\"0\"") +
           child("type", type.empty() ? "Geocache" : type) + child("container", "Unknown") +
           child("long_description", info, " html=\"False\"") + "    </" + gs + ":cache>";
}

void Waypoint(std::string& out, const CWayEntry& e, const std::string& gs, std::uint64_t fallbackId,
              CSentCount& count) {
    const std::vector<gpxkeep::CRecord> records = gpxkeep::Records(e.m_strKept);
    const std::uint8_t present = gpxkeep::Present(e.m_strKept);
    const gpxkeep::CChanges changes = gpxkeep::Changes(e.m_strKept, e);
    const std::string_view listing = KeptCacheElement(e);
    const bool cache = e.m_bGeocache == 1 || !listing.empty();
    out += "  <wpt lat=\"" + ExactDecimal(e.m_dLatitude) + "\" lon=\"" +
           ExactDecimal(e.m_dLongitude) + "\">\n";
    for (std::string_view name : kOrder) {
        const std::uint8_t field = ModelledField(name);
        if (cache && (field == gpxkeep::kSym || field == gpxkeep::kType)) {
            const CCacheListing l = field == gpxkeep::kType ? ListingOf(e) : CCacheListing{};
            const std::string kind =
                !l.m_strType.empty() ? l.m_strType : CacheTypeOfIcon(e.m_nIcon);
            Line(out, "    ",
                 field == gpxkeep::kSym
                     ? Element("sym", CacheStateOf(e).m_bFound ? "Geocache Found" : "Geocache")
                     : Element("type", kind.empty() ? "Geocache" : "Geocache|" + kind));
        } else if (field) {
            // Without kept text every field counts as changed: our own values.
            const std::string xml = ModelledElement(field, e, records, changes, present);
            if (!xml.empty())
                Line(out, "    ", xml);
        } else {
            bool linked = false; // 1.0 has one url: the first link's
            for (const gpxkeep::CRecord& r : records)
                if (r.kind == gpxkeep::kGpxChild && r.local == "link" && name == "url" && !linked)
                    (LinkAsUrl(out, r.xml), linked = true);
                else if (r.kind == gpxkeep::kGpxChild && r.local == name)
                    Line(out, "    ", r.xml);
        }
    }
    if (cache) {
        ++count.m_nCaches;
        Line(out, "    ",
             listing.empty() ? BuiltListing(e, gs, CacheIdOfCode(e.m_strName).value_or(fallbackId))
                             : listing);
    }
    out += "  </wpt>\n";
    ++count.m_nWaypoints;
}

} // namespace

std::optional<std::uint64_t> CacheIdOfCode(std::string_view code) {
    if (code.size() < 3 || code.size() > 9 || (code[0] != 'G' && code[0] != 'g') ||
        (code[1] != 'C' && code[1] != 'c'))
        return std::nullopt;
    code.remove_prefix(2);
    // Up to GCFFFF the code is hexadecimal; after it, base 31 without the
    // letters that read like digits, counted on from there.
    constexpr std::string_view kBase31 = "0123456789ABCDEFGHJKMNPQRTVWXYZ";
    const bool hex = code.size() <= 4 && std::toupper(static_cast<unsigned char>(code[0])) <= 'F';
    std::uint64_t value = 0;
    for (char c : code) {
        const std::size_t digit =
            kBase31.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        if (digit == std::string_view::npos || (hex && digit > 15))
            return std::nullopt;
        value = value * (hex ? 16 : 31) + digit;
    }
    if (hex)
        return value;
    return value >= 411120 ? std::optional<std::uint64_t>(value - 411120) : std::nullopt;
}

std::string ReceiverGpx(const std::vector<const CWayEntry*>& entries, const CGpxFileKept& file,
                        std::string_view title, CSentCount& count) {
    // The kept listings' prefixes stay; every Groundspeak version is declared
    // as the one receivers read.
    CGpxFileKept names = file;
    const std::string gs = names.Prefix(kGroundspeak101, "groundspeak");
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.0\" "
                      "creator=\"Cairnbook\" xmlns=\"http://www.topografix.com/GPX/1/0\" "
                      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"";
    for (const auto& [uri, prefix] : names.m_namespaces) {
        out += " xmlns:" + prefix + "=\"";
        AppendEscaped(out, uri.starts_with("http://www.groundspeak.com/cache/1/") ? kGroundspeak101
                                                                                  : uri);
        out += '"';
    }
    out += " xsi:schemaLocation=\"http://www.topografix.com/GPX/1/0 "
           "http://www.topografix.com/GPX/1/0/gpx.xsd " +
           std::string(kGroundspeak101) + " " + kGroundspeak101 + "/cache.xsd\">\n";
    Line(out, "  ", Element("name", title));
    count = {};
    for (const CWayEntry* e : entries)
        Waypoint(out, *e, gs, 1'000'000'000 + count.m_nWaypoints, count);
    out += "</gpx>\n";
    return out;
}
