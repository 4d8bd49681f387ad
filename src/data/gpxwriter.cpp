#include "gpxwriter.h"

#include "archive.h"
#include "gpxreader.h"
#include "gpxsymbols.h"
#include "numtext.h"
#include "utf8text.h"

#include <algorithm>
#include <cmath>

namespace {

// XML text from the document's UTF-8 (made well formed). A carriage return would be folded into
// the line feed by every reader, so it goes as a reference; the other control
// characters below space have no place in XML at all and become spaces.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : utf8::Valid(text)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\r': out += "&#13;"; break;
        case '\t':
        case '\n': out += c; break;
        default: out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
    return out;
}

void Element(std::string& out, const char* name, const std::string& text) {
    out += "    <";
    out += name;
    out += '>';
    out += text;
    out += "</";
    out += name;
    out += ">\n";
}

void Bounds(std::string& out, const std::vector<std::unique_ptr<CWayEntry>>& entries) {
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
    out += "  <metadata>\n    <bounds minlat=\"" + ExactDecimal(minLat) + "\" minlon=\"" +
           ExactDecimal(minLon) + "\" maxlat=\"" + ExactDecimal(maxLat) + "\" maxlon=\"" +
           ExactDecimal(maxLon) + "\"/>\n  </metadata>\n";
}

void Waypoint(std::string& out, const CWayEntry& e) {
    out += "  <wpt lat=\"" + ExactDecimal(e.m_dLatitude) + "\" lon=\"" +
           ExactDecimal(e.m_dLongitude) + "\">\n";
    if (std::isfinite(e.m_dAltitude))
        Element(out, "ele", ExactDecimal(e.m_dAltitude));
    Element(out, "name", Escaped(e.m_strName));
    Element(out, "cmt", Escaped(e.m_strComment));
    Element(out, "desc", Escaped(e.m_strAdditionalInfo));
    Element(out, "sym", Escaped(SymbolOfIcon(e.m_nIcon)));
    if (e.m_bGeocache == 1) {
        const std::string kind = CacheTypeOfIcon(e.m_nIcon);
        Element(out, "type", kind.empty() ? "Geocache" : "Geocache|" + kind);
    }
    out += "    <extensions><cb:waypoint icon=\"" + std::to_string(e.m_nIcon) + "\" visible=\"" +
           std::to_string(e.m_bVisible) + "\" geocache=\"" + std::to_string(e.m_bGeocache) +
           "\"/></extensions>\n  </wpt>\n";
}

} // namespace

void WriteGpx(CArchive& ar, const std::vector<std::unique_ptr<CWayEntry>>& entries) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<gpx version=\"1.1\" creator=\"Cairnbook\" "
                      "xmlns=\"http://www.topografix.com/GPX/1/1\" "
                      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                      "xmlns:cb=\"";
    out += kCairnbookGpxNs;
    out += "\" xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
           "http://www.topografix.com/GPX/1/1/gpx.xsd\">\n";
    Bounds(out, entries);
    for (const auto& e : entries) {
        if (!e->m_bSave)
            continue;
        Waypoint(out, *e);
        if (out.size() > (1 << 16)) {
            ar.WriteRaw(out);
            out.clear();
        }
    }
    out += "</gpx>\n";
    ar.WriteRaw(out);
}
