// SPDX-License-Identifier: GPL-3.0-or-later
// Clipboard text pasted into a document that already holds a waypoint.
#include "clipboardtext.h"
#include "fuzzprompt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CFuzzPrompt prompt;
    CCairnbookDoc doc(prompt);
    doc.AddEntry(std::make_unique<CWayEntry>("GC1M2QK", "x", 1, 2, 3, 1, 1));
    const std::string text(reinterpret_cast<const char*>(data), size);
    ParseClipboardText(doc, NormalizeLineEnds(text));
    for (const auto& entry : doc.Entries())
        FormatClipboardLine(*entry);
    return 0;
}
