#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Installing a standard catalogue that was downloaded from the maker.

// The catalogue could not be written; the old file is left whole.
class ECatalogueWriteError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text cut into lines and joined again: a line ends at CR LF, a lone CR
// or a lone LF, a NUL ends the text, and every line, the last included, is
// followed by CR LF. An empty text gives an empty text.
std::string JoinLinesWithCrLf(std::string_view text);

// Writes the downloaded body, its lines joined as above, over the catalogue
// file when it holds "Description" (letter case as written) anywhere, and
// reports whether it did. The file is replaced atomically; a refused write
// throws ECatalogueWriteError.
bool InstallDownloadedCatalogue(const std::string& enginesFile, std::string_view body);
