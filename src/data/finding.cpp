// SPDX-License-Identifier: GPL-3.0-or-later
#include "finding.h"

#include "utf8text.h"

#include <algorithm>

namespace {

bool Holds(const CWayEntry& e, std::string_view folded) {
    return utf8::ContainsNoCase(e.m_strName, folded) ||
           utf8::ContainsNoCase(e.m_strComment, folded) ||
           utf8::ContainsNoCase(e.m_strAdditionalInfo, folded);
}

} // namespace

std::optional<std::size_t> FindWaypoint(const std::vector<std::unique_ptr<CWayEntry>>& entries,
                                        std::string_view needle, std::size_t from, bool forward) {
    const std::size_t n = entries.size();
    if (needle.empty() || n == 0)
        return std::nullopt;
    const std::string folded = utf8::Folded(needle);
    from = std::min(from, n - 1);
    for (std::size_t step = 1; step <= n; ++step) {
        const std::size_t i = forward ? (from + step) % n : (from + n - step % n) % n;
        if (Holds(*entries[i], folded))
            return i;
    }
    return std::nullopt;
}
