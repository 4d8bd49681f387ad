// SPDX-License-Identifier: GPL-3.0-or-later
#include "xmlhead.h"

#include "utf8text.h"

#include <cctype>

std::string RootElement(std::string_view head) {
    if (head.starts_with("\xEF\xBB\xBF"))
        head.remove_prefix(3);
    for (std::size_t at = head.find('<'); at != std::string_view::npos; at = head.find('<', at)) {
        const std::string_view rest = head.substr(at + 1);
        // Declarations, comments and the document type come before the root.
        const char* end = rest.starts_with('?')     ? "?>"
                          : rest.starts_with("!--") ? "-->"
                          : rest.starts_with('!')   ? ">"
                                                    : nullptr;
        if (end) {
            const std::size_t close = head.find(end, at + 1);
            if (close == std::string_view::npos)
                return {};
            at = close;
            continue;
        }
        const std::size_t stop = rest.find_first_of(" \t\r\n/>");
        if (stop == std::string_view::npos)
            return {};
        std::string_view name = rest.substr(0, stop);
        const std::size_t colon = name.find(':');
        if (colon != std::string_view::npos)
            name.remove_prefix(colon + 1);
        return std::string(name);
    }
    return {};
}

std::string AttributeOf(std::string_view tag, std::string_view name) {
    const std::string lower = utf8::AsciiLower(tag);
    for (std::size_t at = 0; (at = lower.find(name, at)) != std::string::npos; ++at) {
        std::size_t i = at + name.size();
        if (at == 0 || !std::isspace(static_cast<unsigned char>(lower[at - 1])))
            continue;
        while (i < tag.size() && std::isspace(static_cast<unsigned char>(tag[i])))
            ++i;
        if (i >= tag.size() || tag[i] != '=')
            continue;
        ++i;
        while (i < tag.size() && std::isspace(static_cast<unsigned char>(tag[i])))
            ++i;
        if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
            const std::size_t end = tag.find(tag[i], i + 1);
            return std::string(tag.substr(i + 1, end == std::string_view::npos ? 0 : end - i - 1));
        }
        const std::size_t end = tag.find_first_of(" \t\r\n>", i);
        return std::string(tag.substr(i, end == std::string_view::npos ? 0 : end - i));
    }
    return {};
}

std::string_view ElementText(std::string_view xml, std::string_view local) {
    for (std::size_t at = 0; (at = xml.find(local, at)) != std::string_view::npos;
         at += local.size()) {
        const std::size_t end = at + local.size();
        if (at == 0 || end >= xml.size() || xml[end] != '>' ||
            (xml[at - 1] != ':' && xml[at - 1] != '<'))
            continue;
        if (xml[at - 1] == ':' && (at < 2 || xml.rfind('<', at) == std::string_view::npos ||
                                   xml[xml.rfind('<', at) + 1] == '/'))
            continue; // a closing tag
        const std::size_t stop = xml.find('<', end + 1);
        return xml.substr(end + 1, stop == std::string_view::npos ? 0 : stop - end - 1);
    }
    return {};
}
