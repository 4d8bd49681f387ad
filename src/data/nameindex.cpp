// SPDX-License-Identifier: GPL-3.0-or-later
#include "nameindex.h"

#include "hugeblocks.h"
#include "wayentry.h"

#include <bit>
#include <cstring>
#include <exception>
#include <new>
#include <random>
#include <utility>

namespace {

// One wide multiply, folded: every bit of either word reaches the result.
std::uint64_t Mix(std::uint64_t a, std::uint64_t b) {
    const unsigned __int128 m = static_cast<unsigned __int128>(a) * b;
    return static_cast<std::uint64_t>(m) ^ static_cast<std::uint64_t>(m >> 64);
}

std::uint64_t Word(const char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

} // namespace

std::uint64_t CNameIndex::Hash(std::string_view name) {
    // Names are 8 characters or so: two loads and one wide multiply, folded,
    // instead of the library's loop. The constants are mixed with a seed of
    // the process's own, so that a file cannot be made of names that all land
    // in one slot; longer names (other scripts) are folded in 16 bytes at a
    // time with the same seed, since the library's hash has none.
    static const std::uint64_t kSeed = []() -> std::uint64_t {
        try {
            std::random_device random;
            return std::uint64_t(random()) << 32 | random();
        } catch (const std::exception&) { // no source of entropy: still a sound index
            return 0;
        }
    }();
    constexpr std::uint64_t kA = 0x9E3779B97F4A7C15ull, kB = 0xC2B2AE3D27D4EB4Full;
    const std::size_t n = name.size();
    const char* p = name.data();
    std::uint64_t a = 0, b = 0;
    if (n > 16) {
        // Every 16 bytes, the last ones overlapping; each step takes the state
        // along, so the order of the pieces counts.
        std::uint64_t state = kSeed ^ kA ^ n;
        for (std::size_t i = 0; i + 16 < n; i += 16)
            state = Mix(Word(p + i) ^ kA ^ kSeed, Word(p + i + 8) ^ state);
        a = Word(p + n - 16) ^ state;
        b = Word(p + n - 8);
    } else if (n >= 8) { // the two words overlap below 16 bytes
        a = Word(p);
        b = Word(p + n - 8);
    } else if (n >= 4) {
        std::uint32_t x, y;
        std::memcpy(&x, p, 4);
        std::memcpy(&y, p + n - 4, 4);
        a = x, b = y;
    } else if (n > 0) {
        a = static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[n / 2]) << 8 |
            static_cast<unsigned char>(p[n - 1]) << 16;
    }
    return Mix(a ^ kSeed ^ kA ^ n, b ^ std::rotl(kSeed, 32) ^ kB);
}

std::size_t CNameIndex::FindSlot(std::string_view name, std::uint64_t hash) const {
    const std::size_t mask = m_nSlots - 1;
    const Slot tag = Tag(hash);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot slot = m_slots[i];
        if (!slot || ((slot & kTagMask) == tag && EntryOf(slot)->m_strName == name))
            return i;
    }
}

CWayEntry* CNameIndex::Find(std::string_view name) const {
    if (m_nCount == 0)
        return nullptr;
    return EntryOf(m_slots[FindSlot(name, Hash(name))]);
}

CWayEntry* CNameIndex::FindOrInsert(CWayEntry* entry) {
    static_assert(alignof(CWayEntry) > kTagMask, "the tag lives in the address's low bits");
    if ((m_nCount + 1) * 2 > m_nSlots)
        Grow((m_nCount + 1) * 2);
    const std::uint64_t hash = Hash(entry->m_strName);
    Slot& slot = m_slots[FindSlot(entry->m_strName, hash)];
    if (slot)
        return EntryOf(slot);
    slot = reinterpret_cast<Slot>(entry) | Tag(hash);
    ++m_nCount;
    return nullptr;
}

bool CNameIndex::Erase(const CWayEntry* entry) {
    if (m_nCount == 0)
        return false;
    const std::size_t mask = m_nSlots - 1;
    std::size_t hole = FindSlot(entry->m_strName, Hash(entry->m_strName));
    if (EntryOf(m_slots[hole]) != entry)
        return false;
    // Shift later members of the probe run back so no look-up stops early.
    // Their homes come from their names, which stay as indexed: a document
    // renames an entry only after taking it out.
    for (std::size_t j = (hole + 1) & mask; m_slots[j]; j = (j + 1) & mask) {
        const std::size_t home = Hash(EntryOf(m_slots[j])->m_strName) & mask;
        if (((j - home) & mask) >= ((j - hole) & mask)) {
            m_slots[hole] = m_slots[j];
            hole = j;
        }
    }
    m_slots[hole] = 0;
    --m_nCount;
    return true;
}

void CNameIndex::Reserve(std::size_t count) {
    if (count * 2 > m_nSlots)
        Grow(count * 2);
}

CNameIndex::~CNameIndex() {
    Clear();
}

void CNameIndex::Clear() {
    FreeHugeBlock(m_slots, m_nSlots * sizeof(Slot));
    m_slots = nullptr;
    m_nSlots = 0;
    m_nCount = 0;
}

void CNameIndex::Grow(std::size_t minSlots) {
    std::size_t size = 16;
    while (size < minSlots)
        size *= 2;
    auto* slots = static_cast<Slot*>(AllocateHugeBlock(size * sizeof(Slot)));
    if (!slots)
        throw std::bad_alloc();
    const std::size_t mask = size - 1;
    for (std::size_t k = 0; k < m_nSlots; ++k) {
        const Slot s = m_slots[k];
        if (!s)
            continue;
        std::size_t i = Hash(EntryOf(s)->m_strName) & mask;
        while (slots[i])
            i = (i + 1) & mask;
        slots[i] = s;
    }
    FreeHugeBlock(m_slots, m_nSlots * sizeof(Slot));
    m_slots = slots;
    m_nSlots = size;
}
