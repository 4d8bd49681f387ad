// SPDX-License-Identifier: GPL-3.0-or-later
// Where an archive's bytes come from and go to: a file or a memory buffer.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class CProgress;

// Tells progress of every step of bytes through a file, and stops the
// transfer (CArchiveException::cancelled) when it says so.
class CProgressTeller {
public:
    void Follow(CProgress* progress, bool saving) { m_pProgress = progress, m_bSaving = saving; }
    void Tell(const std::string& path, std::uint64_t done, std::uint64_t total);
    static constexpr std::uint64_t kStep = std::uint64_t(1) << 20;

private:
    CProgress* m_pProgress = nullptr;
    bool m_bSaving = false;
    std::uint64_t m_nNext = kStep;
};

class CByteSource {
public:
    virtual ~CByteSource() = default;
    // Reads up to n bytes; returns how many were read (0 at the end).
    virtual std::size_t Read(char* buffer, std::size_t n) = 0;
    // Bytes left before the end, as far as the source knows.
    virtual std::uint64_t Remaining() const = 0;
    virtual std::uint64_t Position() const = 0;
};

class CMemorySource : public CByteSource {
public:
    explicit CMemorySource(std::string bytes) : m_data(std::move(bytes)) {}
    std::size_t Read(char* buffer, std::size_t n) override;
    std::uint64_t Remaining() const override { return m_data.size() - m_nPos; }
    std::uint64_t Position() const override { return m_nPos; }

private:
    std::string m_data;
    std::size_t m_nPos = 0;
};

// Reads a file through a large buffer of its own; throws CArchiveException on failure.
// A file, or a stream read to its end: a pipe, a socket, or "-" for
// standard input (held in memory, at most kMaxStreamBytes). Devices are
// refused: /dev/zero would never end.
class CFileSource : public CByteSource {
public:
    explicit CFileSource(const std::string& path);
    static constexpr std::uint64_t kMaxStreamBytes = std::uint64_t(1) << 30;
    // The name messages use: the path, or "standard input".
    const std::string& Name() const { return m_strPath; }
    ~CFileSource() override;
    CFileSource(const CFileSource&) = delete;
    CFileSource& operator=(const CFileSource&) = delete;

    std::size_t Read(char* buffer, std::size_t n) override;
    std::uint64_t Remaining() const override { return m_nSize - m_nPos; }
    std::uint64_t Position() const override { return m_nPos; }
    std::uint64_t Size() const { return m_nSize; }
    void SetProgress(CProgress* progress) { m_progress.Follow(progress, false); }

private:
    void ReadStream(int fd);
    CProgressTeller m_progress;

    std::string m_strPath;
    std::FILE* m_pFile = nullptr;
    std::unique_ptr<CMemorySource> m_pStream; // all a stream gave
    std::uint64_t m_nSize = 0;
    std::uint64_t m_nPos = 0;
};

class CByteSink {
public:
    virtual ~CByteSink() = default;
    virtual void Write(const char* data, std::size_t n) = 0;
};

class CMemorySink : public CByteSink {
public:
    void Write(const char* data, std::size_t n) override { m_data.append(data, n); }
    const std::string& Bytes() const { return m_data; }

private:
    std::string m_data;
};

// Removes temporaries that killed saves left in folder (of target's saves
// only, when target is given): files named and marked as ours that no save
// holds open. Files of other names, or held, are never touched.
void RemoveLeftoverTemporaries(const std::string& folder, const std::string& target = {});

// Writes to a temporary file beside the target, created at the first write, and
// puts it in the target's place only on Commit: an existing target stays as it was
// unless the whole file was written.
class CSafeFileSink : public CByteSink {
public:
    explicit CSafeFileSink(std::string targetPath);
    ~CSafeFileSink() override; // drops an uncommitted file
    CSafeFileSink(const CSafeFileSink&) = delete;
    CSafeFileSink& operator=(const CSafeFileSink&) = delete;

    void Write(const char* data, std::size_t n) override;
    void Commit(); // throws CArchiveException when the file cannot be completed
    std::uint64_t Written() const { return m_nWritten; }
    // expected: the bytes the whole file will have, as far as known (0: not).
    void SetProgress(CProgress* progress, std::uint64_t expected) {
        m_progress.Follow(progress, true);
        m_nExpected = expected;
    }

private:
    void Open();
    void OpenDirect(bool pipe);
    void OpenUnnamed(const std::string& dir);
    void OpenNamed(const std::string& dir);
    void Publish();
    [[noreturn]] void Fail(const std::string& what, int error);
    void Discard();

    std::string m_strTarget;
    std::string m_strTemp; // the temporary's name while it has one
    std::FILE* m_pFile = nullptr;
    bool m_bDirect = false;  // the target is no regular file: written in place
    bool m_bUnnamed = false; // an O_TMPFILE file, named only when complete
    std::uint64_t m_nWritten = 0;
    CProgressTeller m_progress;
    std::uint64_t m_nExpected = 0;
};
