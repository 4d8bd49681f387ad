// SPDX-License-Identifier: GPL-3.0-or-later
#include "cachelisting.h"

#include "wayentry.h"

#include <expat.h>

#include <algorithm>
#include <string_view>

namespace {

std::string_view Local(std::string_view qname) {
    const std::size_t colon = qname.find(':');
    return colon == std::string_view::npos ? qname : qname.substr(colon + 1);
}

// Reads one kept cache element, a fragment whose prefix the file declared:
// no namespace processing, and nothing but its own text.
struct CListingParse {
    CCacheListing& m_listing;
    std::vector<std::string> m_path; // local names of the open elements
    std::string m_text;
    bool m_bHtml = false;

    static void XMLCALL Start(void* user, const XML_Char* name, const XML_Char** attributes) {
        auto* self = static_cast<CListingParse*>(user);
        const std::string_view local = Local(name);
        self->m_path.emplace_back(local);
        self->m_text.clear();
        for (const XML_Char** a = attributes; a[0] && a[1]; a += 2)
            if (Local(a[0]) == "html")
                self->m_bHtml =
                    std::string_view(a[1]) == "True" || std::string_view(a[1]) == "true";
        if (local == "log")
            self->m_listing.m_logs.emplace_back();
    }
    static void XMLCALL Text(void* user, const XML_Char* text, int length) {
        static_cast<CListingParse*>(user)->m_text.append(text, static_cast<std::size_t>(length));
    }
    static void XMLCALL End(void* user, const XML_Char*) {
        auto* self = static_cast<CListingParse*>(user);
        self->Field(self->m_path.back());
        self->m_path.pop_back();
        self->m_text.clear();
    }
    void Field(std::string_view local) {
        CCacheListing& l = m_listing;
        const bool inLog = std::find(m_path.begin(), m_path.end(), "log") != m_path.end();
        if (inLog && !l.m_logs.empty()) {
            CCacheLog& log = l.m_logs.back();
            if (local == "date")
                log.m_strDate = m_text;
            else if (local == "type")
                log.m_strType = m_text;
            else if (local == "finder")
                log.m_strFinder = m_text;
            else if (local == "text")
                log.m_strText = m_text;
            return;
        }
        if (m_path.size() != 2) { // children of the cache element, and attributes
            if (local == "attribute")
                l.m_attributes.push_back(m_text);
            return;
        }
        if (local == "name")
            l.m_strName = m_text;
        else if (local == "owner" || (local == "placed_by" && l.m_strOwner.empty()))
            l.m_strOwner = m_text;
        else if (local == "type")
            l.m_strType = m_text;
        else if (local == "container")
            l.m_strContainer = m_text;
        else if (local == "difficulty")
            l.m_strDifficulty = m_text;
        else if (local == "terrain")
            l.m_strTerrain = m_text;
        else if (local == "encoded_hints")
            l.m_strHint = m_text;
        else if (local == "short_description")
            (l.m_strShort = m_text, l.m_bShortHtml = m_bHtml);
        else if (local == "long_description")
            (l.m_strLong = m_text, l.m_bLongHtml = m_bHtml);
        m_bHtml = false;
    }
};

} // namespace

std::string CCacheListing::FoundDate() const {
    if (!m_state.m_bFound)
        return {};
    std::string latest;
    for (const CCacheLog& log : m_logs)
        if (log.m_strType == "Found it" || log.m_strType == "Attended" ||
            log.m_strType == "Webcam Photo Taken")
            latest = std::max(latest, log.m_strDate.substr(0, 10));
    return latest.empty() ? "yes" : latest;
}

CCacheListing ListingOf(const CWayEntry& entry) {
    CCacheListing listing;
    listing.m_state = CacheStateOf(entry);
    const std::string_view xml = KeptCacheElement(entry);
    if (xml.empty())
        return listing;
    XML_Parser parser = XML_ParserCreate("UTF-8");
    CListingParse parse{listing, {}, {}, false};
    XML_SetUserData(parser, &parse);
    XML_SetElementHandler(parser, &CListingParse::Start, &CListingParse::End);
    XML_SetCharacterDataHandler(parser, &CListingParse::Text);
    listing.m_bPresent =
        XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return listing;
}
