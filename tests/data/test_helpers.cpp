// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_helpers.h"

#include "archive.h"
#include "bytestream.h"
#include "cairnbookdoc.h"

#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

EPromptAnswer CScriptedPrompt::AskWithDetails(const std::string& caption, const std::string& text,
                                              const std::string& details, EPromptButtons buttons,
                                              EPromptIcon icon) {
    const EPromptAnswer answer = Ask(caption, text, buttons, icon);
    m_asked.back().m_strDetails = details;
    return answer;
}

EPromptAnswer CScriptedPrompt::Ask(const std::string& caption, const std::string& text,
                                   EPromptButtons buttons, EPromptIcon) {
    m_asked.push_back({caption, text, buttons, {}});
    if (!m_answers.empty()) {
        const EPromptAnswer a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    switch (buttons) {
    case EPromptButtons::okCancel: return EPromptAnswer::cancel;
    case EPromptButtons::yesNo: return EPromptAnswer::no;
    case EPromptButtons::yesNoCancel: return EPromptAnswer::cancel;
    case EPromptButtons::ok: break;
    }
    return EPromptAnswer::ok;
}

std::optional<CChosenFile> CScriptedChooser::ChooseOpen(const std::string& title,
                                                        const std::string& filter) {
    m_strTitle = title;
    m_strFilter = filter;
    return m_next;
}

std::optional<CChosenFile> CScriptedChooser::ChooseSave(const std::string& title,
                                                        const std::string& filter,
                                                        const std::string& proposed) {
    m_strProposed = proposed;
    return ChooseOpen(title, filter);
}

std::optional<std::string> CScriptedChooser::ChooseFolder(const std::string& title) {
    m_strTitle = title;
    return m_next ? std::optional<std::string>(m_next->m_strPath) : std::nullopt;
}

CTempDir::CTempDir() {
    std::random_device rd;
    m_path = std::filesystem::temp_directory_path() / ("cairnbook-test-" + std::to_string(rd()));
    std::filesystem::create_directories(m_path);
}

CTempDir::~CTempDir() {
    std::error_code ec;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string U32(std::uint32_t v) {
    return std::string(reinterpret_cast<const char*>(&v), 4);
}

std::string F64(double v) {
    char b[8];
    std::memcpy(b, &v, 8);
    return std::string(b, 8);
}

std::string Str(const std::string& s) {
    return std::string(1, static_cast<char>(s.size())) + s;
}

std::string StateBytes(CCairnbookDoc& doc) {
    CMemorySink sink;
    // GPX holds every field and whatever GPX files brought, and asks nothing.
    CArchive ar(sink, "state.gpx");
    doc.Serialize(ar);
    ar.Flush();
    return sink.Bytes();
}
