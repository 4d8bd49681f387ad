// SPDX-License-Identifier: GPL-3.0-or-later
// The registry of file formats, and what is made from it.
#include "fileformat.h"

#include "archive.h"
#include "cairnbookdoc.h"
#include "res/translate.h"
#include "utf8text.h"

#include <algorithm>

// Each format's own file defines its accessor. Adding a format: its file,
// and a line in this list.
const CFileFormat& WptFormat();
const CFileFormat& LocFormat();
const CFileFormat& GpxFormat();
const CFileFormat& ZipFormat();

const std::vector<const CFileFormat*>& FileFormats() {
    static const std::vector<const CFileFormat*> formats = {
        &NativeFormat(), &WptFormat(), &LocFormat(), &GpxFormat(), &ZipFormat()};
    return formats;
}

void CFileFormat::Write(CCairnbookDoc&, CArchive& ar) const {
    throw CArchiveException(CArchiveException::badFormat, ar.GetFileName(), 0,
                            Description() + " cannot be written");
}

std::string CFileFormat::Losses(const CCairnbookDoc&) const {
    return {};
}

namespace {

std::string Pattern(const CFileFormat& f) {
    return "*." + f.Extension();
}

} // namespace

const CFileFormat* FormatOfName(std::string_view name) {
    const std::size_t slash = name.find_last_of('/');
    const std::string_view base = slash == std::string_view::npos ? name : name.substr(slash + 1);
    const std::size_t dot = base.rfind('.');
    if (dot == std::string_view::npos)
        return nullptr;
    const std::string ext = utf8::Folded(base.substr(dot + 1));
    for (const CFileFormat* f : FileFormats())
        if (f->Extension() == ext)
            return f;
    return nullptr;
}

const CFileFormat* FormatForWriting(std::string_view name) {
    const CFileFormat* f = FormatOfName(name);
    if (!f)
        return &NativeFormat();
    return f->CanWrite() ? f : nullptr;
}

const CFileFormat& FormatForReading(std::string_view head, std::string_view name) {
    for (const CFileFormat* f : FileFormats())
        if (f->Recognises(head))
            return *f;
    const CFileFormat* f = FormatOfName(name);
    return f ? *f : NativeFormat();
}

std::string OpenFilter() {
    std::string patterns, each;
    for (const CFileFormat* f : FileFormats()) {
        patterns += (patterns.empty() ? "" : " ") + Pattern(*f);
        each += f->Description() + "|" + Pattern(*f) + "|";
    }
    std::string joined = patterns;
    std::replace(joined.begin(), joined.end(), ' ', ';');
    return "All readable files (" + patterns + ")|" + joined + "|" + each +
           TRANSLATE_NOOP("res", "All Files (*.*)") + "|*||";
}

std::string MergeFilter() {
    std::string out;
    for (const CFileFormat* f : FileFormats())
        out += f->Description() + "|" + Pattern(*f) + "|";
    return out + TRANSLATE_NOOP("res", "Text Files (.txt)") + "|*.txt|" +
           TRANSLATE_NOOP("res", "All Files") + "|*.*||";
}

std::string ExportFilter() {
    std::vector<const CFileFormat*> offered;
    for (const CFileFormat* f : FileFormats())
        if (f->CanWrite() && f->ExportRank() >= 0)
            offered.push_back(f);
    std::stable_sort(offered.begin(), offered.end(),
                     [](auto* a, auto* b) { return a->ExportRank() < b->ExportRank(); });
    std::string out;
    for (const CFileFormat* f : offered)
        out += f->Description() + "|" + Pattern(*f) + "|";
    return out + "|";
}

std::string SaveAsFilter() {
    std::string out;
    for (const CFileFormat* f : FileFormats())
        if (f->CanWrite())
            out += f->Description() + "|" + Pattern(*f) + "|";
    return out + TRANSLATE_NOOP("res", "All Files (*.*)") + "|*||";
}

std::string FilterExtension(const std::string& filter, int filterIndex) {
    // Patterns stand at the odd places of "desc|pattern|desc|pattern||".
    std::size_t start = 0;
    for (int field = 0; field < 2 * (filterIndex - 1) + 1; ++field) {
        start = filter.find('|', start);
        if (start == std::string::npos)
            return std::string();
        ++start;
    }
    const std::string pattern = filter.substr(start, filter.find('|', start) - start);
    if (!pattern.starts_with("*.") || pattern == "*.*" || pattern.find(';') != std::string::npos)
        return std::string();
    return pattern.substr(1);
}

std::string FormatTable() {
    std::string out = "| Format | Extension | Written | Keeps |\n|---|---|---|---|\n";
    for (const CFileFormat* f : FileFormats())
        out += "| " + f->Description() + " | `." + f->Extension() + "` | " +
               (f->CanWrite() ? "yes" : "no (read only)") + " | " + f->Keeps() + " |\n";
    return out;
}

std::string WrittenExtensions(bool written) {
    std::string out;
    for (const CFileFormat* f : FileFormats())
        if (f->CanWrite() == written)
            out += " ." + f->Extension();
    return out;
}

std::string FormatHelp() {
    return "Formats are told by content when read; OUT's extension chooses the one written\n"
           "(written:" +
           WrittenExtensions() + "; read only:" + WrittenExtensions(false) +
           "; any other name: native).\n";
}
