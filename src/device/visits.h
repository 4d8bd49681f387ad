// SPDX-License-Identifier: GPL-3.0-or-later
// The caches a receiver logged: its visits file, UTF-16 with a byte-order
// mark, one line per visit: CODE,2024-06-01T10:00Z,Found it,"text".
#pragma once

#include "wayentry.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CCairnbookDoc;

struct CVisit {
    std::string m_strCode, m_strTime, m_strType, m_strText;
    bool Found() const; // "Found it", "Attended", "Webcam Photo Taken"
};

// Lines that are no visit are passed over. UTF-8 is read too.
std::vector<CVisit> ReadVisits(std::string_view bytes);
// The visits file at path; throws CArchiveException when it cannot be read.
std::vector<CVisit> ReadVisitsFile(const std::string& path);

struct CVisitMarks {
    // (place, the waypoint as it becomes): caches the document did not hold
    // as found, now found on the visit's date.
    std::vector<std::pair<std::size_t, CWayEntry>> m_found;
    std::vector<CVisit> m_missing; // visits of caches the document does not hold
    std::size_t m_nAlready = 0;    // found caches already marked found
};
CVisitMarks MarkVisits(const CCairnbookDoc& doc, const std::vector<CVisit>& visits);
