// SPDX-License-Identifier: GPL-3.0-or-later
// Coordinate and number text: split, formatted in every notation, parsed back.
#include "coordinate.h"
#include "numtext.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    SplitCoordinate(text);
    const double value = AtoF(text);
    AtoI(text);
    SaturatingInt(value);
    double raw = 0;
    if (size >= sizeof raw)
        std::memcpy(&raw, data, sizeof raw);
    for (int notation = 0; notation < 3; ++notation) {
        g_nCoordFormat = notation;
        for (double v : {value, raw})
            for (int kind : {kLatitude, kLongitude})
                SplitCoordinate(FormatCoordinate(v, kind));
    }
    return 0;
}
