// SPDX-License-Identifier: GPL-3.0-or-later
#include "receivers.h"

#include "garmindevice.h"
#include "utf8text.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kMaxDescriptionBytes = 1 << 20;

// The kernel writes space, tab, newline and backslash in paths as \ooo.
std::string Unescaped(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool octal = field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' &&
                           field[i + 1] <= '3' && field[i + 2] >= '0' && field[i + 2] <= '7' &&
                           field[i + 3] >= '0' && field[i + 3] <= '7';
        if (octal) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool Skipped(std::string_view type) {
    for (std::string_view t :
         {"proc",    "sysfs",       "devtmpfs", "devpts",  "securityfs", "cgroup",    "cgroup2",
          "pstore",  "bpf",         "debugfs",  "tracefs", "mqueue",     "hugetlbfs", "configfs",
          "fusectl", "binfmt_misc", "autofs",   "nsfs",    "nfs",        "nfs4",      "cifs",
          "smb3",    "fuse.sshfs",  "9p",       "ceph"})
        if (type == t)
            return true;
    return false;
}

// A path from the drive's root, each folder found in any case; the names it
// lacks are added as written.
std::string UnderRoot(const std::string& root, std::string_view relative) {
    std::string at = root;
    bool found = true;
    std::size_t start = 0;
    while (start <= relative.size()) {
        const std::size_t end = std::min(relative.find('/', start), relative.size());
        const std::string_view part = relative.substr(start, end - start);
        start = end + 1;
        if (part.empty())
            continue;
        const std::string child = found ? ChildNoCase(at, part) : std::string();
        found = !child.empty();
        at = (fs::path(at) / (found ? child : std::string(part))).string();
    }
    return at;
}

} // namespace

std::vector<std::string> MountPoints(std::string_view mountinfo) {
    std::vector<std::string> points;
    std::istringstream in{std::string(mountinfo)};
    for (std::string line; std::getline(in, line);) {
        // id parent major:minor root mountpoint options [tags...] - type source super
        std::istringstream fields(line);
        std::string id, parent, device, root, point, word;
        if (!(fields >> id >> parent >> device >> root >> point))
            continue;
        while (fields >> word && word != "-") {
        }
        std::string type;
        fields >> type;
        if (!Skipped(type))
            points.push_back(Unescaped(point));
    }
    return points;
}

std::vector<std::string> DeviceRoots() {
    std::ifstream in("/proc/self/mountinfo");
    std::vector<std::string> roots =
        MountPoints(std::string(std::istreambuf_iterator<char>(in), {}));
    if (const char* env = std::getenv("CAIRNBOOK_DEVICE_ROOTS")) {
        std::istringstream list{std::string(env)};
        for (std::string folder; std::getline(list, folder, ':');)
            if (!folder.empty())
                roots.push_back(folder);
    }
    return roots;
}

std::string ChildNoCase(const std::string& folder, std::string_view name) {
    std::error_code ec;
    if (fs::exists(fs::path(folder) / name, ec))
        return std::string(name);
    const std::string want = utf8::AsciiLower(name);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (utf8::AsciiLower(it->path().filename().string()) == want)
            return it->path().filename().string();
    return {};
}

std::vector<CReceiver> FindReceivers(const std::vector<std::string>& roots) {
    std::vector<CReceiver> found;
    for (const std::string& root : roots) {
        const std::string garmin = ChildNoCase(root, "Garmin");
        std::error_code ec;
        if (garmin.empty() || !fs::is_directory(fs::path(root) / garmin, ec))
            continue;
        bool seen = false;
        for (const CReceiver& r : found)
            seen = seen || fs::equivalent(r.m_strRoot, root, ec);
        if (seen)
            continue;
        CReceiver r;
        r.m_strRoot = root;
        const std::string file =
            ChildNoCase((fs::path(root) / garmin).string(), "GarminDevice.xml");
        std::optional<CDeviceDescription> desc;
        if (!file.empty())
            if (const auto xml =
                    ReadDriveFile((fs::path(root) / garmin / file).string(), kMaxDescriptionBytes))
                desc = ReadDeviceDescription(*xml);
        r.m_bCard = file.empty();
        const CDeviceDescription d = desc.value_or(CDeviceDescription{});
        r.m_strModel = d.m_strModel;
        r.m_strId = d.m_strId;
        r.m_strGpxFolder = UnderRoot(root, d.m_strGpxFolder);
        r.m_strVisitsFile = UnderRoot(root, d.m_strVisitsFile);
        r.m_strName = r.m_strModel.empty() ? (r.m_bCard ? "" : "USB drive")
                                           : r.m_strModel + " (internal memory)";
        found.push_back(std::move(r));
    }
    // A card does not say whose it is: the one receiver's, when there is one.
    std::string model;
    int receivers = 0;
    for (const CReceiver& r : found)
        if (!r.m_strModel.empty())
            (model = r.m_strModel, ++receivers);
    for (CReceiver& r : found)
        if (r.m_bCard) {
            r.m_strModel = receivers == 1 ? model : std::string();
            r.m_strName = receivers == 1 ? model + " (card)" : "Memory card";
        }
    return found;
}

CReceiver ReceiverAt(const std::string& dir) {
    std::vector<CReceiver> found = FindReceivers({dir});
    if (!found.empty())
        return std::move(found.front());
    CReceiver r;
    r.m_strRoot = r.m_strGpxFolder = dir;
    r.m_strName = fs::path(dir).lexically_normal().parent_path().filename().string();
    if (const std::string name = fs::path(dir).filename().string(); !name.empty())
        r.m_strName = name;
    r.m_strVisitsFile = (fs::path(dir) / "geocache_visits.txt").string();
    return r;
}

std::vector<std::string> GpxFilesIn(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (utf8::AsciiLower(it->path().extension().string()) == ".gpx" && it->is_regular_file(ec))
            files.push_back(it->path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ShortName(const CReceiver& receiver) {
    return receiver.m_strModel.empty() ? receiver.m_strName : receiver.m_strModel;
}

std::optional<std::string> ReadDriveFile(const std::string& path, std::uintmax_t limit) {
    std::error_code ec;
    if (fs::file_size(path, ec) > limit || ec)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::uint64_t FreeBytes(const std::string& path) {
    struct statvfs st {};
    if (statvfs(path.c_str(), &st) != 0)
        return 0;
    return std::uint64_t(st.f_bavail) * st.f_frsize;
}
