#include "support/test_http_server.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::size_t MaxRequestHead = 1 << 20;
constexpr std::size_t FillerBlock = 256 * 1024;

// Waits until the socket is ready for the events; false once the server stops.
bool WaitReady(int socket, short events, int wake) {
    for (;;) {
        pollfd fds[2] = {{socket, events, 0}, {wake, POLLIN, 0}};
        const int result = poll(fds, 2, -1);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result < 0 || fds[1].revents != 0) {
            return false;
        }
        if (fds[0].revents != 0) {
            return true;
        }
    }
}

// Waits out a delay; false when the server stops first.
bool Sleep(std::chrono::milliseconds delay, int wake) {
    pollfd fd = {wake, POLLIN, 0};
    return poll(&fd, 1, static_cast<int>(delay.count())) == 0;
}

bool SendAll(int socket, int wake, std::string_view data) {
    while (!data.empty()) {
        const ssize_t sent = send(socket, data.data(), data.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent > 0) {
            data.remove_prefix(static_cast<std::size_t>(sent));
        } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            if (!WaitReady(socket, POLLOUT, wake)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

// Reads the next request head into raw, leaving what follows it in pending.
bool ReadHead(int socket, int wake, std::string& pending, std::string& raw) {
    for (;;) {
        const std::size_t end = pending.find("\r\n\r\n");
        if (end != std::string::npos) {
            raw = pending.substr(0, end + 4);
            pending.erase(0, end + 4);
            return true;
        }
        if (pending.size() > MaxRequestHead || !WaitReady(socket, POLLIN, wake)) {
            return false;
        }
        char buffer[16384];
        const ssize_t got = recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0) {
            return false;
        }
        pending.append(buffer, static_cast<std::size_t>(got));
    }
}

std::string TargetOf(const std::string& raw) {
    const std::size_t start = raw.find(' ');
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t end = raw.find_first_of(" \r\n", start + 1);
    return raw.substr(start + 1, end - start - 1);
}

std::string ChunkOf(std::string_view data) {
    char size[32];
    std::snprintf(size, sizeof size, "%zx\r\n", data.size());
    return size + std::string(data) + "\r\n";
}

std::string HeadOf(const TestReply& reply, bool closes) {
    std::string head = reply.statusLine + "\r\n";
    for (const std::string& line : reply.headers) {
        head += line + "\r\n";
    }
    if (reply.framing == BodyFraming::ContentLength) {
        head += "Content-Length: " + std::to_string(reply.body.size() + reply.fillerBytes) + "\r\n";
    } else if (reply.framing == BodyFraming::Chunked) {
        head += "Transfer-Encoding: chunked\r\n";
    }
    if (closes) {
        head += "Connection: close\r\n";
    }
    return head + "\r\n";
}

bool SendFiller(int socket, int wake, const TestReply& reply) {
    const bool chunked = reply.framing == BodyFraming::Chunked;
    const std::string block(FillerBlock, 'x');
    const std::string fullPiece = chunked ? ChunkOf(block) : block;
    std::size_t left = reply.fillerBytes;
    for (; left >= FillerBlock; left -= FillerBlock) {
        if (!SendAll(socket, wake, fullPiece)) {
            return false;
        }
    }
    if (left == 0) {
        return true;
    }
    const std::string rest = block.substr(0, left);
    return SendAll(socket, wake, chunked ? ChunkOf(rest) : rest);
}

bool TrickleBody(int socket, int wake, const TestReply& reply) {
    for (char byte : reply.body) {
        const std::string piece(1, byte);
        if (!Sleep(reply.byteInterval, wake) ||
            !SendAll(socket, wake,
                     reply.framing == BodyFraming::Chunked ? ChunkOf(piece) : piece)) {
            return false;
        }
    }
    return true;
}

// Sends the reply; true when the connection stays open for another request.
bool SendReply(int socket, int wake, const TestReply& reply) {
    const bool closes = reply.framing == BodyFraming::Close || !reply.keepAlive;
    std::string head = HeadOf(reply, closes);
    const bool trickles = reply.byteInterval.count() > 0;
    if (trickles) {
        if (!SendAll(socket, wake, head) || !TrickleBody(socket, wake, reply)) {
            return false;
        }
    } else {
        if (reply.framing == BodyFraming::Chunked) {
            head += reply.body.empty() ? std::string() : ChunkOf(reply.body);
        } else {
            head += reply.body;
        }
        if (!SendAll(socket, wake, head) || !SendFiller(socket, wake, reply)) {
            return false;
        }
    }
    if (reply.framing == BodyFraming::Chunked && !SendAll(socket, wake, "0\r\n\r\n")) {
        return false;
    }
    return !closes;
}

} // namespace

TestReply TestReply::Page(std::string body) {
    TestReply reply;
    reply.body = std::move(body);
    return reply;
}

TestReply TestReply::Status(std::string statusLine, std::string body) {
    TestReply reply;
    reply.statusLine = std::move(statusLine);
    reply.body = std::move(body);
    return reply;
}

TestReply TestReply::SlowPage(std::string body, std::chrono::milliseconds delay) {
    TestReply reply = Page(std::move(body));
    reply.delay = delay;
    return reply;
}

TestReply TestReply::TricklingPage(std::string body, std::chrono::milliseconds byteInterval) {
    TestReply reply = Page(std::move(body));
    reply.byteInterval = byteInterval;
    return reply;
}

TestReply TestReply::Redirect(int status, std::string location) {
    TestReply reply;
    reply.statusLine = "HTTP/1.1 " + std::to_string(status) + " Redirect";
    reply.headers.push_back("Location: " + location);
    return reply;
}

TestHttpServer::TestHttpServer(int port)
    : defaultReply_(TestReply::Status("HTTP/1.1 404 Not Found", "Not Found")) {
    int wake[2];
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0 || pipe2(wake, O_CLOEXEC) != 0) {
        throw std::runtime_error("test server: no socket");
    }
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    const int yes = 1;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 64) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(listener_);
        close(wakeRead_);
        close(wakeWrite_);
        throw std::runtime_error("test server: cannot listen");
    }
    port_ = ntohs(address.sin_port);
    acceptThread_ = std::thread(&TestHttpServer::AcceptLoop, this);
}

