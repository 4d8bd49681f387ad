// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian binary reading and writing of the document files, with the
// length-prefixed strings every record uses. Failures throw CArchiveException.
#pragma once

#include "archiveexception.h"
#include "bytestream.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

class CArchive {
public:
    // A loading archive over source, or a storing one over sink; fileName is the
    // name the file formats look at (its extension) and that messages show.
    CArchive(CByteSource& source, std::string fileName);
    CArchive(CByteSink& sink, std::string fileName);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return m_pSource != nullptr; }
    bool IsStoring() const { return m_pSink != nullptr; }
    const std::string& GetFileName() const { return m_strFileName; }
    std::uint64_t GetPosition() const { return m_nPosition; }
    // Loading: bytes left to read, as far as the source knows.
    std::uint64_t GetRemaining() const { return Available(); }

    void WriteByte(std::uint8_t value) { Put(&value, 1); }
    void WriteUInt32(std::uint32_t value) { Put(&value, 4); }
    void WriteDouble(double value) { Put(&value, 8); }
    void WriteString(std::string_view value);
    void WriteRaw(std::string_view bytes); // text formats: the bytes as they are
    void Flush();                          // hands buffered bytes to the sink

    std::uint8_t ReadByte() { return Read<std::uint8_t>(); }
    std::uint32_t ReadUInt32() { return Read<std::uint32_t>(); }
    double ReadDouble() { return Read<double>(); }
    std::string ReadString();
    // The next string without a copy: a view into the buffer when it is held
    // there, else into spill. Good until the next read.
    std::string_view ReadStringView(std::string& spill);
    // The next bytes (up to n, at most 64 KiB), left unread: what formats are
    // told by.
    std::string_view Peek(std::size_t n);
    // Up to n raw bytes, fewer only at the end of the data.
    std::size_t ReadRaw(char* buffer, std::size_t n);

    [[noreturn]] void ThrowEndOfFile() const;

private:
    // The fields of a record are a few bytes each: copied here, inline, while
    // the buffer holds them or has room, and by the out-of-line half otherwise.
    void ReadExact(void* out, std::size_t n) {
        if (m_nBufEnd - m_nBufPos < n)
            return ReadRefilling(out, n);
        std::memcpy(out, m_buffer.data() + m_nBufPos, n);
        m_nBufPos += n;
        m_nPosition += n;
    }
    template <typename T> T Read() {
        T value{};
        ReadExact(&value, sizeof value);
        return value;
    }
    void Put(const void* data, std::size_t n) {
        if (m_nBufEnd + n > m_buffer.size())
            return PutFlushing(data, n);
        std::memcpy(m_buffer.data() + m_nBufEnd, data, n);
        m_nBufEnd += n;
        m_nPosition += n;
    }
    void ReadRefilling(void* out, std::size_t n);
    void PutFlushing(const void* data, std::size_t n);
    bool Refill();
    std::uint64_t Available() const;

    CByteSource* m_pSource = nullptr;
    CByteSink* m_pSink = nullptr;
    std::string m_strFileName;
    std::vector<char> m_buffer;
    std::size_t m_nBufPos = 0; // loading: next unread byte in m_buffer
    std::size_t m_nBufEnd = 0; // loading: bytes held; storing: bytes waiting
    std::uint64_t m_nPosition = 0;
};
