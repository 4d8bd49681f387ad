// SPDX-License-Identifier: GPL-3.0-or-later
// Zip archives, opened and merged: whatever the archive says about its
// members, nothing grows past its limits and nothing crashes.
#include "fuzzprompt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (!bytes.starts_with("PK"))
        bytes.insert(0, "PK\x03\x04"); // read as an archive, not as another format
    ReadDocument(bytes, "fuzz.zip", data[0] & 1);
    return 0;
}
