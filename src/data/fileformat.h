// SPDX-License-Identifier: GPL-3.0-or-later
// The file formats: each one class behind one interface, listed once in
// fileformat.cpp. Dialog filters, the command line's names and help, and the
// README's table all come from that list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CArchive;
class CCairnbookDoc;

class CFileFormat {
public:
    virtual ~CFileFormat() = default;
    // As file dialogs show it: "GPX Files (*.gpx)".
    virtual std::string Description() const = 0;
    // Without the dot, in lower case.
    virtual std::string Extension() const = 0;
    // True when a file's first bytes are surely this format's.
    virtual bool Recognises(std::string_view head) const = 0;
    // Reads into doc; merging when doc holds the user's waypoints already.
    // Throws CArchiveException.
    virtual void Read(CCairnbookDoc& doc, CArchive& ar, bool merging) const = 0;
    virtual bool CanWrite() const { return true; }
    // Writes the waypoints marked for saving.
    virtual void Write(CCairnbookDoc& doc, CArchive& ar) const;
    // What writing doc loses, for the Save Warning's details; empty: nothing.
    virtual std::string Losses(const CCairnbookDoc& doc) const;
    // The Save Warning is asked even when Losses lists nothing.
    virtual bool AlwaysWarns() const { return false; }
    // Place in the Export filter, lowest first; negative: not offered.
    virtual int ExportRank() const { return -1; }
    // What the README's table says it keeps.
    virtual std::string Keeps() const = 0;
};

const std::vector<const CFileFormat*>& FileFormats();
const CFileFormat& NativeFormat();
// The format a name's extension (after its last dot, any case) names, or none.
const CFileFormat* FormatOfName(std::string_view name);
// Writing goes by the extension, any other name is the native format;
// nullptr for a format that is read only.
const CFileFormat* FormatForWriting(std::string_view name);
// Reading goes by the content's first bytes, else by the extension, else
// native (whose reader says what the file is not).
const CFileFormat& FormatForReading(std::string_view head, std::string_view name);
inline constexpr std::size_t kFormatHeadBytes = 4096;

// "Description|pattern|...||" for the file dialogs.
std::string OpenFilter();   // all readable ones together first, then each
std::string MergeFilter();  // each readable one, text files, all files
std::string ExportFilter(); // each by its export rank
std::string SaveAsFilter(); // each writable one, all files
// ".wpt": the extension a chosen Export or Save As filter (1-based) adds.
std::string FilterExtension(const std::string& filter, int filterIndex);
// The README's format table, and the command line's lines on formats.
std::string FormatTable();
// The extensions of the formats written (or, given false, only read): " .ckb .wpt".
std::string WrittenExtensions(bool written = true);
std::string FormatHelp();
