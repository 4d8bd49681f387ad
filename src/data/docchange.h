// SPDX-License-Identifier: GPL-3.0-or-later
// What one document operation changed, as every window of the document is
// told it: the kind and the places concerned.
#pragma once

#include <cstddef>
#include <vector>

enum class EDocChange {
    inserted,  // m_places: where the new entries stand now, ascending
    removed,   // m_places: where the removed entries stood, ascending
    changed,   // m_places: entries whose fields changed, ascending
    reference, // the reference point moved: every distance and direction
    reset      // anything may have changed: windows start again
};

struct CDocChange {
    EDocChange m_kind = EDocChange::reset;
    std::vector<std::size_t> m_places;

    // Folds next into this, as a batch of operations tells its windows once;
    // what cannot be said as one list of places becomes a reset.
    // While folding, removed places are held highest first; Finish puts
    // them in the rising order the change is told in.
    void Fold(const CDocChange& next);
    void Finish();
};
