// SPDX-License-Identifier: GPL-3.0-or-later
// Saving so that the target is always the whole old or the whole new file.
#include "archiveexception.h"
#include "bytestream.h"
#include "res/translate.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinkHops = 40;
// A temporary's name: ".NAME.cairnbook-save-XXXXXX", a marker no user picks.
constexpr const char* kTempMarker = "cairnbook-save-";
// And its extended attribute, where the file system keeps them.
constexpr const char* kTempAttribute = "user.cairnbook.save";
constexpr int kReaderWaitMs = 500; // for a pipe's reader to appear

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
    return "." + fs::path(target).filename().string() + "." + kTempMarker;
}

// Marks an open temporary as ours, and holds a lock on it while this save
// lives: a later cleanup removes only marked files nobody holds.
void MarkAsOurs(int fd) {
    fsetxattr(fd, kTempAttribute, "1", 1, 0); // not every file system keeps them
    flock(fd, LOCK_EX | LOCK_NB);
}

// A leftover of a killed save: our name, our mark (where marks are kept),
// and no save holding it now.
bool IsLeftover(const fs::path& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    char mark = 0;
    const ssize_t marked = fgetxattr(fd, kTempAttribute, &mark, 1);
    const bool ours = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                      (marked == 1 ? mark == '1' : errno == ENOTSUP || errno == EOPNOTSUPP);
    const bool free = ours && flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd); // lets the lock go
    return free;
}

} // namespace

void RemoveLeftoverTemporaries(const std::string& folder, const std::string& target) {
    std::error_code ec;
    const std::string prefix = target.empty() ? std::string() : TempPrefix(FollowLinks(target));
    for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, ec)) {
        const std::string name = entry.path().filename().string();
        const std::size_t marker = name.rfind(kTempMarker);
        // ".NAME." before the marker, six characters after it.
        if (name.size() < 2 || name[0] != '.' || marker == std::string::npos || marker < 2 ||
            name[marker - 1] != '.' || name.size() != marker + std::strlen(kTempMarker) + 6)
            continue;
        if (!prefix.empty() && name.compare(0, prefix.size(), prefix) != 0)
            continue;
        if (IsLeftover(entry.path()))
            fs::remove(entry.path(), ec);
    }
}

namespace {

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
        OpenDirect(S_ISFIFO(st.st_mode));
        return;
    }
    // Renaming would replace a file the user may not write: refuse as writing would.
    if (exists && access(m_strTarget.c_str(), W_OK) != 0)
        Fail(TRANSLATE_NOOP("res", "cannot write"), errno);
    const std::string dir = Folder(m_strTarget).string();
    RemoveLeftoverTemporaries(dir, m_strTarget);
    OpenUnnamed(dir);
    if (!m_pFile)
        OpenNamed(dir);
    std::setvbuf(m_pFile, nullptr, _IOFBF, 1 << 16);
}

void CSafeFileSink::OpenDirect(bool pipe) {
    // A pipe is opened without waiting: with nobody reading, opening it would
    // block for good. A reader gets a moment to appear.
    int fd = -1;
    for (int waited = 0;; waited += 25) {
        fd = open(m_strTarget.c_str(), O_WRONLY | O_CLOEXEC | (pipe ? O_NONBLOCK : 0));
        if (fd >= 0 || errno != ENXIO || waited >= kReaderWaitMs)
            break;
        usleep(25000);
    }
    if (fd < 0 && errno == ENXIO)
        Fail(TRANSLATE_NOOP("res", "nobody is reading it"), ENXIO);
    if (fd < 0)
        Fail(TRANSLATE_NOOP("res", "cannot write"), errno);
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_pFile = fdopen(fd, "wb");
    if (!m_pFile) {
        const int error = errno;
        close(fd);
        Fail(TRANSLATE_NOOP("res", "cannot write"), error);
    }
}

void CSafeFileSink::OpenUnnamed(const std::string& dir) {
    // No name at all until the file is complete: a killed save leaves nothing.
    const int fd = open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, CreationMode());
    if (fd < 0)
        return; // a file system without unnamed files
    MarkAsOurs(fd);
    m_pFile = fdopen(fd, "wb");
    if (!m_pFile)
        close(fd);
    m_bUnnamed = m_pFile != nullptr;
}

void CSafeFileSink::OpenNamed(const std::string& dir) {
    std::string pattern = (fs::path(dir) / (TempPrefix(m_strTarget) + "XXXXXX")).string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0)
        Fail(TRANSLATE_NOOP("res", "cannot create a file in its folder"), errno);
    m_strTemp = pattern;
    fchmod(fd, CreationMode());
    MarkAsOurs(fd);
    m_pFile = fdopen(fd, "wb");
    if (!m_pFile) {
        const int error = errno;
        close(fd);
        Fail(TRANSLATE_NOOP("res", "cannot write"), error);
    }
}

void CSafeFileSink::Write(const char* data, std::size_t n) {
    if (!m_pFile)
        Open();
    if (std::fwrite(data, 1, n, m_pFile) != n)
        Fail(TRANSLATE_NOOP("res", "cannot write"), errno);
    m_nWritten += n;
    m_progress.Tell(m_strTarget, m_nWritten, std::max(m_nExpected, m_nWritten));
}

void CSafeFileSink::Commit() {
    if (!m_pFile)
        Open();
    if (std::fflush(m_pFile) != 0)
        Fail(TRANSLATE_NOOP("res", "cannot write"), errno);
    if (fsync(fileno(m_pFile)) != 0 && !(m_bDirect && (errno == EINVAL || errno == EROFS)))
        Fail(TRANSLATE_NOOP("res", "cannot write"), errno);
    if (!m_bDirect)
        Publish();
    std::FILE* file = std::exchange(m_pFile, nullptr);
    if (std::fclose(file) != 0 && m_bDirect)
        Fail(TRANSLATE_NOOP("res", "cannot write"), errno);
}

void CSafeFileSink::Publish() {
    const int fd = fileno(m_pFile);
    // An existing file keeps its permissions; a new one has the usual ones.
    struct stat st {};
    if (stat(m_strTarget.c_str(), &st) == 0)
        fchmod(fd, st.st_mode & 07777);
    if (m_bUnnamed) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        // A new file takes its name at once, complete: nothing stands beside it.
        if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, m_strTarget.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            SyncFolder(Folder(m_strTarget));
            return;
        }
        if (errno != EEXIST)
            Fail(TRANSLATE_NOOP("res", "cannot create a file in its folder"), errno);
        // Named in the folder for the moment before the rename, no longer; a
        // kill in that moment leaves a marked file the next save or open clears.
        std::string name = (Folder(m_strTarget) / (TempPrefix(m_strTarget) + "XXXXXX")).string();
        for (int attempt = 0; attempt < 100 && m_strTemp.empty(); ++attempt) {
            name.replace(name.size() - 6, 6,
                         std::to_string(100000 + (getpid() + attempt) % 900000));
            if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
                m_strTemp = name;
            else if (errno != EEXIST)
                Fail(TRANSLATE_NOOP("res", "cannot create a file in its folder"), errno);
        }
        if (m_strTemp.empty())
            Fail(TRANSLATE_NOOP("res", "cannot create a file in its folder"), EEXIST);
    }
    if (std::rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0)
        Fail(TRANSLATE_NOOP("res", "cannot replace the file"), errno);
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
