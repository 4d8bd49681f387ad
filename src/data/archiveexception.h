// SPDX-License-Identifier: GPL-3.0-or-later
// The one failure type of file reading and writing.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

class CArchiveException : public std::runtime_error {
public:
    enum Cause {
        endOfFile, // the data ends before what the layout asks for
        badFormat, // a value that no file of this layout can hold
        fileError, // the system refused to open, read or write the file
        cancelled  // the user stopped it
    };

    CArchiveException(Cause cause, std::string fileName, std::uint64_t offset, std::string reason);

    Cause m_cause;
    std::string m_strFileName;
    std::uint64_t m_nOffset;
    std::string m_strReason; // the reason alone, without file name and offset
};
