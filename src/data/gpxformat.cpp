// SPDX-License-Identifier: GPL-3.0-or-later
// GPX 1.0 and 1.1: everything a file holds is kept and written back.
#include "cairnbookdoc.h"
#include "fileformat.h"
#include "gpxwriter.h"
#include "res/translate.h"
#include "xmlhead.h"

namespace {

class CGpxFormat : public CFileFormat {
public:
    std::string Description() const override { return TRANSLATE_NOOP("res", "GPX Files (*.gpx)"); }
    std::string Extension() const override { return "gpx"; }
    bool Recognises(std::string_view head) const override {
        // UTF-16 text is left to expat, which reads it; only GPX files come so.
        return RootElement(head) == "gpx" || head.starts_with("\xFF\xFE") ||
               head.starts_with("\xFE\xFF");
    }
    void Read(CCairnbookDoc& doc, CArchive& ar, bool) const override { doc.ImportGpx(ar); }
    void Write(CCairnbookDoc& doc, CArchive& ar) const override {
        doc.NumberEntries();
        WriteGpx(ar, doc.Entries(), doc.GpxFile());
    }
    int ExportRank() const override { return 2; }
    std::string Keeps() const override {
        return "every field (its own extension keeps icon and flags), and everything else "
               "the file held";
    }
};

} // namespace

const CFileFormat& GpxFormat() {
    static const CGpxFormat format;
    return format;
}
