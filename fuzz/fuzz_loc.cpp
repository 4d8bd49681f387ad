// SPDX-License-Identifier: GPL-3.0-or-later
// LOC files, cut at varying places against the reader's chunks: the first two
// bytes say how much padding goes in front.
#include "fuzzprompt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const std::size_t pad = (data[0] | data[1] << 8) % 10000;
    std::string bytes(pad, ' ');
    bytes.append(reinterpret_cast<const char*>(data) + 2, size - 2);
    ReadDocument(bytes, "fuzz.loc", pad % 2);
    return 0;
}
