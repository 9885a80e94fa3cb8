#include "platform/curl_get.h"

#include "platform/http_error.h"
#include "platform/http_timeouts.h"

#include <memory>
#include <mutex>
#include <string_view>

namespace {

struct Transfer {
    HttpReply reply;
    bool tooLarge = false;
};

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (bytes > MaxBodyBytes - transfer.reply.body.size()) {
        transfer.tooLarge = true;
        return 0; // anything but the byte count ends the transfer
    }
    transfer.reply.body.append(data, bytes);
    return bytes;
}

std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    ReadReplyHeadLine(transfer.reply.head, std::string_view(data, size * count));
    return size * count;
}

using HeaderList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

HeaderList MakeHeaderList(const std::vector<std::string>& lines) {
    HeaderList list(nullptr, &curl_slist_free_all);
    for (const std::string& line : lines) {
        curl_slist* longer = curl_slist_append(list.get(), line.c_str());
        if (longer == nullptr) {
            throw EHttpError("Out of memory for the request");
        }
        list.release();
        list.reset(longer);
    }
    return list;
}

// No limit on the whole exchange: a slow but steady server is never cut off.
void SetTimeouts(CURL* curl, const HttpTimeouts& timeouts) {
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts.connect.count()));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, timeouts.lowSpeedBytes);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME,
                     static_cast<long>(timeouts.lowSpeedTime.count()));
}

// Every option of one request. The header list replaces libcurl's own Host
// and Accept lines; libcurl adds no other line to a plain GET.
void SetOptions(CURL* curl, const std::string& address, const HttpUrl& url, HttpVersion version,
                curl_slist* headers, bool keepConnection, Transfer& transfer, char* errorText) {
    curl_easy_reset(curl); // keeps the handle's live connections
    curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
    curl_easy_setopt(curl, CURLOPT_REQUEST_TARGET, url.target.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(curl, CURLOPT_PROXY, ""); // never a proxy from the environment
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION,
                     version == HttpVersion::Http10 ? CURL_HTTP_VERSION_1_0
                                                    : CURL_HTTP_VERSION_1_1);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    SetTimeouts(curl, CurrentHttpTimeouts());
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(MaxBodyBytes));
    curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, keepConnection ? 0L : 1L);
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, keepConnection ? 0L : 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &OnBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &OnHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
}

} // namespace

void SetUpCurl() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
            throw EHttpError("The HTTP library could not be set up");
        }
    });
}

CurlHandle::CurlHandle() {
    SetUpCurl();
    handle_ = curl_easy_init();
    if (handle_ == nullptr) {
        throw EHttpError("The HTTP library could not make a handle");
    }
}

CurlHandle::~CurlHandle() {
    curl_easy_cleanup(handle_);
}

HttpReply CurlGet(CurlHandle& handle, const HttpUrl& url, HttpVersion version,
                  const std::vector<std::string>& headerLines, bool keepConnection) {
    const std::string address = "http://" + url.host + ":" + std::to_string(url.port) + "/";
    const HeaderList headers = MakeHeaderList(headerLines);
    Transfer transfer;
    char errorText[CURL_ERROR_SIZE] = {};
    SetOptions(handle.Get(), address, url, version, headers.get(), keepConnection, transfer,
               errorText);
    const CURLcode result = curl_easy_perform(handle.Get());
    curl_easy_setopt(handle.Get(), CURLOPT_ERRORBUFFER, nullptr);
    if (transfer.tooLarge || result == CURLE_FILESIZE_EXCEEDED) {
        throw EHttpError("Reply body larger than 64 MiB");
    }
    if (result != CURLE_OK) {
        throw EHttpError(errorText[0] != '\0' ? errorText : curl_easy_strerror(result));
    }
    if (transfer.reply.head.status == 0) {
        throw EHttpError("Reply without a status line");
    }
    return std::move(transfer.reply);
}
