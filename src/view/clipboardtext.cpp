// SPDX-License-Identifier: GPL-3.0-or-later
#include "clipboardtext.h"

#include "cairnbookdoc.h"
#include "numtext.h"

#include <cstdio>
#include <memory>

namespace {

constexpr double kPerMinute = 0.016666666666666666;

void Take(CCairnbookDoc& doc, std::unique_ptr<CWayEntry> entry, CPasteResult& result) {
    entry->Sanitize();
    switch (doc.AddOrReconcile(std::move(entry))) {
    case EAddResult::added: ++result.m_nAdded; break;
    case EAddResult::replaced: ++result.m_nReplaced; break;
    default: break;
    }
}

// The cache-page form: name, title, and "  N 47° 30.123 W 122° 15.456".
bool ParseCachePage(CCairnbookDoc& doc, const std::string& text, CPasteResult& result) {
    const std::size_t first = text.find("\r\n");
    const std::size_t second = text.find("\r\n", first + 2);
    const std::string line1 = text.substr(0, first);
    const std::string line2 = text.substr(first + 2, second - first - 2);
    const std::string rest = second + 4 <= text.size() ? text.substr(second + 4) : std::string();
    char ns = 0, ew = 0;
    int latDeg = 0, latMin = 0, latFrac = 0, lonDeg = 0, lonMin = 0, lonFrac = 0;
    if (std::sscanf(rest.c_str(), "%c %d\u00B0 %d.%d %c %d\u00B0 %d.%d", &ns, &latDeg, &latMin,
                    &latFrac, &ew, &lonDeg, &lonMin, &lonFrac) != 8)
        return false;
    auto entry = std::make_unique<CWayEntry>();
    entry->m_strName = line1;
    entry->m_strComment = line1 + " " + line2;
    entry->m_dLatitude = (latFrac * 0.001 + latMin) * kPerMinute + latDeg;
    entry->m_dLongitude = (lonFrac * 0.001 + lonMin) * kPerMinute + lonDeg;
    if (ns == 'S')
        entry->m_dLatitude = -entry->m_dLatitude;
    if (ew == 'W')
        entry->m_dLongitude = -entry->m_dLongitude;
    entry->m_bGeocache = 1;
    Take(doc, std::move(entry), result);
    return true;
}

// One tab-separated line; false when it is not one (which ends the paste).
bool ParseLine(const std::string& line, CWayEntry& e) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string::npos;
         tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    if (fields.size() != 8)
        return false;
    e.m_strName = fields[0];
    e.m_strComment = fields[1];
    e.m_dLatitude = AtoF(fields[2]);
    e.m_dLongitude = AtoF(fields[3]);
    e.m_dAltitude = AtoF(fields[4]);
    e.m_nIcon = static_cast<std::uint8_t>(AtoI(fields[5]));
    e.m_bGeocache = static_cast<std::uint8_t>(AtoI(fields[6]));
    e.m_bVisible = static_cast<std::uint8_t>(AtoI(fields[7]));
    e.m_strAdditionalInfo = line.substr(start);
    return true;
}

} // namespace

std::string FormatClipboardLine(const CWayEntry& e) {
    // Positions and altitudes travel exactly: a cut and paste changes nothing.
    return e.m_strName + "\t" + e.m_strComment + "\t" + FixedOrExact(e.m_dLatitude) + "\t" +
           FixedOrExact(e.m_dLongitude) + "\t" + FixedOrExact(e.m_dAltitude) +
           StrFormat("\t%d\t%d\t%d\t", e.m_nIcon, e.m_bGeocache, e.m_bVisible) +
           e.m_strAdditionalInfo + "\r\n";
}

CPasteResult ParseClipboardText(CCairnbookDoc& doc, const std::string& text) {
    CPasteResult result;
    int lineEnds = 0;
    for (std::size_t p = text.find("\r\n"); p != std::string::npos && lineEnds < 4;
         p = text.find("\r\n", p + 2))
        ++lineEnds;
    if (lineEnds == 3 && ParseCachePage(doc, text, result))
        return result;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        auto entry = std::make_unique<CWayEntry>();
        if (!ParseLine(text.substr(start, end - start), *entry))
            break;
        Take(doc, std::move(entry), result);
        start = end + 2;
    }
    return result;
}

std::string NormalizeLineEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}
