// SPDX-License-Identifier: GPL-3.0-or-later
// The document's look-up of entries by name: open addressing over one flat
// array, so a look-up costs about one cache miss even with a million names.
#pragma once

#include <cstdint>
#include <string_view>

class CWayEntry;

class CNameIndex {
public:
    CNameIndex() = default;
    ~CNameIndex();
    CNameIndex(const CNameIndex&) = delete;
    CNameIndex& operator=(const CNameIndex&) = delete;

    CWayEntry* Find(std::string_view name) const;
    // Indexes entry under its current name unless that name is already taken.
    void Insert(CWayEntry* entry) { FindOrInsert(entry); }
    // One probe for both: the entry already indexed under entry's name, or
    // nullptr after indexing entry.
    CWayEntry* FindOrInsert(CWayEntry* entry);
    // Forgets entry if it is the one indexed under its current name.
    bool Erase(const CWayEntry* entry);
    void Reserve(std::size_t count);
    // Starts fetching the slot a look-up of name begins at, so that a batch
    // of names waits for memory once instead of once each.
    void Prefetch(std::string_view name) const {
        if (m_nSlots)
            __builtin_prefetch(&m_slots[Hash(name) & (m_nSlots - 1)], 1);
    }
    void Clear();
    std::size_t Size() const { return m_nCount; }

private:
    // An entry's address with the top three bits of its name's hash in the
    // low bits that the entry's alignment leaves free: half the memory of
    // hash and address side by side, and a probe seldom reads an entry that
    // is not the one looked for. 0: empty.
    using Slot = std::uintptr_t;
    static constexpr Slot kTagMask = 7;
    static Slot Tag(std::uint64_t hash) { return static_cast<Slot>(hash >> 61); }
    static CWayEntry* EntryOf(Slot slot) { return reinterpret_cast<CWayEntry*>(slot & ~kTagMask); }
    static std::uint64_t Hash(std::string_view name);
    std::size_t FindSlot(std::string_view name, std::uint64_t hash) const;
    void Grow(std::size_t minSlots);

    Slot* m_slots = nullptr; // zero-filled: every slot empty
    std::size_t m_nSlots = 0;
    std::size_t m_nCount = 0;
};
