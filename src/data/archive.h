// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian binary reading and writing of the document files, with the
// length-prefixed strings every record uses. Failures throw CArchiveException.
#pragma once

#include "archiveexception.h"
#include "bytestream.h"

#include <cstdint>
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

    void WriteByte(std::uint8_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteDouble(double value);
    void WriteString(const std::string& value);
    void WriteRaw(std::string_view bytes); // text formats: the bytes as they are
    void Flush();                          // hands buffered bytes to the sink

    std::uint8_t ReadByte();
    std::uint32_t ReadUInt32();
    double ReadDouble();
    std::string ReadString();
    // The next bytes (up to n, at most 64 KiB), left unread: what formats are
    // told by.
    std::string_view Peek(std::size_t n);
    // Up to n raw bytes, fewer only at the end of the data.
    std::size_t ReadRaw(char* buffer, std::size_t n);

    [[noreturn]] void ThrowEndOfFile() const;

private:
    void ReadExact(void* out, std::size_t n);
    void Put(const void* data, std::size_t n);
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
