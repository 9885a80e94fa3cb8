#include "main/catalogue_update.h"

#include "platform/atomic_file.h"

#include <algorithm>

std::string JoinLinesWithCrLf(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::string joined;
    joined.reserve(text.size() + text.size() / 16 + 2);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        joined.append(text, pos, end - pos);
        joined += "\r\n";
        pos = end;
        if (pos < text.size() && text[pos] == '\r') {
            ++pos;
        }
        if (pos < text.size() && text[pos] == '\n') {
            ++pos;
        }
    }
    return joined;
}

bool InstallDownloadedCatalogue(const std::string& enginesFile, std::string_view body) {
    const std::string catalogue = JoinLinesWithCrLf(body);
    if (catalogue.find("Description") == std::string::npos) {
        return false;
    }
    if (!ReplaceFileAtomically(enginesFile, catalogue)) {
        throw ECatalogueWriteError("Unable to write to " + enginesFile);
    }
    return true;
}
