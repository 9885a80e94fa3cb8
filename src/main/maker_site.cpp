#include "main/maker_site.h"

namespace {

constexpr const char* kMakerHost = "www.tavrello.example";
constexpr const char* kMakerMailAddress = "support@tavrello.example";

std::string& HostOverride() {
    static std::string host;
    return host;
}

} // namespace

std::string MakerHost() {
    return HostOverride().empty() ? std::string(kMakerHost) : HostOverride();
}

std::string MakerMailAddress() {
    return kMakerMailAddress;
}

std::string MakerMailTarget() {
    return "mailto:" + MakerMailAddress();
}

std::string MakerSiteUrl() {
    return "http://" + MakerHost();
}

std::string MakerDownloadPageUrl() {
    return MakerSiteUrl() + "/download.htm";
}

std::string CatalogueDownloadUrl() {
    return MakerSiteUrl() + "/download/Quillmark/engdata/engines.dat";
}

void SetMakerHostForTests(const std::string& host) {
    HostOverride() = host;
}
