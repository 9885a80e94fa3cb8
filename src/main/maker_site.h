#pragma once

#include <string>

// The maker's web host and support mail address, and the addresses the
// program builds on them.

std::string MakerHost();        // "www.tavrello.example" unless a test says otherwise
std::string MakerMailAddress(); // "support@tavrello.example"

std::string MakerMailTarget();      // "mailto:" + the support address
std::string MakerSiteUrl();         // "http://" + the host, with no path
std::string MakerDownloadPageUrl(); // the page offering new catalogues
std::string CatalogueDownloadUrl(); // the standard catalogue itself

// Tests point the host at their own server ("127.0.0.1:port"); an empty host
// restores the maker's. Window thread only.
void SetMakerHostForTests(const std::string& host);
