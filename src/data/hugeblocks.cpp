// SPDX-License-Identifier: GPL-3.0-or-later
#include "hugeblocks.h"

#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace {

constexpr std::size_t kBlockSize = std::size_t(2) << 20;

} // namespace

// Sanitizer and fuzzing builds define CAIRNBOOK_PLAIN_ALLOC: every block and
// pooled object then comes from malloc, so AddressSanitizer sees each waypoint
// and each index on its own and reports a use after free or an overflow that a
// pool would hide.
#ifdef CAIRNBOOK_PLAIN_ALLOC
void* AllocateHugeBlock(std::size_t bytes) {
    return std::calloc(1, bytes);
}

void FreeHugeBlock(void* block, std::size_t) {
    std::free(block);
}
#else
void* AllocateHugeBlock(std::size_t bytes) {
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        return nullptr;
    if (bytes >= kBlockSize)
        madvise(p, bytes, MADV_HUGEPAGE); // a hint: without huge pages it still works
    return p;
}

void FreeHugeBlock(void* block, std::size_t bytes) {
    if (block)
        munmap(block, bytes);
}
#endif

CObjectPool::CObjectPool(std::size_t objectSize)
    : m_nSize((objectSize + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) *
              alignof(std::max_align_t)) {}

CObjectPool::~CObjectPool() {
    while (m_pBlocks) {
        Block* prev = m_pBlocks->m_pPrev;
        void* data = m_pBlocks->m_pData;
        delete m_pBlocks;
        FreeHugeBlock(data, kBlockSize);
        m_pBlocks = prev;
    }
}

void* CObjectPool::Allocate() {
#ifdef CAIRNBOOK_PLAIN_ALLOC
    return ::operator new(m_nSize);
#endif
    if (m_pFree) {
        FreeNode* node = m_pFree;
        m_pFree = node->m_pNext;
        return node;
    }
    if (m_pNext == nullptr || m_pNext + m_nSize > m_pEnd) {
        void* data = AllocateHugeBlock(kBlockSize);
        if (!data)
            throw std::bad_alloc();
        m_pBlocks = new Block{data, m_pBlocks};
        m_pNext = static_cast<char*>(data);
        m_pEnd = m_pNext + kBlockSize;
    }
    void* p = m_pNext;
    m_pNext += m_nSize;
    return p;
}

void CObjectPool::Free(void* object) {
#ifdef CAIRNBOOK_PLAIN_ALLOC
    ::operator delete(object);
    return;
#endif
    auto* node = static_cast<FreeNode*>(object);
    node->m_pNext = m_pFree;
    m_pFree = node;
}
