// SPDX-License-Identifier: GPL-3.0-or-later
// One waypoint, and how it reads and writes itself in the record layouts.
#pragma once

#include "compacttext.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CArchive;

// A clean comment, 30 ASCII bytes at most, always fits inside.
using CCommentText = CCompactText<32>;

// What a GPX file held beyond a waypoint's fields (gpxkeep.h). Most
// waypoints hold none, so it costs them one pointer, not a whole string.
class CKeptText {
public:
    CKeptText() = default;
    CKeptText(const CKeptText& other) { *this = other; }
    CKeptText(CKeptText&&) noexcept = default;
    CKeptText& operator=(const CKeptText& other) { return *this = std::string(other.View()); }
    CKeptText& operator=(CKeptText&&) noexcept = default;
    CKeptText& operator=(std::string text) {
        m_pText = text.empty() ? nullptr : std::make_unique<std::string>(std::move(text));
        return *this;
    }

    std::string_view View() const { return m_pText ? *m_pText : std::string_view(); }
    operator std::string_view() const { return View(); }
    bool empty() const { return View().empty(); }
    std::size_t size() const { return View().size(); }
    // The text itself, to change in place (made when there was none).
    std::string& Edit() {
        if (!m_pText)
            m_pText = std::make_unique<std::string>();
        return *m_pText;
    }
    friend bool operator==(const CKeptText& a, const CKeptText& b) { return a.View() == b.View(); }

private:
    std::unique_ptr<std::string> m_pText;
};

// The record layouts: the native one; WPT's (latitude negated, icons below
// 42, no geocache flag or Additional Info); the legacy header's short one
// (the native record without those two).
enum class ERecordLayout { native, wpt, shortRecord };

class CWayEntry {
public:
    CWayEntry() = default;
    // Keeps the name as given; cleans the comment as the comment rule says.
    CWayEntry(const std::string& name, const std::string& comment, double latitude,
              double longitude, double altitude, std::uint8_t geocache, std::uint8_t visible);
    CWayEntry(const CWayEntry& other) = default;
    CWayEntry(CWayEntry&& other) noexcept = default;

    // Copies what a waypoint is, not where it stands relative to the reference
    // point or whether the next save takes it.
    CWayEntry& operator=(const CWayEntry& other);
    CWayEntry& operator=(CWayEntry&& other) noexcept;

    // Names lose every byte outside letters, digits, '.', '-' and space and are
    // cut to 8; comments are cut to 30 and such bytes become spaces.
    void Sanitize();
    void Serialize(CArchive& ar, ERecordLayout layout);

    // Entries come from a pool: opening a big file allocates a million of them.
    static void* operator new(std::size_t size);
    static void operator delete(void* p, std::size_t size);

    // True when everything the merge question compares is equal.
    bool SameWaypoint(const CWayEntry& other) const;

    static constexpr std::size_t kMaxName = 8;
    static constexpr std::size_t kMaxComment = 30;

    // The small fields share one 8-byte word, the kept text is a pointer and
    // a name (8 characters) or comment (30) is kept inside the entry: 104
    // bytes a waypoint and no heap block for either (a million of them is
    // memory the kernel zeroes on first touch).
    CCompactText<16> m_strName;
    CCommentText m_strComment;
    double m_dLatitude = 0.0;
    double m_dLongitude = 0.0;
    double m_dAltitude = 0.0;
    std::uint32_t m_nNumber = 0;
    std::uint8_t m_nIcon = 0;
    std::uint8_t m_bGeocache = 0;
    std::uint8_t m_bVisible = 1;
    std::uint8_t m_bSave = 1;
    CCompactText<16> m_strAdditionalInfo;
    // What a GPX file held beyond these fields; empty for the rest.
    CKeptText m_strKept;
};

// Letters and digits here are ASCII only: no character beyond ASCII counts.
constexpr bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == ' ';
}
CCommentText CleanComment(std::string_view comment);
