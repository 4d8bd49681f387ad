// SPDX-License-Identifier: GPL-3.0-or-later
// Finding receivers: mounted file systems (and folders named in
// CAIRNBOOK_DEVICE_ROOTS) whose root holds a Garmin folder. One with a device
// description is a receiver's memory; one without is its memory card, or
// some other drive laid out the same way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CReceiver {
    std::string m_strRoot;  // the mount point
    std::string m_strName;  // "eTrex 32x (internal memory)", "eTrex 32x (card)", "USB drive"
    std::string m_strModel; // "eTrex 32x"; empty when the drive does not say
    std::string m_strId;
    std::string m_strGpxFolder;  // absolute; may not exist yet
    std::string m_strVisitsFile; // absolute; may not exist
    bool m_bCard = false;
};

// The mount points of /proc/self/mountinfo's text, unescaped, without the
// kernel's own file systems and network shares (a hung server must not hang
// the menu).
std::vector<std::string> MountPoints(std::string_view mountinfo);
// The mount points of this process and the folders of CAIRNBOOK_DEVICE_ROOTS.
std::vector<std::string> DeviceRoots();
// The receivers among roots, in their order; cards are named after the
// receiver when exactly one is found.
std::vector<CReceiver> FindReceivers(const std::vector<std::string>& roots);
// The receiver whose drive is mounted at dir, or dir as a plain folder to
// send to and receive from (what Choose Folder... gives), named after it.
CReceiver ReceiverAt(const std::string& dir);
// The GPX files of a receiver's folder, by name.
std::vector<std::string> GpxFilesIn(const std::string& folder);
// The entry of folder named name in any case ("garmin", "GPX"); empty when none.
std::string ChildNoCase(const std::string& folder, std::string_view name);
// "eTrex 32x" in messages: the model, else the entry's name.
std::string ShortName(const CReceiver& receiver);
// A file of a drive read whole; nothing when it cannot be read or holds more
// than limit bytes (a drive is anybody's).
std::optional<std::string> ReadDriveFile(const std::string& path, std::uintmax_t limit);
// Free bytes of the file system holding path; 0 when unknown.
std::uint64_t FreeBytes(const std::string& path);
