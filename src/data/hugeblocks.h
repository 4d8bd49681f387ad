// SPDX-License-Identifier: GPL-3.0-or-later
// Large, zero-initialised memory blocks that the kernel may back with huge
// pages: filling a million-entry document then costs a few page faults
// instead of tens of thousands.
#pragma once

#include <cstddef>

void* AllocateHugeBlock(std::size_t bytes); // nullptr when out of memory
void FreeHugeBlock(void* block, std::size_t bytes);

// Fixed-size objects carved from huge blocks, recycled through a free list.
class CObjectPool {
public:
    // Objects are spaced by their own alignment, not malloc's 16 bytes: a
    // 104-byte waypoint then takes 104 bytes, not 112.
    CObjectPool(std::size_t objectSize, std::size_t alignment);
    ~CObjectPool();
    CObjectPool(const CObjectPool&) = delete;
    CObjectPool& operator=(const CObjectPool&) = delete;

    void* Allocate(); // throws std::bad_alloc
    void Free(void* object);

private:
    struct FreeNode {
        FreeNode* m_pNext;
    };
    std::size_t m_nSize;
    FreeNode* m_pFree = nullptr;
    char* m_pNext = nullptr;
    char* m_pEnd = nullptr;
    struct Block {
        void* m_pData;
        Block* m_pPrev;
    };
    Block* m_pBlocks = nullptr;
};
