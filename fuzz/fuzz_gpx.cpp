// SPDX-License-Identifier: GPL-3.0-or-later
// GPX files, fed to the reader in pieces of varying size, opened and merged;
// what we write of a file we read is a GPX file we read again.
#include "fuzzprompt.h"
#include "gpxreader.h"

#include <cstdlib>

namespace {

void WriteAndReadBack(const std::string& bytes) {
    CFuzzPrompt prompt;
    CCairnbookDoc doc(prompt);
    try {
        CMemorySource source(bytes);
        CArchive ar(source, "in.gpx");
        doc.Serialize(ar);
    } catch (const CArchiveException&) {
        return;
    }
    CMemorySink sink;
    CArchive out(sink, "out.gpx");
    doc.Serialize(out);
    out.Flush();
    CCairnbookDoc back(prompt);
    try {
        CMemorySource source(sink.Bytes());
        CArchive ar(source, "out.gpx");
        back.Serialize(ar);
    } catch (const CArchiveException&) {
        std::abort(); // we wrote what we cannot read
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    CGpxReader reader([](std::unique_ptr<CWayEntry>) {});
    const std::size_t piece = 1 + data[0] * 7;
    for (std::size_t at = 0; at <= bytes.size(); at += piece) {
        const std::size_t n = std::min(piece, bytes.size() - at);
        if (!reader.Feed(bytes.data() + at, n, at + n >= bytes.size()))
            break;
        if (at + n >= bytes.size())
            break;
    }
    ReadDocument(bytes, "fuzz.gpx", data[0] & 1);
    WriteAndReadBack(bytes);
    return 0;
}
