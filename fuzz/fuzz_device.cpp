// SPDX-License-Identifier: GPL-3.0-or-later
// What a plugged-in drive says of itself: its device description and its
// visits file, read and applied to a document holding the visited caches.
#include "fuzzprompt.h"

#include "cairnbookdoc.h"
#include "garmindevice.h"
#include "visits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1) {
        ReadDeviceDescription(bytes);
        return 0;
    }
    const std::vector<CVisit> visits = ReadVisits(bytes);
    CFuzzPrompt prompt;
    CCairnbookDoc doc(prompt);
    for (std::size_t i = 0; i < visits.size() && i < 64; ++i)
        doc.AddEntry(std::make_unique<CWayEntry>(visits[i].m_strCode, "", 1, 2, 3, 1, 1));
    for (const auto& [place, entry] : MarkVisits(doc, visits).m_found)
        doc.AssignEntry(place, entry);
    return 0;
}
