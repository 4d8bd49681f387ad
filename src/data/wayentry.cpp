// SPDX-License-Identifier: GPL-3.0-or-later
#include "wayentry.h"

#include "archive.h"
#include "cp1252.h"
#include "hugeblocks.h"
#include "utf8text.h"

#include <array>
#include <mutex>
#include <utility>

namespace {

struct CEntryPool {
    std::mutex m_mutex;
    CObjectPool m_pool{sizeof(CWayEntry), alignof(CWayEntry)};
};

// Never destroyed, so entries of static documents may outlive everything else.
CEntryPool& EntryPool() {
    static CEntryPool* pool = new CEntryPool;
    return *pool;
}

} // namespace

void* CWayEntry::operator new(std::size_t size) {
    if (size != sizeof(CWayEntry))
        return ::operator new(size);
    CEntryPool& pool = EntryPool();
    std::lock_guard lock(pool.m_mutex);
    return pool.m_pool.Allocate();
}

void CWayEntry::operator delete(void* p, std::size_t size) {
    if (!p)
        return;
    if (size != sizeof(CWayEntry)) {
        ::operator delete(p);
        return;
    }
    CEntryPool& pool = EntryPool();
    std::lock_guard lock(pool.m_mutex);
    pool.m_pool.Free(p);
}

CCommentText CleanComment(std::string_view comment) {
    // Counted and replaced by characters: "é" is one space, not two.
    static constexpr auto kKept = [] {
        std::array<char, 128> map{};
        for (int c = 0; c < 128; ++c)
            map[std::size_t(c)] = IsNameChar(char(c)) ? char(c) : ' '; // a space stays one
        return map;
    }();
    static_assert(CWayEntry::kMaxComment <= CCommentText::kInline);
    CCommentText out;
    // Most comments: a byte a character, so their first bytes are the ones kept.
    const std::string_view head = comment.substr(0, CWayEntry::kMaxComment);
    if (utf8::IsAscii(head)) {
        char* to = out.Fill(head.size());
        for (const char c : head)
            *to++ = kKept[static_cast<unsigned char>(c)];
        return out;
    }
    const std::string_view kept = utf8::Prefix(comment, CWayEntry::kMaxComment);
    char* to = out.Fill(utf8::Length(kept)); // a byte for each character
    for (std::size_t pos = 0; pos < kept.size();) {
        const auto byte = static_cast<unsigned char>(kept[pos]);
        if (byte < 0x80)
            *to++ = kKept[byte], ++pos;
        else
            *to++ = ' ', utf8::Decode(kept, pos);
    }
    return out;
}

CWayEntry::CWayEntry(const std::string& name, const std::string& comment, double latitude,
                     double longitude, double altitude, std::uint8_t geocache, std::uint8_t visible)
    : m_strName(name), m_strComment(CleanComment(comment)), m_dLatitude(latitude),
      m_dLongitude(longitude), m_dAltitude(altitude), m_bGeocache(geocache), m_bVisible(visible) {}

namespace {

// What a waypoint is, copied or moved: not its distance, direction or save mark.
template <typename Entry> void AssignWaypoint(CWayEntry& to, Entry&& from) {
    to.m_bGeocache = from.m_bGeocache;
    to.m_bVisible = from.m_bVisible;
    to.m_nIcon = from.m_nIcon;
    to.m_nNumber = from.m_nNumber;
    to.m_dAltitude = from.m_dAltitude;
    to.m_dLatitude = from.m_dLatitude;
    to.m_dLongitude = from.m_dLongitude;
    to.m_strComment = std::forward<Entry>(from).m_strComment;
    to.m_strName = std::forward<Entry>(from).m_strName;
    to.m_strAdditionalInfo = std::forward<Entry>(from).m_strAdditionalInfo;
    to.m_strKept = std::forward<Entry>(from).m_strKept;
}

} // namespace

CWayEntry& CWayEntry::operator=(const CWayEntry& other) {
    if (this != &other)
        AssignWaypoint(*this, other);
    return *this;
}

CWayEntry& CWayEntry::operator=(CWayEntry&& other) noexcept {
    if (this != &other)
        AssignWaypoint(*this, std::move(other));
    return *this;
}

void CWayEntry::Sanitize() {
    // Every byte of a character beyond ASCII is 0x80 or more: none is kept.
    std::string name;
    for (char c : m_strName)
        if (IsNameChar(c))
            name += c;
    if (name.size() > kMaxName)
        name.resize(kMaxName);
    m_strName = std::move(name);
    m_strComment = CleanComment(m_strComment);
}

bool CWayEntry::SameWaypoint(const CWayEntry& other) const {
    return m_strComment == other.m_strComment && m_dLatitude == other.m_dLatitude &&
           m_dLongitude == other.m_dLongitude && m_dAltitude == other.m_dAltitude &&
           m_bVisible == other.m_bVisible && m_strAdditionalInfo == other.m_strAdditionalInfo &&
           m_nIcon == other.m_nIcon;
}

void CWayEntry::Serialize(CArchive& ar, ERecordLayout layout) {
    const bool wpt = layout == ERecordLayout::wpt, native = layout == ERecordLayout::native;
    if (ar.IsStoring()) {
        // The files hold Windows-1252; what it cannot hold the save warned of.
        // ASCII, most text, is the same in both and goes without a copy.
        auto writeText = [&ar](std::string_view text) {
            if (utf8::IsAscii(text))
                ar.WriteString(text);
            else
                ar.WriteString(cp1252::FromUtf8(text));
        };
        writeText(m_strName);
        writeText(m_strComment);
        ar.WriteUInt32(m_nNumber);
        ar.WriteByte(wpt ? m_nIcon % 42 : m_nIcon);
        ar.WriteByte(m_bVisible);
        ar.WriteDouble(m_dAltitude);
        ar.WriteDouble(m_dLongitude);
        ar.WriteDouble(wpt ? m_dLatitude * -1.0 : m_dLatitude);
        if (native) {
            ar.WriteByte(m_bGeocache);
            writeText(m_strAdditionalInfo);
        }
        return;
    }
    std::string spill;
    auto readText = [&ar, &spill](auto& text) {
        const std::string_view bytes = ar.ReadStringView(spill);
        if (utf8::IsAscii(bytes))
            text = bytes;
        else
            text = cp1252::ToUtf8(bytes);
    };
    readText(m_strName);
    readText(m_strComment);
    m_nNumber = ar.ReadUInt32();
    m_nIcon = ar.ReadByte();
    m_bVisible = ar.ReadByte();
    m_dAltitude = ar.ReadDouble();
    m_dLongitude = ar.ReadDouble();
    m_dLatitude = ar.ReadDouble();
    if (wpt)
        m_dLatitude *= -1.0;
    if (native) {
        m_bGeocache = ar.ReadByte();
        readText(m_strAdditionalInfo);
    }
}