TestHttpServer::~TestHttpServer() {
    Stop();
}

std::string TestHttpServer::HostPort() const {
    return "127.0.0.1:" + std::to_string(port_);
}

std::string TestHttpServer::Url(const std::string& target) const {
    return "http://" + HostPort() + target;
}

void TestHttpServer::Serve(const std::string& target, TestReply reply) {
    std::lock_guard lock(mutex_);
    replies_[target] = std::move(reply);
}

void TestHttpServer::SetDefaultReply(TestReply reply) {
    std::lock_guard lock(mutex_);
    defaultReply_ = std::move(reply);
}

std::vector<TestRequest> TestHttpServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

int TestHttpServer::Connections() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

void TestHttpServer::Stop() {
    if (stopped_.exchange(true)) {
        return;
    }
    const char wake = 1;
    if (write(wakeWrite_, &wake, 1) != 1) {
        // The pipe is new and empty: the write cannot fail.
    }
    acceptThread_.join();
    std::map<int, std::thread> threads;
    {
        std::lock_guard lock(mutex_);
        threads.swap(connectionThreads_);
    }
    for (auto& [number, thread] : threads) {
        thread.join();
    }
    close(listener_);
    close(wakeRead_);
    close(wakeWrite_);
}

void TestHttpServer::AcceptLoop() {
    while (WaitReady(listener_, POLLIN, wakeRead_)) {
        const int socket = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (socket < 0) {
            continue;
        }
        const int yes = 1;
        setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        JoinFinished();
        std::lock_guard lock(mutex_);
        const int number = ++connections_;
        connectionThreads_.emplace(
            number, std::thread(&TestHttpServer::ServeConnection, this, socket, number));
    }
}

void TestHttpServer::ServeConnection(int socket, int number) {
    std::string pending;
    std::string raw;
    while (ReadHead(socket, wakeRead_, pending, raw)) {
        TestRequest request{raw, TargetOf(raw), number};
        const TestReply reply = ReplyFor(request.target);
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(std::move(request));
        }
        if (reply.delay.count() > 0 && !Sleep(reply.delay, wakeRead_)) {
            break;
        }
        if (!SendReply(socket, wakeRead_, reply)) {
            break;
        }
    }
    shutdown(socket, SHUT_RDWR);
    close(socket);
    std::lock_guard lock(mutex_);
    finished_.push_back(number);
}

TestReply TestHttpServer::ReplyFor(const std::string& target) const {
    std::lock_guard lock(mutex_);
    auto found = replies_.find(target);
    if (found == replies_.end()) {
        found = replies_.find(target.substr(0, target.find('?')));
    }
    return found != replies_.end() ? found->second : defaultReply_;
}

void TestHttpServer::JoinFinished() {
    std::vector<std::thread> done;
    {
        std::lock_guard lock(mutex_);
        for (int number : finished_) {
            auto found = connectionThreads_.find(number);
            if (found != connectionThreads_.end()) {
                done.push_back(std::move(found->second));
                connectionThreads_.erase(found);
            }
        }
        finished_.clear();
    }
    for (std::thread& thread : done) {
        thread.join();
    }
}
