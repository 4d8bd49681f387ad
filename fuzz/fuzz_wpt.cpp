// SPDX-License-Identifier: GPL-3.0-or-later
// WPT files: records behind the WPT header, opened and merged.
#include "fuzzprompt.h"
#include "res/strings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    std::string bytes(1, static_cast<char>(std::string(res::kWptHeader).size()));
    bytes += res::kWptHeader;
    bytes.append(reinterpret_cast<const char*>(data) + 1, size - 1);
    ReadDocument(bytes, "fuzz.wpt", data[0] & 1);
    return 0;
}
