// SPDX-License-Identifier: GPL-3.0-or-later
// The fixture of the suites that write and read whole files.
#pragma once

#include "cairnbookdoc.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// One record in the full layout, built by hand.
inline std::string FullRecord(const std::string& name, const std::string& comment,
                              std::uint32_t number, const std::string& info, double lat = 3) {
    return Str(name) + Str(comment) + U32(number) + "\x05\x01" + F64(1) + F64(2) + F64(lat) +
           "\x01" + Str(info);
}

class Files : public ::testing::Test {
protected:
    void Fill(CCairnbookDoc& doc, int n) {
        for (int i = 0; i < n; ++i) {
            auto e = std::make_unique<CWayEntry>("WP" + std::to_string(i),
                                                 "comment " + std::to_string(i), 47.5 + i * 0.01,
                                                 -122.25 - i * 0.01, 100.5 + i, i % 2, 1);
            e->m_nIcon = static_cast<std::uint8_t>(40 + i);
            e->m_strAdditionalInfo = i % 3 ? "info\r\nline " + std::to_string(i) : "";
            doc.AddEntry(std::move(e));
        }
    }
    CScriptedPrompt prompt;
    CTempDir dir;
};
