// SPDX-License-Identifier: GPL-3.0-or-later
#include "visits.h"

#include "archiveexception.h"
#include "cachestatus.h"
#include "cairnbookdoc.h"
#include "receivers.h"
#include "utf8text.h"

namespace {

std::string Decoded(std::string_view bytes) {
    const bool le = bytes.starts_with("\xFF\xFE"), be = bytes.starts_with("\xFE\xFF");
    if (!le && !be)
        return utf8::Valid(bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes);
    std::string out;
    out.reserve(bytes.size() / 2);
    auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]),
                   b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(le ? a | b << 8 : a << 8 | b);
    };
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD; // a lone surrogate
        }
        utf8::Append(out, cp);
    }
    return out;
}

// One line's fields; a quoted field may hold commas, doubled quotes and
// line breaks. at moves to the next line.
std::vector<std::string> Fields(std::string_view text, std::size_t& at) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (quoted) {
            if (c == '"' && at + 1 < text.size() && text[at + 1] == '"')
                fields.back() += text[++at];
            else if (c == '"')
                quoted = false;
            else
                fields.back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c == '\n') {
            ++at;
            break;
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    return fields;
}

// "2024-06-01T10:00Z" as the listing's logs write their dates.
std::string LogDate(const std::string& time) {
    if (time.size() == 17 && time[16] == 'Z')
        return time.substr(0, 16) + ":00Z";
    return time;
}

} // namespace

bool CVisit::Found() const {
    return m_strType == "Found it" || m_strType == "Attended" || m_strType == "Webcam Photo Taken";
}

std::vector<CVisit> ReadVisits(std::string_view bytes) {
    const std::string text = Decoded(bytes);
    std::vector<CVisit> visits;
    for (std::size_t at = 0; at < text.size();) {
        std::vector<std::string> f = Fields(text, at);
        if (f.size() < 3 || f[0].empty() || f[1].size() < 10)
            continue;
        visits.push_back({f[0], f[1], f[2], f.size() > 3 ? f[3] : std::string()});
    }
    return visits;
}

std::vector<CVisit> ReadVisitsFile(const std::string& path) {
    // Years of logs are a few megabytes; more is no receiver's file.
    constexpr std::uintmax_t kMaxBytes = 64 << 20;
    const std::optional<std::string> bytes = ReadDriveFile(path, kMaxBytes);
    if (!bytes)
        throw CArchiveException(CArchiveException::fileError, path, 0,
                                "it cannot be read, or it is larger than any visits file");
    return ReadVisits(*bytes);
}

CVisitMarks MarkVisits(const CCairnbookDoc& doc, const std::vector<CVisit>& visits) {
    CVisitMarks marks;
    for (const CVisit& v : visits) {
        CWayEntry* e = doc.FindByName(v.m_strCode);
        if (!e) {
            marks.m_missing.push_back(v);
            continue;
        }
        if (!v.Found())
            continue;
        const std::size_t place = static_cast<std::size_t>(doc.IndexOf(e));
        bool seen = false;
        for (const auto& [p, entry] : marks.m_found)
            seen = seen || p == place;
        if (seen || CacheStateOf(*e).m_bFound) {
            marks.m_nAlready += !seen;
            continue;
        }
        CWayEntry found = *e;
        found.m_strKept =
            MarkedFound(*e, doc.GpxFile(), LogDate(v.m_strTime), v.m_strType, v.m_strText);
        marks.m_found.emplace_back(place, std::move(found));
    }
    return marks;
}
