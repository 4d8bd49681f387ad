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
