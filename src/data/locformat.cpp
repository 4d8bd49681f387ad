// SPDX-License-Identifier: GPL-3.0-or-later
// LOC geocache files: read only.
#include "cairnbookdoc.h"
#include "fileformat.h"
#include "res/translate.h"
#include "xmlhead.h"

namespace {

class CLocFormat : public CFileFormat {
public:
    std::string Description() const override {
        return TRANSLATE_NOOP("res", "TopoGrafix Data File (.loc)");
    }
    std::string Extension() const override { return "loc"; }
    bool Recognises(std::string_view head) const override { return RootElement(head) == "loc"; }
    void Read(CCairnbookDoc& doc, CArchive& ar, bool) const override { doc.ImportLoc(ar); }
    bool CanWrite() const override { return false; }
    std::string Keeps() const override {
        return "identifier, description (comment and Additional Info), position";
    }
};

} // namespace

const CFileFormat& LocFormat() {
    static const CLocFormat format;
    return format;
}
