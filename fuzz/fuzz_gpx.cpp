// GPX files, fed to the reader in pieces of varying size, opened and merged.
#include "fuzzprompt.h"
#include "gpxreader.h"

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
    return 0;
}
