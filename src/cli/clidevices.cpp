// SPDX-License-Identifier: GPL-3.0-or-later
// cairnbook-cli devices, send and receive.
#include "cli.h"
#include "clioptions.h"

#include "archiveexception.h"
#include "cairnbookdoc.h"
#include "numtext.h"
#include "receivers.h"
#include "sendfile.h"
#include "visits.h"

#include <filesystem>
#include <ostream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::string Size(std::uint64_t bytes) {
    if (bytes >= (std::uint64_t(1) << 30))
        return StrFormat("%.1f GB", double(bytes) / double(1 << 30));
    return StrFormat("%.1f MB", double(bytes) / double(1 << 20));
}

// --device DIR, else the one receiver found.
CReceiver Target(const CCliOptions& opt) {
    if (opt.m_device)
        return ReceiverAt(*opt.m_device);
    const std::vector<CReceiver> found = FindReceivers(DeviceRoots());
    if (found.empty())
        throw std::runtime_error("no receiver found; name a folder with --device DIR");
    if (found.size() > 1) {
        std::string names;
        for (const CReceiver& r : found)
            names += "\n  " + r.m_strName + ": --device " + r.m_strRoot;
        throw CUsageError{"more than one receiver found; choose one:" + names};
    }
    return found.front();
}

} // namespace

int Devices(std::ostream& out, std::ostream& err) {
    const std::vector<CReceiver> found = FindReceivers(DeviceRoots());
    if (found.empty()) {
        err << "cairnbook-cli: no receiver found\n";
        return kExitFile;
    }
    for (const CReceiver& r : found)
        out << EscapeCell(r.m_strName) << '\t' << EscapeCell(r.m_strGpxFolder) << '\t'
            << Size(FreeBytes(r.m_strRoot)) << " free\n";
    return kExitOk;
}

int Send(CCairnbookDoc& doc, const CCliOptions& opt, std::ostream& out) {
    const CReceiver to = Target(opt);
    std::string name = SentFileName(opt.m_files.front());
    if (fs::exists(fs::path(to.m_strGpxFolder) / name) && !opt.m_bReplace)
        name = KeepBothName(to.m_strGpxFolder, name);
    const std::vector<std::size_t> places = WithChildren(doc, SelectedPlaces(doc, opt));
    const CSentCount count = SendFile(doc, places, (fs::path(to.m_strGpxFolder) / name).string());
    out << SentMessage(count, ShortName(to)) << " as " << EscapeCell(name) << "\n";
    return kExitOk;
}

int Receive(const CCliOptions& opt, CCairnbookDoc& doc, std::ostream& out, std::ostream& err) {
    const CReceiver from = ReceiverAt(opt.m_files.front());
    const std::string& path = *opt.m_output;
    if (opt.m_bVisits) {
        doc.LoadFile(path);
        PrintNotices(doc, path, err);
        const CVisitMarks marks = MarkVisits(doc, ReadVisitsFile(from.m_strVisitsFile));
        for (const auto& [place, found] : marks.m_found)
            doc.AssignEntry(place, found);
        out << "Marked " << marks.m_found.size() << " caches found (" << marks.m_nAlready
            << " were already)\n";
        for (const CVisit& v : marks.m_missing)
            out << "Not in " << EscapeCell(fs::path(path).filename().string()) << ": "
                << EscapeCell(v.m_strCode) << '\t' << EscapeCell(v.m_strTime) << '\t'
                << EscapeCell(v.m_strType) << "\n";
        return marks.m_found.empty() ? kExitOk : Save(doc, opt, path, err);
    }
    const std::vector<std::string> files = GpxFilesIn(from.m_strGpxFolder);
    if (files.empty())
        throw std::runtime_error(from.m_strGpxFolder + ": no GPX file in it");
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i == 0)
            doc.LoadFile(files[i]);
        else
            doc.MergeFile(files[i]);
        PrintNotices(doc, files[i], err);
    }
    return Save(doc, opt, path, err);
}
