// SPDX-License-Identifier: GPL-3.0-or-later
#include "bytestream.h"

#include "archiveexception.h"
#include "prompt.h"
#include "res/translate.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string SystemReason(int error) {
    return std::strerror(error);
}

} // namespace

std::size_t CMemorySource::Read(char* buffer, std::size_t n) {
    const std::size_t count = std::min(n, m_data.size() - m_nPos);
    std::memcpy(buffer, m_data.data() + m_nPos, count);
    m_nPos += count;
    return count;
}

CFileSource::CFileSource(const std::string& path)
    : m_strPath(path == "-" ? "standard input" : path) {
    std::error_code ec;
    if (path != "-" && fs::is_directory(path, ec))
        throw CArchiveException(CArchiveException::fileError, path, 0,
                                TRANSLATE_NOOP("res", "it is a folder, not a file"));
    // Not blocking: a pipe nobody writes to reads as empty instead of waiting.
    const int fd = path == "-" ? dup(STDIN_FILENO) : open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        throw CArchiveException(CArchiveException::fileError, m_strPath, 0, SystemReason(errno));
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        const int error = errno;
        close(fd);
        throw CArchiveException(CArchiveException::fileError, m_strPath, 0, SystemReason(error));
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)) {
        ReadStream(fd);
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        throw CArchiveException(CArchiveException::fileError, m_strPath, 0,
                                TRANSLATE_NOOP("res", "it is a device, not a file"));
    }
    m_pFile = fdopen(fd, "rb");
    if (!m_pFile) {
        const int error = errno;
        close(fd);
        throw CArchiveException(CArchiveException::fileError, m_strPath, 0, SystemReason(error));
    }
    m_nSize = static_cast<std::uint64_t>(st.st_size);
    std::setvbuf(m_pFile, nullptr, _IOFBF, 1 << 16);
}

void CFileSource::ReadStream(int fd) {
    // Read to its end first, so that every length in it can be checked
    // against what is really there.
    std::string bytes;
    char chunk[1 << 16];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n == 0)
            break;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || bytes.size() + static_cast<std::size_t>(n) > kMaxStreamBytes) {
            const int error = errno;
            close(fd);
            throw CArchiveException(
                CArchiveException::fileError, m_strPath, bytes.size(),
                n < 0 ? SystemReason(error)
                      : "more than 1 GiB came from it, more than is read from a stream");
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    close(fd);
    m_nSize = bytes.size();
    m_pStream = std::make_unique<CMemorySource>(std::move(bytes));
}

CFileSource::~CFileSource() {
    if (m_pFile)
        std::fclose(m_pFile);
}

void CProgressTeller::Tell(const std::string& path, std::uint64_t done, std::uint64_t total) {
    if (!m_pProgress || done < m_nNext)
        return;
    m_nNext = done + kStep;
    if (!m_pProgress->Step(path, m_bSaving, done, total))
        throw CArchiveException(CArchiveException::cancelled, path, done,
                                m_bSaving ? "saving was cancelled" : "reading was cancelled");
}

std::size_t CFileSource::Read(char* buffer, std::size_t n) {
    if (m_pStream) {
        const std::size_t count = m_pStream->Read(buffer, n);
        m_nPos += count;
        return count;
    }
    const std::size_t count = std::fread(buffer, 1, n, m_pFile);
    if (count < n && std::ferror(m_pFile))
        throw CArchiveException(CArchiveException::fileError, m_strPath, m_nPos + count,
                                SystemReason(errno));
    m_nPos += count;
    if (m_nPos > m_nSize)
        m_nSize = m_nPos; // the file grew, or is not a regular file
    m_progress.Tell(m_strPath, m_nPos, m_nSize);
    return count;
}
