// Saving so that the target is always the whole old or the whole new file.
#include "archiveexception.h"
#include "bytestream.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinkHops = 40;
constexpr auto kStaleAfter = std::chrono::minutes(2);

// The file a chain of links ends at, existing or not: a dangling link makes
// the file it names.
std::string FollowLinks(std::string path) {
    std::error_code ec;
    for (int hop = 0; hop < kMaxLinkHops && fs::is_symlink(path, ec); ++hop) {
        const fs::path to = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = (to.is_absolute() ? to : fs::path(path).parent_path() / to).lexically_normal();
    }
    return path;
}

fs::path Folder(const std::string& target) {
    const fs::path dir = fs::path(target).parent_path();
    return dir.empty() ? fs::path(".") : dir;
}

std::string TempPrefix(const std::string& target) {
    return "." + fs::path(target).filename().string() + ".";
}

// Temporaries an earlier save of this target left when it was killed.
void RemoveStaleTemporaries(const std::string& target) {
    std::error_code ec;
    const std::string prefix = TempPrefix(target);
    const auto now = fs::file_time_type::clock::now();
    for (const auto& entry : fs::directory_iterator(Folder(target), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const auto when = fs::last_write_time(entry.path(), ec);
        if (!ec && now - when > kStaleAfter)
            fs::remove(entry.path(), ec);
    }
}

mode_t CreationMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const fs::path& dir) {
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

CSafeFileSink::CSafeFileSink(std::string targetPath)
    : m_strTarget(FollowLinks(std::move(targetPath))) {}

CSafeFileSink::~CSafeFileSink() {
    Discard();
}

void CSafeFileSink::Open() {
    struct stat st {};
    const bool exists = stat(m_strTarget.c_str(), &st) == 0;
    // A device, pipe or socket is written where it is: renaming a file over it
    // would replace it.
    if (exists && !S_ISREG(st.st_mode)) {
        m_bDirect = true;
        m_pFile = std::fopen(m_strTarget.c_str(), "wb");
        if (!m_pFile)
            Fail("cannot write", errno);
        return;
    }
    // Renaming would replace a file the user may not write: refuse as writing would.
    if (exists && access(m_strTarget.c_str(), W_OK) != 0)
        Fail("cannot write", errno);
    const std::string dir = Folder(m_strTarget).string();
    RemoveStaleTemporaries(m_strTarget);
    OpenUnnamed(dir);
    if (!m_pFile)
        OpenNamed(dir);
    std::setvbuf(m_pFile, nullptr, _IOFBF, 1 << 16);
}

void CSafeFileSink::OpenUnnamed(const std::string& dir) {
    // No name at all until the file is complete: a killed save leaves nothing.
    const int fd = open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, CreationMode());
    if (fd < 0)
        return; // a file system without unnamed files
    m_pFile = fdopen(fd, "wb");
    if (!m_pFile)
        close(fd);
    m_bUnnamed = m_pFile != nullptr;
}

void CSafeFileSink::OpenNamed(const std::string& dir) {
    std::string pattern = (fs::path(dir) / (TempPrefix(m_strTarget) + "XXXXXX")).string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0)
        Fail("cannot create a file in its folder", errno);
    m_strTemp = pattern;
    fchmod(fd, CreationMode());
    m_pFile = fdopen(fd, "wb");
    if (!m_pFile) {
        const int error = errno;
        close(fd);
        Fail("cannot write", error);
    }
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
    if (std::fflush(m_pFile) != 0)
        Fail("cannot write", errno);
    if (fsync(fileno(m_pFile)) != 0 && !(m_bDirect && (errno == EINVAL || errno == EROFS)))
        Fail("cannot write", errno);
    if (!m_bDirect)
        Publish();
    std::FILE* file = std::exchange(m_pFile, nullptr);
    if (std::fclose(file) != 0 && m_bDirect)
        Fail("cannot write", errno);
}

void CSafeFileSink::Publish() {
    const int fd = fileno(m_pFile);
    // An existing file keeps its permissions; a new one has the usual ones.
    struct stat st {};
    if (stat(m_strTarget.c_str(), &st) == 0)
        fchmod(fd, st.st_mode & 07777);
    if (m_bUnnamed) {
        // Named in the folder for the moment before the rename, no longer.
        std::string name = (Folder(m_strTarget) / (TempPrefix(m_strTarget) + "XXXXXX")).string();
        for (int attempt = 0; attempt < 100 && m_strTemp.empty(); ++attempt) {
            name.replace(name.size() - 6, 6,
                         std::to_string(100000 + (getpid() + attempt) % 900000));
            const std::string self = "/proc/self/fd/" + std::to_string(fd);
            if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
                m_strTemp = name;
            else if (errno != EEXIST)
                Fail("cannot create a file in its folder", errno);
        }
        if (m_strTemp.empty())
            Fail("cannot create a file in its folder", EEXIST);
    }
    if (std::rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0)
        Fail("cannot replace the file", errno);
    m_strTemp.clear();
    SyncFolder(Folder(m_strTarget)); // the new name survives a power cut
}

void CSafeFileSink::Fail(const std::string& what, int error) {
    const std::uint64_t at = m_nWritten;
    Discard();
    throw CArchiveException(CArchiveException::fileError, m_strTarget, at,
                            what + ": " + std::strerror(error));
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
