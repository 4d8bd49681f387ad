// SPDX-License-Identifier: GPL-3.0-or-later
// Native documents under every header layout, opened and merged.
#include "fuzzprompt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const bool merge = data[0] & 1;
    ReadDocument(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), "fuzz.ckb", merge);
    return 0;
}
