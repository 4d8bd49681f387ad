// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: a prompt that answers at once, and reading a
// document from memory under a chosen name.
#pragma once

#include "archive.h"
#include "archiveexception.h"
#include "cairnbookdoc.h"
#include "prompt.h"

#include <string>

class CFuzzPrompt : public CPrompt {
public:
    EPromptAnswer Ask(const std::string&, const std::string& text, EPromptButtons b,
                      EPromptIcon) override {
        // Alternate the answers, so both sides of every question are taken.
        m_bYes = !m_bYes && text.size() % 2 == 0;
        switch (b) {
        case EPromptButtons::okCancel: return m_bYes ? EPromptAnswer::ok : EPromptAnswer::cancel;
        case EPromptButtons::yesNo:
        case EPromptButtons::yesNoCancel: return m_bYes ? EPromptAnswer::yes : EPromptAnswer::no;
        case EPromptButtons::ok: break;
        }
        return EPromptAnswer::ok;
    }

private:
    bool m_bYes = false;
};

// Reads bytes as the file name selects; merging when asked. A read may fail,
// never crash; what was read is written back out to memory.
inline void ReadDocument(const std::string& bytes, const std::string& name, bool merge) {
    CFuzzPrompt prompt;
    CCairnbookDoc doc(prompt);
    try {
        CMemorySource source(bytes);
        CArchive ar(source, name);
        if (merge) {
            doc.AddEntry(std::make_unique<CWayEntry>("GC1M2QK", "x", 1, 2, 3, 1, 1));
            doc.ReadMerge(ar);
        } else {
            doc.Serialize(ar);
        }
    } catch (const CArchiveException&) {
    }
    doc.TakeNotices();
    CMemorySink sink;
    CArchive out(sink, "out.ckb");
    doc.Serialize(out);
    out.Flush();
}
