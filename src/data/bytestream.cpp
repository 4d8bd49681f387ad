#include "bytestream.h"

#include "archiveexception.h"

#include <cerrno>
#include <cstring>
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

CFileSource::CFileSource(const std::string& path) : m_strPath(path) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        throw CArchiveException(CArchiveException::fileError, path, 0,
                                "it is a folder, not a file");
    m_pFile = std::fopen(path.c_str(), "rb");
    if (!m_pFile)
        throw CArchiveException(CArchiveException::fileError, path, 0, SystemReason(errno));
    struct stat st {};
    if (fstat(fileno(m_pFile), &st) == 0 && S_ISREG(st.st_mode))
        m_nSize = static_cast<std::uint64_t>(st.st_size);
    std::setvbuf(m_pFile, nullptr, _IOFBF, 1 << 16);
}

CFileSource::~CFileSource() {
    if (m_pFile)
        std::fclose(m_pFile);
}

std::size_t CFileSource::Read(char* buffer, std::size_t n) {
    const std::size_t count = std::fread(buffer, 1, n, m_pFile);
    if (count < n && std::ferror(m_pFile))
        throw CArchiveException(CArchiveException::fileError, m_strPath, m_nPos + count,
                                SystemReason(errno));
    m_nPos += count;
    if (m_nPos > m_nSize)
        m_nSize = m_nPos; // the file grew, or is not a regular file
    return count;
}

CSafeFileSink::CSafeFileSink(std::string targetPath) : m_strTarget(std::move(targetPath)) {
    // A link is written through: the file it points at gets the new contents.
    std::error_code ec;
    if (fs::is_symlink(m_strTarget, ec)) {
        const fs::path real = fs::weakly_canonical(m_strTarget, ec);
        if (!ec)
            m_strTarget = real.string();
    }
}

CSafeFileSink::~CSafeFileSink() {
    Discard();
}

void CSafeFileSink::Open() {
    // Renaming would replace a file the user may not write: refuse as writing would.
    if (access(m_strTarget.c_str(), F_OK) == 0 && access(m_strTarget.c_str(), W_OK) != 0)
        Fail("cannot write", errno);
    const fs::path target(m_strTarget);
    fs::path dir = target.parent_path();
    if (dir.empty())
        dir = ".";
    std::string pattern = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0)
        Fail("cannot create a file in its folder", errno);
    m_strTemp = pattern;
    m_pFile = fdopen(fd, "wb");
    if (!m_pFile) {
        const int error = errno;
        close(fd);
        Fail("cannot write", error);
    }
    std::setvbuf(m_pFile, nullptr, _IOFBF, 1 << 16);
}

void CSafeFileSink::Write(const char* data, std::size_t n) {
    if (!m_pFile)
        Open();
    if (std::fwrite(data, 1, n, m_pFile) != n)
        Fail("cannot write", errno);
    m_nWritten += n;
}

void CSafeFileSink::Commit() {
    if (!m_pFile)
        Open();
    if (std::fflush(m_pFile) != 0 || fsync(fileno(m_pFile)) != 0)
        Fail("cannot write", errno);
    std::FILE* file = m_pFile;
    m_pFile = nullptr;
    if (std::fclose(file) != 0)
        Fail("cannot write", errno);
    // mkstemp creates the file for its owner only; a new file gets the usual
    // permissions, an existing one keeps its own.
    struct stat st {};
    if (stat(m_strTarget.c_str(), &st) == 0) {
        chmod(m_strTemp.c_str(), st.st_mode & 07777);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        chmod(m_strTemp.c_str(), 0666 & ~mask);
    }
    if (std::rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0)
        Fail("cannot replace the file", errno);
    m_strTemp.clear();
}

void CSafeFileSink::Fail(const std::string& what, int error) {
    const std::uint64_t at = m_nWritten;
    Discard();
    throw CArchiveException(CArchiveException::fileError, m_strTarget, at,
                            what + ": " + SystemReason(error));
}

void CSafeFileSink::Discard() {
    if (m_pFile) {
        std::fclose(m_pFile);
        m_pFile = nullptr;
    }
    if (!m_strTemp.empty()) {
        std::remove(m_strTemp.c_str());
        m_strTemp.clear();
    }
}
