// SPDX-License-Identifier: GPL-3.0-or-later
#include "hugeblocks.h"

#include <algorithm>
#include <cstdint>
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
namespace {

// Large blocks take whole huge pages: a kernel maps a huge page only where
// the mapping covers an aligned 2 MiB, which a plain mmap rarely starts on.
std::size_t Mapped(std::size_t bytes) {
    return bytes < kBlockSize ? bytes : (bytes + kBlockSize - 1) / kBlockSize * kBlockSize;
}

} // namespace

void* AllocateHugeBlock(std::size_t bytes) {
    const std::size_t size = Mapped(bytes);
    if (size < kBlockSize) {
        void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        return p == MAP_FAILED ? nullptr : p;
    }
    // One huge page more than needed, then the unaligned ends given back.
    void* raw = mmap(nullptr, size + kBlockSize, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    auto* begin = static_cast<char*>(raw);
    char* start =
        begin + (kBlockSize - reinterpret_cast<std::uintptr_t>(begin) % kBlockSize) % kBlockSize;
    if (start > begin)
        munmap(begin, std::size_t(start - begin));
    if (char* end = begin + size + kBlockSize; end > start + size)
        munmap(start + size, std::size_t(end - (start + size)));
    madvise(start, size, MADV_HUGEPAGE); // a hint: without huge pages it still works
    return start;
}

void FreeHugeBlock(void* block, std::size_t bytes) {
    if (block)
        munmap(block, Mapped(bytes));
}
#endif

CObjectPool::CObjectPool(std::size_t objectSize, std::size_t alignment) {
    // A free object holds the free list's link.
    alignment = std::max(alignment, alignof(FreeNode));
    m_nSize = (std::max(objectSize, sizeof(FreeNode)) + alignment - 1) / alignment * alignment;
}

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
