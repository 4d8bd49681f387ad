// SPDX-License-Identifier: GPL-3.0-or-later
#include "nameindex.h"
#include "wayentry.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>

namespace {

// Random inserts and erases against a plain map: catches probe runs broken by
// erasure and entries lost when the table grows.
TEST(NameIndex, MatchesAReferenceMapUnderChurn) {
    std::mt19937 rng(99);
    std::vector<std::unique_ptr<CWayEntry>> pool;
    for (int i = 0; i < 3000; ++i) {
        pool.push_back(std::make_unique<CWayEntry>());
        // Every name twice, and every length the hash reads differently (1 to
        // 45: up to two 16-byte steps before the last, overlapping, ones).
        const int k = i % 1500;
        pool.back()->m_strName = std::string(std::size_t(k % 41), '.') + "N" + std::to_string(k);
    }
    CNameIndex index;
    std::map<std::string, CWayEntry*> reference;
    for (int step = 0; step < 40000; ++step) {
        CWayEntry* e = pool[rng() % pool.size()].get();
        if (rng() % 3) {
            CWayEntry* had = index.FindOrInsert(e);
            auto [it, inserted] = reference.try_emplace(e->m_strName.str(), e);
            ASSERT_EQ(had, inserted ? nullptr : it->second);
        } else {
            const bool erased = index.Erase(e);
            auto it = reference.find(e->m_strName.str());
            const bool expected = it != reference.end() && it->second == e;
            ASSERT_EQ(erased, expected);
            if (expected)
                reference.erase(it);
        }
        if (step % 997 == 0) {
            for (const auto& [name, entry] : reference) {
                ASSERT_EQ(index.Find(name), entry) << name;
            }
        }
    }
    EXPECT_EQ(index.Size(), reference.size());
    EXPECT_EQ(index.Find("absent"), nullptr);
}

} // namespace
