// SPDX-License-Identifier: GPL-3.0-or-later
#include "garmindevice.h"

#include <expat.h>

#include <vector>

namespace {

constexpr std::size_t kMaxDepth = 32;

// One File of a DataType while it is read.
struct CFileEntry {
    std::string m_strPath, m_strBaseName, m_strExtension, m_strDirection;
};

struct CParse {
    XML_Parser m_parser = nullptr;
    std::vector<std::string> m_path; // local names from the root
    std::string m_strText;
    bool m_bDevice = false, m_bFailed = false, m_bGpxSet = false, m_bVisitsSet = false;
    std::string m_strDataType;
    CFileEntry m_file;
    CDeviceDescription m_desc;

    void Stop() {
        m_bFailed = true;
        XML_StopParser(m_parser, XML_FALSE);
    }
    bool Under(std::initializer_list<const char*> tail) const {
        if (m_path.size() < tail.size())
            return false;
        auto it = m_path.end() - static_cast<std::ptrdiff_t>(tail.size());
        for (const char* name : tail)
            if (*it++ != name)
                return false;
        return true;
    }
    void EndFile() {
        const bool toUnit =
            m_file.m_strDirection == "InputToUnit" || m_file.m_strDirection == "InputOutput";
        if (m_strDataType == "GPSData" && toUnit && !m_file.m_strPath.empty() && !m_bGpxSet) {
            m_desc.m_strGpxFolder = m_file.m_strPath;
            m_bGpxSet = true;
        }
        const bool visits =
            m_file.m_strBaseName == "geocache_visits" || m_strDataType == "GeocacheLogs";
        if (visits && !m_bVisitsSet && !m_file.m_strBaseName.empty()) {
            m_desc.m_strVisitsFile =
                (m_file.m_strPath.empty() ? "" : m_file.m_strPath + "/") + m_file.m_strBaseName +
                (m_file.m_strExtension.empty() ? "" : "." + m_file.m_strExtension);
            m_bVisitsSet = true;
        }
        m_file = {};
    }
};

std::string_view Local(const XML_Char* name) {
    std::string_view n(name);
    const std::size_t cut = n.rfind('\x01');
    return cut == std::string_view::npos ? n : n.substr(cut + 1);
}

void XMLCALL OnStart(void* user, const XML_Char* name, const XML_Char**) {
    auto* p = static_cast<CParse*>(user);
    if (p->m_path.size() >= kMaxDepth)
        return p->Stop();
    p->m_path.emplace_back(Local(name));
    if (p->m_path.size() == 1 && p->m_path[0] != "Device")
        return p->Stop();
    p->m_bDevice = true;
    p->m_strText.clear();
}

void XMLCALL OnEnd(void* user, const XML_Char*) {
    auto* p = static_cast<CParse*>(user);
    std::string text = std::move(p->m_strText);
    p->m_strText.clear();
    // Surrounding white space is layout.
    text.erase(0, text.find_first_not_of(" \t\r\n"));
    text.erase(text.find_last_not_of(" \t\r\n") + 1);
    if (p->Under({"Device", "Model", "Description"}) && p->m_path.size() == 3)
        p->m_desc.m_strModel = text;
    else if (p->Under({"Device", "Id"}) && p->m_path.size() == 2)
        p->m_desc.m_strId = text;
    else if (p->Under({"DataType", "Name"}))
        p->m_strDataType = text;
    else if (p->Under({"File", "Location", "Path"}))
        p->m_file.m_strPath = text;
    else if (p->Under({"File", "Location", "BaseName"}))
        p->m_file.m_strBaseName = text;
    else if (p->Under({"File", "Location", "FileExtension"}))
        p->m_file.m_strExtension = text;
    else if (p->Under({"File", "TransferDirection"}))
        p->m_file.m_strDirection = text;
    else if (p->Under({"DataType", "File"}))
        p->EndFile();
    else if (p->Under({"MassStorageMode", "DataType"}))
        p->m_strDataType.clear();
    p->m_path.pop_back();
}

void XMLCALL OnText(void* user, const XML_Char* s, int n) {
    auto* p = static_cast<CParse*>(user);
    if (p->m_strText.size() < 4096)
        p->m_strText.append(s, static_cast<std::size_t>(n));
}

void XMLCALL OnEntity(void* user, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
                      const XML_Char*, const XML_Char*, const XML_Char*) {
    static_cast<CParse*>(user)->Stop();
}

} // namespace

std::optional<CDeviceDescription> ReadDeviceDescription(std::string_view xml) {
    CParse parse;
    parse.m_parser = XML_ParserCreateNS(nullptr, '\x01');
    if (!parse.m_parser)
        return std::nullopt;
    XML_SetUserData(parse.m_parser, &parse);
    XML_SetElementHandler(parse.m_parser, OnStart, OnEnd);
    XML_SetCharacterDataHandler(parse.m_parser, OnText);
    XML_SetEntityDeclHandler(parse.m_parser, OnEntity);
    XML_SetParamEntityParsing(parse.m_parser, XML_PARAM_ENTITY_PARSING_NEVER);
    const bool ok = XML_Parse(parse.m_parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE) ==
                    XML_STATUS_OK;
    XML_ParserFree(parse.m_parser);
    if (!ok || parse.m_bFailed || !parse.m_bDevice)
        return std::nullopt;
    // A path that climbs out of the drive is no folder of it.
    const CDeviceDescription defaults;
    auto inside = [](const std::string& path) {
        return !path.empty() && !path.starts_with('/') && path.find("..") == std::string::npos;
    };
    if (!inside(parse.m_desc.m_strGpxFolder))
        parse.m_desc.m_strGpxFolder = defaults.m_strGpxFolder;
    if (!inside(parse.m_desc.m_strVisitsFile))
        parse.m_desc.m_strVisitsFile = defaults.m_strVisitsFile;
    return parse.m_desc;
}
