// SPDX-License-Identifier: GPL-3.0-or-later
#include "gpxkeep.h"

#include "gpxwriter.h"
#include "wayentry.h"

#include <algorithm>
#include <cstring>

namespace {

// Header: version, present flags, hashes of name, comment and Additional
// Info as read, icon, geocache flag, altitude.
constexpr std::size_t kVersionAt = 0, kPresentAt = 1, kNameAt = 2, kCommentAt = 10, kInfoAt = 18,
                      kIconAt = 26, kGeocacheAt = 27, kAltitudeAt = 28, kHeader = 36;

std::uint64_t Hash(std::string_view text) {
    std::uint64_t h = 14695981039346656037ull;
    for (char c : text)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
}

template <typename T> void Put(std::string& kept, std::size_t at, T value) {
    std::memcpy(kept.data() + at, &value, sizeof value);
}

template <typename T> T Get(std::string_view kept, std::size_t at) {
    T value{};
    if (kept.size() >= at + sizeof value)
        std::memcpy(&value, kept.data() + at, sizeof value);
    return value;
}

std::uint8_t DefaultPresent(const CWayEntry& e) {
    return gpxkeep::kEle | gpxkeep::kName | gpxkeep::kCmt | gpxkeep::kDesc | gpxkeep::kSym |
           (e.m_bGeocache == 1 ? gpxkeep::kType : 0);
}

} // namespace

const std::string& CGpxFileKept::Prefix(std::string_view uri, std::string_view hint) {
    for (const auto& [u, p] : m_namespaces)
        if (u == uri)
            return p;
    auto taken = [this](std::string_view prefix) {
        for (const auto& [u, p] : m_namespaces)
            if (p == prefix)
                return true;
        return prefix == "xsi" || prefix == "cb" || prefix == "xml" || prefix.starts_with("xmlns");
    };
    std::string prefix(hint);
    for (int n = 1; prefix.empty() || taken(prefix); ++n)
        prefix = "ns" + std::to_string(n);
    m_namespaces.emplace_back(std::string(uri), std::move(prefix));
    return m_namespaces.back().second;
}

namespace gpxkeep {

void Begin(std::string& kept, int version) {
    kept.assign(kHeader, '\0');
    kept[kVersionAt] = static_cast<char>(version);
}

std::size_t OpenRecord(std::string& kept, ERecord kind, std::string_view local) {
    const std::size_t at = kept.size();
    kept += kind;
    kept.append(sizeof(std::uint32_t), '\0');
    if (!local.empty()) {
        kept += local;
        kept += '\0';
    }
    return at;
}

void CloseRecord(std::string& kept, std::size_t at) {
    Put(kept, at + 1, static_cast<std::uint32_t>(kept.size() - at - 1 - sizeof(std::uint32_t)));
}

void AddRecord(std::string& kept, ERecord kind, std::string_view local, std::string_view xml) {
    const std::size_t at = OpenRecord(kept, kind, local);
    kept += xml;
    CloseRecord(kept, at);
}

bool NextRecord(std::string_view kept, std::size_t& at, CRecord& record) {
    at = std::max(at, kHeader);
    if (at + 5 > kept.size())
        return false;
    const auto kind = static_cast<ERecord>(kept[at]);
    const auto length = Get<std::uint32_t>(kept, at + 1);
    std::string_view body = kept.substr(at + 5, length);
    at += 5 + body.size();
    std::string_view local;
    if (kind == kGpxChild) {
        const std::size_t nul = body.find('\0');
        local = body.substr(0, nul);
        body.remove_prefix(nul == std::string_view::npos ? body.size() : nul + 1);
    }
    record = {kind, local, body};
    return true;
}

std::vector<CRecord> Records(std::string_view kept) {
    std::vector<CRecord> records;
    CRecord r{};
    for (std::size_t at = kHeader; NextRecord(kept, at, r);)
        records.push_back(r);
    return records;
}

void Finish(std::string& kept, const CWayEntry& e, std::uint8_t present) {
    kept[kPresentAt] = static_cast<char>(present);
    Put(kept, kNameAt, Hash(e.m_strName));
    Put(kept, kCommentAt, Hash(e.m_strComment));
    Put(kept, kInfoAt, Hash(e.m_strAdditionalInfo));
    kept[kIconAt] = static_cast<char>(e.m_nIcon);
    kept[kGeocacheAt] = static_cast<char>(e.m_bGeocache);
    Put(kept, kAltitudeAt, e.m_dAltitude);
    // A modelled element that reads as the writer would write it is not
    // kept: the records after it move up, in place.
    std::size_t to = kHeader;
    CRecord r{};
    for (std::size_t at = kHeader, from = kHeader; NextRecord(kept, at, r); from = at) {
        const std::uint8_t field = r.kind == kGpxChild ? ModelledField(r.local) : 0;
        if (field && OwnElement(field, e) == r.xml)
            continue;
        if (to != from)
            std::memmove(kept.data() + to, kept.data() + from, at - from);
        to += at - from;
    }
    kept.resize(to);
    if (to == kHeader && present == DefaultPresent(e))
        kept.clear();
}

std::string Replaced(std::string_view kept, const CWayEntry& e, int version, ERecord kind,
                     std::string_view local, std::string_view old, std::string_view xml) {
    std::string out;
    if (kept.size() < kHeader) {
        Begin(out, version);
        AddRecord(out, kind, local, xml);
        Finish(out, e, DefaultPresent(e));
        return out;
    }
    out.assign(kept.substr(0, kHeader));
    bool replaced = false;
    CRecord r{};
    for (std::size_t at = kHeader; NextRecord(kept, at, r);) {
        const bool it = !old.empty() && r.xml.data() == old.data();
        AddRecord(out, it ? kind : r.kind, it ? local : r.local, it ? xml : r.xml);
        replaced = replaced || it;
    }
    if (!replaced)
        AddRecord(out, kind, local, xml);
    if (kind == kGpxChild)
        out[kPresentAt] = static_cast<char>(out[kPresentAt] | ModelledField(local));
    return out;
}

void SetReadName(std::string& kept, std::string_view name) {
    if (kept.size() >= kHeader)
        Put(kept, kNameAt, Hash(name));
}

int Version(std::string_view kept) {
    return kept.empty() ? 0 : static_cast<unsigned char>(kept[kVersionAt]);
}

std::uint8_t Present(std::string_view kept) {
    return kept.empty() ? 0 : static_cast<std::uint8_t>(kept[kPresentAt]);
}

CChanges Changes(std::string_view kept, const CWayEntry& e) {
    if (kept.size() < kHeader)
        return {true, true, true, true, true, true};
    return {Get<std::uint64_t>(kept, kNameAt) != Hash(e.m_strName),
            Get<std::uint64_t>(kept, kCommentAt) != Hash(e.m_strComment),
            Get<std::uint64_t>(kept, kInfoAt) != Hash(e.m_strAdditionalInfo),
            static_cast<std::uint8_t>(kept[kIconAt]) != e.m_nIcon,
            static_cast<std::uint8_t>(kept[kGeocacheAt]) != e.m_bGeocache,
            std::memcmp(kept.data() + kAltitudeAt, &e.m_dAltitude, sizeof(double)) != 0};
}

} // namespace gpxkeep
