// SPDX-License-Identifier: GPL-3.0-or-later
#include "listinghtml.h"

#include "cachelisting.h"
#include "cacheties.h"
#include "cairnbookdoc.h"
#include "gpxkeep.h"
#include "gpxwriter.h"
#include "utf8text.h"
#include "xmlhead.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    AppendEscaped(out, text);
    return out;
}

bool SafeUrl(std::string_view url) {
    const std::string l = utf8::AsciiLower(url);
    return l.starts_with("http://") || l.starts_with("https://") || l.starts_with("mailto:");
}

std::string Section(const char* title, const std::string& body) {
    return body.empty() ? std::string() : "<h3>" + std::string(title) + "</h3>" + body;
}

std::string Date(std::string_view iso) {
    return Escaped(iso.substr(0, 10));
}

} // namespace

std::string Rot13(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            const char base = c >= 'a' ? 'a' : 'A';
            c = static_cast<char>(base + (c - base + 13) % 26);
        }
    return out;
}

std::string SafeHtml(std::string_view html) {
    static const char* const dropped[] = {"script", "style", "iframe", "frame",
                                          "object", "embed", "form",   "noscript"};
    std::string out;
    for (std::size_t at = 0; at < html.size();) {
        const std::size_t open = html.find('<', at);
        if (open == std::string_view::npos) {
            out.append(html.substr(at));
            break;
        }
        out.append(html.substr(at, open - at));
        const std::size_t close = html.find('>', open);
        if (close == std::string_view::npos)
            break; // an unfinished tag is not shown
        const std::string_view tag = html.substr(open, close - open + 1);
        const bool closing = tag.size() > 1 && tag[1] == '/';
        const std::size_t from = closing ? 2 : 1;
        const std::string name =
            utf8::AsciiLower(tag.substr(from, tag.find_first_of(" \t\r\n/>", from) - from));
        at = close + 1;
        if (std::find(std::begin(dropped), std::end(dropped), name) != std::end(dropped)) {
            // The element and all it holds go.
            const std::size_t end = utf8::AsciiLower(html.substr(at)).find("</" + name);
            at = end == std::string::npos ? html.size()
                                          : std::min(html.size(), html.find('>', at + end) + 1);
            continue;
        }
        if (closing) {
            if (!name.empty() && std::isalpha(static_cast<unsigned char>(name[0])))
                out += "</" + name + ">";
            continue;
        }
        if (name == "img") {
            const std::string src = AttributeOf(tag, "src");
            if (SafeUrl(src))
                out += "<a href=\"" + Escaped(src) + "\">[image: " + Escaped(src) + "]</a>";
            continue;
        }
        if (name == "a") {
            const std::string href = AttributeOf(tag, "href");
            out += SafeUrl(href) ? "<a href=\"" + Escaped(href) + "\">" : std::string("<a>");
            continue;
        }
        // Any other tag keeps its name only: no handler, style or source.
        if (!name.empty() && std::isalpha(static_cast<unsigned char>(name[0])))
            out += "<" + name + (tag.ends_with("/>") ? "/>" : ">");
    }
    return out;
}

std::string ListingHtml(const CCairnbookDoc& doc, std::size_t place, const CCacheTies& ties,
                        bool hintShown) {
    const CWayEntry& e = *doc.Entries()[place];
    const CCacheListing l = ListingOf(e);
    std::string page = "<h2>" + Escaped(l.m_strName.empty() ? e.m_strComment : l.m_strName) +
                       "</h2><p><b>" + Escaped(e.m_strName) + "</b>";
    if (!l.m_bPresent) {
        page += "</p><p>" + Escaped(e.m_strComment) + "</p>";
        std::string links, time;
        for (const gpxkeep::CRecord& r : gpxkeep::Records(e.m_strKept)) {
            if (r.kind != gpxkeep::kGpxChild)
                continue;
            const std::size_t start = r.xml.find('>') + 1, end = r.xml.rfind('<');
            const std::string_view inner =
                end > start ? r.xml.substr(start, end - start) : std::string_view();
            if (r.local == "time")
                time = "<p>Time: " + Escaped(inner) + "</p>";
            if (r.local == "url" && SafeUrl(inner))
                links += "<p><a href=\"" + Escaped(inner) + "\">" + Escaped(inner) + "</a></p>";
            if (r.local == "link") {
                const std::string href = AttributeOf(r.xml.substr(0, r.xml.find('>')), "href");
                if (SafeUrl(href))
                    links += "<p><a href=\"" + Escaped(href) + "\">" + Escaped(href) + "</a></p>";
            }
        }
        page += time + links;
        if (const auto parent = ties.ParentOf(place))
            page += "<p>Belongs to <a href=\"" + std::string(kSelectLink) +
                    std::to_string(*parent) + "\">" + Escaped(doc.Entries()[*parent]->m_strName) +
                    "</a></p>";
        return page + Section("Additional Info", Escaped(e.m_strAdditionalInfo));
    }
    page += " by " + Escaped(l.m_strOwner) + "</p><p>" + Escaped(l.m_strType) + ", " +
            Escaped(l.m_strContainer) + "; difficulty " + Escaped(l.m_strDifficulty) +
            ", terrain " + Escaped(l.m_strTerrain) + "</p><p>";
    switch (l.m_state.m_status) {
    case ECacheStatus::available: page += "Available"; break;
    case ECacheStatus::disabled: page += "<b>Disabled</b>"; break;
    case ECacheStatus::archived: page += "<b>Archived</b>"; break;
    }
    if (const std::string found = l.FoundDate(); !found.empty())
        page += found == "yes" ? "; found" : "; found " + Escaped(found);
    page += "</p>";
    if (!l.m_strHint.empty())
        page += hintShown ? "<p>Hint: " + Escaped(l.m_strHint) +
                                " <small>(ROT13: " + Escaped(Rot13(l.m_strHint)) + ")</small></p>"
                          : "<p><a href=\"" + std::string(kShowHintLink) + "\">Show hint</a></p>";
    auto description = [](const std::string& text, bool html) {
        return html ? SafeHtml(text) : "<p>" + Escaped(text) + "</p>";
    };
    if (!l.m_strShort.empty())
        page += description(l.m_strShort, l.m_bShortHtml);
    if (!l.m_strLong.empty())
        page += description(l.m_strLong, l.m_bLongHtml);
    std::string attributes;
    for (const std::string& a : l.m_attributes)
        attributes += (attributes.empty() ? "" : ", ") + Escaped(a);
    page += Section("Attributes", attributes.empty() ? "" : "<p>" + attributes + "</p>");
    std::string logs;
    for (std::size_t i = 0; i < l.m_logs.size() && i < 5; ++i) {
        const CCacheLog& log = l.m_logs[i];
        logs += "<p><b>" + Date(log.m_strDate) + " " + Escaped(log.m_strType) + "</b> by " +
                Escaped(log.m_strFinder) + "<br>" + Escaped(log.m_strText) + "</p>";
    }
    page += Section("Latest logs", logs);
    std::string children;
    for (std::size_t child : ties.ChildrenOf(place)) {
        const CWayEntry& c = *doc.Entries()[child];
        children += "<p><a href=\"" + std::string(kSelectLink) + std::to_string(child) + "\">" +
                    Escaped(c.m_strName) + "</a> " + Escaped(c.m_strComment) + "</p>";
    }
    return page + Section("Waypoints", children);
}
