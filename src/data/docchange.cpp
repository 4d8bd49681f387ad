// SPDX-License-Identifier: GPL-3.0-or-later
#include "docchange.h"

#include <algorithm>

namespace {

// Entries inserted one by one at rising places, or removed one by one from
// the highest place down, are one change of all of them: those orders keep
// every place already noted right.
bool Extends(const CDocChange& held, const CDocChange& next) {
    if (held.m_places.empty() || next.m_places.size() != 1)
        return false;
    const std::size_t place = next.m_places.front();
    switch (held.m_kind) {
    case EDocChange::inserted: return place > held.m_places.back();
    case EDocChange::removed: return place < held.m_places.back(); // held highest first
    default: return false;
    }
}

} // namespace

void CDocChange::Fold(const CDocChange& next) {
    if (m_kind == EDocChange::reset)
        return;
    if (next.m_kind == m_kind && m_kind == EDocChange::reference)
        return;
    if (next.m_kind == m_kind && m_kind == EDocChange::changed) {
        std::vector<std::size_t> both;
        std::set_union(m_places.begin(), m_places.end(), next.m_places.begin(), next.m_places.end(),
                       std::back_inserter(both));
        m_places = std::move(both);
        return;
    }
    if (next.m_kind == m_kind && Extends(*this, next)) {
        m_places.push_back(next.m_places.front());
        return;
    }
    m_kind = EDocChange::reset;
    m_places.clear();
}

void CDocChange::Finish() {
    if (m_kind == EDocChange::removed)
        std::reverse(m_places.begin(), m_places.end());
}
