// SPDX-License-Identifier: GPL-3.0-or-later
// The two record formats: the native document and the WPT waypoint file,
// one header and then fixed-layout records; which one a file is, its
// header says.
#include "archive.h"
#include "cairnbookdoc.h"
#include "fileformat.h"
#include "res/strings.h"
#include "res/translate.h"

#include <cstring>

namespace {

// A length-prefixed header: its length byte, then its text.
bool StartsWithHeader(std::string_view head, const char* header) {
    const std::size_t n = std::strlen(header);
    return head.size() > n && static_cast<unsigned char>(head[0]) == n &&
           head.substr(1, n) == header;
}

void WriteRecords(CCairnbookDoc& doc, CArchive& ar, ERecordLayout layout) {
    const int count = doc.NumberEntries();
    ar.WriteString(layout == ERecordLayout::wpt ? res::kWptHeader : res::kNativeHeader);
    ar.WriteUInt32(1);
    ar.WriteUInt32(static_cast<std::uint32_t>(count));
    for (const auto& entry : doc.Entries())
        if (entry->m_bSave)
            entry->Serialize(ar, layout);
    if (layout == ERecordLayout::wpt)
        ar.WriteUInt32(0);
}

// The two differ in their header, their layout and what they keep.
class CRecordFormat : public CFileFormat {
public:
    explicit CRecordFormat(ERecordLayout layout) : m_layout(layout) {}
    std::string Description() const override {
        return Wpt() ? TRANSLATE_NOOP("res", "WPT Files (.wpt)")
                     : TRANSLATE_NOOP("res", "Cairnbook (.ckb)");
    }
    std::string Extension() const override { return Wpt() ? "wpt" : "ckb"; }
    bool Recognises(std::string_view head) const override {
        if (Wpt())
            return StartsWithHeader(head, res::kWptHeader);
        return StartsWithHeader(head, res::kNativeHeader) ||
               StartsWithHeader(head, res::kNativeHeaderV1) ||
               StartsWithHeader(head, res::kLegacyHeader);
    }
    // Whichever name a record file has, its header says which it is.
    void Read(CCairnbookDoc& doc, CArchive& ar, bool merging) const override {
        doc.ReadRecords(ar, !merging);
    }
    void Write(CCairnbookDoc& doc, CArchive& ar) const override { WriteRecords(doc, ar, m_layout); }
    std::string Losses(const CCairnbookDoc& doc) const override {
        return LostInSave(Wpt(), doc.Entries(), doc.GpxFile());
    }
    bool AlwaysWarns() const override { return Wpt(); }
    int ExportRank() const override { return Wpt() ? 0 : 1; }
    std::string Keeps() const override {
        return Wpt() ? "name, comment, number, icon (0..41), visible, altitude, position; not "
                       "the geocache flag or Additional Info"
                     : "every field (text as Windows-1252)";
    }

private:
    bool Wpt() const { return m_layout == ERecordLayout::wpt; }
    ERecordLayout m_layout;
};

} // namespace

const CFileFormat& NativeFormat() {
    static const CRecordFormat format(ERecordLayout::native);
    return format;
}

const CFileFormat& WptFormat() {
    static const CRecordFormat format(ERecordLayout::wpt);
    return format;
}
