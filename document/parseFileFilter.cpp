#include <cctype>

#include "document/FileDialog.h"

namespace qv {

std::vector<FileFilterEntry> parseFileFilter(const std::string& filter) {
    std::size_t end = filter.size();
    while (end > 0 && std::isspace(static_cast<unsigned char>(filter[end - 1]))) --end;

    std::vector<std::string> fields;
    if (end > 0) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t bar = filter.find('|', start);
            if (bar == std::string::npos || bar >= end) {
                fields.push_back(filter.substr(start, end - start));
                break;
            }
            fields.push_back(filter.substr(start, bar - start));
            start = bar + 1;
        }
    }

    // A description left without its pattern names no files, so it makes no entry.
    std::vector<FileFilterEntry> entries;
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) entries.push_back({fields[i], fields[i + 1]});
    return entries;
}

}  // namespace qv
