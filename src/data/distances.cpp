// SPDX-License-Identifier: GPL-3.0-or-later
#include "distances.h"

#include "cairnbookdoc.h"

#include <algorithm>
#include <optional>

std::optional<CLeg> CDistances::Measured(const CCairnbookDoc& doc, std::size_t place) {
    const CWayEntry* reference = doc.Reference();
    if (!reference)
        return std::nullopt;
    CLeg leg;
    leg.m_dMetres =
        CCairnbookDoc::Distance(*reference, *doc.Entries()[place], true, leg.m_nDirection) * 1000.0;
    return leg;
}

void CDistances::Measure(const CCairnbookDoc& doc) {
    const std::size_t n = doc.Entries().size();
    m_legs.resize(n);
    if (doc.Reference())
        for (std::size_t i = 0; i < n; ++i)
            m_legs[i] = *Measured(doc, i);
}

void CDistances::Follow(const CCairnbookDoc& doc, const CDocChange& change) {
    switch (change.m_kind) {
    case EDocChange::inserted:
        for (std::size_t place : change.m_places) { // rising: each is where it stands now
            const std::size_t at = std::min(place, m_legs.size());
            m_legs.insert(m_legs.begin() + static_cast<std::ptrdiff_t>(at),
                          Measured(doc, place).value_or(CLeg()));
        }
        break;
    case EDocChange::removed:
        for (auto it = change.m_places.rbegin(); it != change.m_places.rend(); ++it)
            if (*it < m_legs.size())
                m_legs.erase(m_legs.begin() + static_cast<std::ptrdiff_t>(*it));
        break;
    case EDocChange::changed: {
        // The reference point itself moved: every leg changes.
        const CWayEntry* reference = doc.Reference();
        for (std::size_t place : change.m_places)
            if (reference && doc.Entries()[place].get() == reference)
                return Measure(doc);
        m_legs.resize(doc.Entries().size());
        for (std::size_t place : change.m_places)
            if (auto leg = Measured(doc, place))
                m_legs[place] = *leg; // without a reference point, what was measured stays
        break;
    }
    case EDocChange::reference:
    case EDocChange::reset: Measure(doc); break;
    }
}
