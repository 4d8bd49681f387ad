// SPDX-License-Identifier: GPL-3.0-or-later
// Zip archives of GPX files, as pocket queries come (the caches, and their
// additional waypoints in a "-wpts" file): read only, every GPX member into
// one document. Hostile archives are refused before anything is read: an
// encrypted member, an archive inside the archive, a member that would
// inflate to more than 100 times its packed size or past 2 GiB.
#include "archive.h"
#include "archiveexception.h"
#include "bytestream.h"
#include "cairnbookdoc.h"
#include "fileformat.h"
#include "numtext.h"
#include "res/translate.h"
#include "utf8text.h"
#include "xmlhead.h"

#include <zip.h>

#include <algorithm>
#include <memory>

namespace {

constexpr std::uint64_t kMaxInflated = std::uint64_t(2) << 30;
constexpr std::uint64_t kMaxRatio = 100;
// Below this a member is no bomb whatever its ratio: a few kilobytes of
// spaces pack a hundredfold too.
constexpr std::uint64_t kRatioFloor = std::uint64_t(1) << 20;
constexpr std::size_t kChunk = 1 << 16;

struct CZipDiscard {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct CZipClose {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};
using ZipPtr = std::unique_ptr<zip_t, CZipDiscard>;
using ZipFilePtr = std::unique_ptr<zip_file_t, CZipClose>;

struct CMember {
    zip_uint64_t m_nIndex = 0;
    std::string m_strName;
    std::uint64_t m_nSize = 0; // as the archive declares it
    std::uint64_t m_nPacked = 0;
    bool m_bGpx = false;
};

std::uint64_t InflateLimit(const CMember& m) {
    return std::min(kMaxInflated, std::max(kRatioFloor, m.m_nPacked * kMaxRatio));
}

// A member's bytes as they inflate, and never more than its limit: a size
// the archive declares falsely stops there too.
class CMemberSource : public CByteSource {
public:
    CMemberSource(ZipFilePtr file, const CMember& member, const std::string& archive)
        : m_pFile(std::move(file)), m_member(member), m_strArchive(archive) {}
    std::size_t Read(char* buffer, std::size_t n) override {
        const zip_int64_t got = zip_fread(m_pFile.get(), buffer, n);
        if (got < 0)
            throw CArchiveException(CArchiveException::badFormat, m_strArchive, m_nPos,
                                    m_member.m_strName + ": " + zip_file_strerror(m_pFile.get()));
        m_nPos += static_cast<std::uint64_t>(got);
        if (m_nPos > InflateLimit(m_member))
            throw CArchiveException(CArchiveException::badFormat, m_strArchive, 0,
                                    m_member.m_strName +
                                        " inflates to more than its size allows; it is "
                                        "refused as a zip bomb");
        return static_cast<std::size_t>(got);
    }
    std::uint64_t Remaining() const override {
        return m_member.m_nSize > m_nPos ? m_member.m_nSize - m_nPos : 0;
    }
    std::uint64_t Position() const override { return m_nPos; }

private:
    ZipFilePtr m_pFile;
    CMember m_member;
    std::string m_strArchive;
    std::uint64_t m_nPos = 0;
};

// "12345.gpx" before "12345-wpts.gpx": the caches come first, their
// waypoints after them, whatever order the archive lists them in.
std::pair<std::string, bool> ReadingOrder(const std::string& name) {
    std::string base = utf8::AsciiLower(name);
    if (const std::size_t dot = base.rfind('.'); dot != std::string::npos)
        base.erase(dot);
    const bool wpts = base.ends_with("-wpts");
    if (wpts)
        base.erase(base.size() - 5);
    return {base, wpts};
}

class CZipReader {
public:
    CZipReader(CArchive& ar) : m_strName(ar.GetFileName()) {
        // libzip reads from anywhere in the archive: the bytes are held.
        for (std::string chunk(kChunk, '\0');;) {
            const std::size_t got = ar.ReadRaw(chunk.data(), kChunk);
            m_bytes.append(chunk.data(), got);
            if (got < kChunk)
                break;
        }
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t* source = zip_source_buffer_create(m_bytes.data(), m_bytes.size(), 0, &error);
        zip_t* zip =
            source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
        if (!zip) {
            const std::string why = zip_error_strerror(&error);
            if (source)
                zip_source_free(source);
            zip_error_fini(&error);
            Fail("it is no zip archive that can be read (" + why + ")");
        }
        zip_error_fini(&error);
        m_pZip.reset(zip);
    }

    [[noreturn]] void Fail(const std::string& why) const {
        throw CArchiveException(CArchiveException::badFormat, m_strName, 0, why);
    }

