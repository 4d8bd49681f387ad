// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive.h"
#include "res/translate.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

static_assert(std::endian::native == std::endian::little,
              "the file layouts are little-endian; add byte swapping for this machine");

} // namespace

CArchive::CArchive(CByteSource& source, std::string fileName)
    : m_pSource(&source), m_strFileName(std::move(fileName)), m_buffer(kBufferSize) {}

CArchive::CArchive(CByteSink& sink, std::string fileName)
    : m_pSink(&sink), m_strFileName(std::move(fileName)), m_buffer(kBufferSize) {}

void CArchive::PutFlushing(const void* data, std::size_t n) {
    Flush();
    if (n > m_buffer.size()) {
        m_pSink->Write(static_cast<const char*>(data), n);
    } else {
        std::memcpy(m_buffer.data() + m_nBufEnd, data, n);
        m_nBufEnd += n;
    }
    m_nPosition += n;
}

void CArchive::Flush() {
    if (m_pSink && m_nBufEnd > 0) {
        m_pSink->Write(m_buffer.data(), m_nBufEnd);
        m_nBufEnd = 0;
    }
}

void CArchive::WriteRaw(std::string_view bytes) {
    Put(bytes.data(), bytes.size());
}

void CArchive::WriteString(std::string_view value) {
    const std::size_t n = value.size();
    if (n < 255) {
        WriteByte(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteByte(0xFF);
        const auto len16 = static_cast<std::uint16_t>(n);
        Put(&len16, 2);
    } else {
        WriteByte(0xFF);
        const std::uint16_t marker = 0xFFFF;
        Put(&marker, 2);
        WriteUInt32(static_cast<std::uint32_t>(n));
    }
    Put(value.data(), n);
}

bool CArchive::Refill() {
    const std::size_t left = m_nBufEnd - m_nBufPos;
    std::memmove(m_buffer.data(), m_buffer.data() + m_nBufPos, left);
    m_nBufPos = 0;
    m_nBufEnd = left;
    const std::size_t got = m_pSource->Read(m_buffer.data() + left, m_buffer.size() - left);
    m_nBufEnd += got;
    return got > 0;
}

std::string_view CArchive::Peek(std::size_t n) {
    n = std::min(n, m_buffer.size());
    while (m_nBufEnd - m_nBufPos < n && Refill()) {
    }
    return {m_buffer.data() + m_nBufPos, std::min(n, m_nBufEnd - m_nBufPos)};
}

std::uint64_t CArchive::Available() const {
    return (m_nBufEnd - m_nBufPos) + m_pSource->Remaining();
}

void CArchive::ThrowEndOfFile() const {
    throw CArchiveException(CArchiveException::endOfFile, m_strFileName, m_nPosition,
                            TRANSLATE_NOOP("res", "the file ends early"));
}

void CArchive::ReadRefilling(void* out, std::size_t n) {
    while (m_nBufEnd - m_nBufPos < n) {
        if (!Refill())
            ThrowEndOfFile();
    }
    std::memcpy(out, m_buffer.data() + m_nBufPos, n);
    m_nBufPos += n;
    m_nPosition += n;
}

std::string CArchive::ReadString() {
    std::string spill;
    const std::string_view value = ReadStringView(spill);
    if (!spill.empty())
        return spill;
    return std::string(value);
}

std::string_view CArchive::ReadStringView(std::string& spill) {
    std::uint32_t n = ReadByte();
    if (n == 0xFF) {
        std::uint16_t len16 = 0;
        ReadExact(&len16, 2);
        n = len16;
        if (n == 0xFFFF)
            n = ReadUInt32();
    }
    // Most strings are in the buffer already.
    if (n <= m_nBufEnd - m_nBufPos) {
        const std::string_view value(m_buffer.data() + m_nBufPos, n);
        m_nBufPos += n;
        m_nPosition += n;
        return value;
    }
    // A length beyond the data can only be damage: fail before allocating it.
    if (n > Available())
        ThrowEndOfFile();
    spill.assign(n, '\0');
    if (n <= m_buffer.size()) {
        ReadExact(spill.data(), n);
    } else {
        std::size_t done = ReadRaw(spill.data(), n);
        if (done < n)
            ThrowEndOfFile();
    }
    return spill;
}

std::size_t CArchive::ReadRaw(char* buffer, std::size_t n) {
    std::size_t done = std::min(n, m_nBufEnd - m_nBufPos);
    std::memcpy(buffer, m_buffer.data() + m_nBufPos, done);
    m_nBufPos += done;
    while (done < n) {
        const std::size_t got = m_pSource->Read(buffer + done, n - done);
        if (got == 0)
            break;
        done += got;
    }
    m_nPosition += done;
    return done;
}
