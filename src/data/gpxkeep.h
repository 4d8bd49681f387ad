// SPDX-License-Identifier: GPL-3.0-or-later
// What a GPX file held beyond the fields the document models, kept as XML
// text: per waypoint in CWayEntry::m_strKept, per file in CGpxFileKept.
// Writing GPX gives it back, and the program's own values only for the
// fields the user changed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CWayEntry;

// The file's side: its version, the prefixes of its namespaces, and the
// elements around the waypoints (metadata before them; routes, tracks and
// extensions after).
struct CGpxFileKept {
    int m_nVersion = 0; // 10 or 11 once a GPX file was read
    std::vector<std::pair<std::string, std::string>> m_namespaces; // URI, prefix
    std::string m_strSchemaLocation;
    std::string m_strHead;
    std::string m_strTail;
    std::size_t m_nTailPoints = 0; // route and track points in the tail

    // The prefix written for uri; a new URI takes hint (the file's own
    // prefix) when it is free, else one made up.
    const std::string& Prefix(std::string_view uri, std::string_view hint);
};

namespace gpxkeep {

// The modelled elements, as bits of the flags: which ones the waypoint had.
enum EModelled : std::uint8_t { kEle = 1, kName = 2, kCmt = 4, kDesc = 8, kSym = 16, kType = 32 };
// Records of a waypoint's kept text.
enum ERecord : char {
    kAttributes = 'A', // the <wpt> element's other attributes, as ` a="v"`
    kGpxChild = 'G',   // a child in the GPX namespace: local name, then its XML
    kForeign = 'F',    // a child of another namespace (or of 1.1's <extensions>)
};

// Starts a waypoint's kept text for a file of version 10 or 11, in kept's
// buffer (which a reader uses again for every waypoint).
void Begin(std::string& kept, int version);
void AddRecord(std::string& kept, ERecord kind, std::string_view local, std::string_view xml);
// A record written in place: its header first (where it starts is returned),
// then its XML appended to kept, then its length.
std::size_t OpenRecord(std::string& kept, ERecord kind, std::string_view local);
void CloseRecord(std::string& kept, std::size_t at);
// Records the values as read and which modelled elements were there; the
// text becomes empty when nothing beyond what the writer writes anyway was
// kept.
void Finish(std::string& kept, const CWayEntry& asRead, std::uint8_t present);
// kept with the record whose XML is old (a view into kept) replaced by one
// of kind, local and xml, or with that record added when old is empty; a
// waypoint without kept text gets one as a file of version would give it.
std::string Replaced(std::string_view kept, const CWayEntry& e, int version, ERecord kind,
                     std::string_view local, std::string_view old, std::string_view xml);
// After the waypoint was renamed on import (it had no name).
void SetReadName(std::string& kept, std::string_view name);

struct CRecord {
    ERecord kind;
    std::string_view local;
    std::string_view xml;
};
int Version(std::string_view kept);
std::uint8_t Present(std::string_view kept);
std::vector<CRecord> Records(std::string_view kept);
// The records one by one; where the next one starts in kept.
bool NextRecord(std::string_view kept, std::size_t& at, CRecord& record);
// Which fields differ from what was read.
struct CChanges {
    bool name, comment, info, icon, geocache, altitude;
};
CChanges Changes(std::string_view kept, const CWayEntry& now);

} // namespace gpxkeep