    // Every member, each checked; the GPX ones in reading order first.
    std::vector<CMember> Members() {
        std::vector<CMember> members;
        const zip_int64_t n = zip_get_num_entries(m_pZip.get(), 0);
        for (zip_int64_t i = 0; i < n; ++i) {
            zip_stat_t st;
            zip_stat_init(&st);
            if (zip_stat_index(m_pZip.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0)
                Fail(zip_strerror(m_pZip.get()));
            CMember m;
            m.m_nIndex = static_cast<zip_uint64_t>(i);
            m.m_strName = utf8::Valid(st.name ? st.name : "");
            if (m.m_strName.ends_with('/'))
                continue; // a folder
            m.m_nSize = st.size;
            m.m_nPacked = st.comp_size;
            if (st.encryption_method != ZIP_EM_NONE)
                Fail(m.m_strName + " is encrypted; encrypted archives are not read");
            if (m.m_nSize > InflateLimit(m))
                Fail(StrFormat("%s would inflate to %llu bytes from %llu packed; a member may "
                               "grow to 100 times its packed size, and to 2 GiB at most: it is "
                               "refused as a zip bomb",
                               m.m_strName.c_str(), static_cast<unsigned long long>(m.m_nSize),
                               static_cast<unsigned long long>(m.m_nPacked)));
            const std::string head = Head(m);
            if (utf8::AsciiLower(m.m_strName).ends_with(".zip") || head.starts_with("PK\x03\x04"))
                Fail(m.m_strName + " is itself a zip archive; archives inside archives are "
                                   "not read");
            m.m_bGpx = RootElement(head) == "gpx";
            members.push_back(std::move(m));
        }
        std::stable_sort(members.begin(), members.end(), [](const CMember& a, const CMember& b) {
            if (a.m_bGpx != b.m_bGpx)
                return a.m_bGpx;
            return ReadingOrder(a.m_strName) < ReadingOrder(b.m_strName);
        });
        return members;
    }

    CMemberSource Open(const CMember& m) {
        zip_file_t* file = zip_fopen_index(m_pZip.get(), m.m_nIndex, 0);
        if (!file)
            Fail(m.m_strName + ": " + zip_strerror(m_pZip.get()));
        return CMemberSource(ZipFilePtr(file), m, m_strName);
    }

    std::string MemberName(const CMember& m) const { return m_strName + ": " + m.m_strName; }

private:
    // The member's first bytes, enough to know what it holds.
    std::string Head(const CMember& m) {
        CMemberSource source = Open(m);
        std::string head(std::min<std::uint64_t>(kFormatHeadBytes, m.m_nSize), '\0');
        std::size_t got = 0;
        while (got < head.size()) {
            const std::size_t n = source.Read(head.data() + got, head.size() - got);
            if (n == 0)
                break;
            got += n;
        }
        head.resize(got);
        return head;
    }

    std::string m_strName;
    std::string m_bytes;
    ZipPtr m_pZip;
};

class CZipFormat : public CFileFormat {
public:
    std::string Description() const override {
        return TRANSLATE_NOOP("res", "Zip Files of GPX Files (*.zip)");
    }
    std::string Extension() const override { return "zip"; }
    bool Recognises(std::string_view head) const override {
        return head.starts_with("PK\x03\x04") || head.starts_with("PK\x05\x06");
    }
    void Read(CCairnbookDoc& doc, CArchive& ar, bool) const override { doc.ImportZip(ar); }
    bool CanWrite() const override { return false; }
    std::string Keeps() const override {
        return "what its GPX files keep, read one after the other (caches before their "
               "-wpts file)";
    }
};

} // namespace

const CFileFormat& ZipFormat() {
    static const CZipFormat format;
    return format;
}

void CCairnbookDoc::ImportZip(CArchive& ar) {
    CZipReader zip(ar);
    const std::vector<CMember> members = zip.Members();
    std::vector<std::string> skipped;
    bool any = false;
    for (const CMember& m : members) {
        if (!m.m_bGpx) {
            skipped.push_back(m.m_strName);
            continue;
        }
        CMemberSource source = zip.Open(m);
        CArchive member(source, zip.MemberName(m));
        ImportGpx(member);
        any = true;
    }
    if (!any)
        zip.Fail(TRANSLATE_NOOP("res", "it holds no GPX file"));
    if (!skipped.empty()) {
        std::string list;
        for (const std::string& name : skipped)
            list += (list.empty() ? "" : ", ") + name;
        m_notices.push_back(StrFormat("%zu member%s of the archive %s no GPX file and %s "
                                      "skipped: ",
                                      skipped.size(), skipped.size() == 1 ? "" : "s",
                                      skipped.size() == 1 ? "is" : "are",
                                      skipped.size() == 1 ? "was" : "were") +
                            list);
    }
}
