// SPDX-License-Identifier: GPL-3.0-or-later
#include "archiveexception.h"

namespace {

std::string Describe(const std::string& fileName, std::uint64_t offset, const std::string& reason,
                     CArchiveException::Cause cause) {
    std::string text = fileName.empty() ? std::string("(no file)") : fileName;
    text += ": " + reason;
    if (cause != CArchiveException::fileError)
        text += " (at byte " + std::to_string(offset) + ")";
    return text;
}

} // namespace

CArchiveException::CArchiveException(Cause cause, std::string fileName, std::uint64_t offset,
                                     std::string reason)
    : std::runtime_error(Describe(fileName, offset, reason, cause)), m_cause(cause),
      m_strFileName(std::move(fileName)), m_nOffset(offset), m_strReason(std::move(reason)) {}
