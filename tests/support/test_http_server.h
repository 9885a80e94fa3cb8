#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// How a scripted reply marks the end of its body.
enum class BodyFraming { ContentLength, Chunked, Close };

// One scripted reply. The server adds the framing line ("Content-Length: n"
// or "Transfer-Encoding: chunked") and, when it closes the connection after
// the reply, "Connection: close"; everything else goes out as written.
struct TestReply {
    std::string statusLine = "HTTP/1.1 200 OK";
    std::vector<std::string> headers; // whole lines without their line end
    std::string body;
    std::size_t fillerBytes = 0; // further 'x' bytes streamed after the body
    BodyFraming framing = BodyFraming::ContentLength;
    bool keepAlive = true;              // a Close reply always closes
    std::chrono::milliseconds delay{0}; // before the reply is sent
    // When set, the head goes out at once and the body one byte at a time,
    // each byte after this pause (no filler): a trickling server, or a
    // stalled one when the pause is long.
    std::chrono::milliseconds byteInterval{0};

    static TestReply Page(std::string body);
    static TestReply Status(std::string statusLine, std::string body = {});
    static TestReply Redirect(int status, std::string location);
    static TestReply SlowPage(std::string body, std::chrono::milliseconds delay);
    static TestReply TricklingPage(std::string body, std::chrono::milliseconds byteInterval);
};

// One request as it arrived.
struct TestRequest {
    std::string raw;    // the bytes up to and including the blank line
    std::string target; // the second word of the request line
    int connection = 0; // 1 on the first connection accepted, 2 on the next, ...
};

// An HTTP server for tests on 127.0.0.1, serving scripted replies by request
// target, one thread per connection. Unknown targets get the default reply, a
// 404. Every request is recorded. The destructor stops and joins everything;
// a connection in the middle of a delay or a long body is cut off.
class TestHttpServer final {
public:
    explicit TestHttpServer(int port = 0); // 0: any free port
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    int Port() const { return port_; }
    std::string HostPort() const;                     // "127.0.0.1:<port>"
    std::string Url(const std::string& target) const; // "http://127.0.0.1:<port>" + target

    // Replies to a target: the exact target first, else its path without the
    // query, else the default reply.
    void Serve(const std::string& target, TestReply reply);
    void SetDefaultReply(TestReply reply);

    std::vector<TestRequest> Requests() const;
    int Connections() const; // accepted so far

    // Stops serving; the destructor calls it. Safe to call more than once.
    void Stop();

private:
    void AcceptLoop();
    void ServeConnection(int socket, int number);
    TestReply ReplyFor(const std::string& target) const;
    void JoinFinished();

    int listener_ = -1;
    int wakeRead_ = -1; // readable once the server stops
    int wakeWrite_ = -1;
    int port_ = 0;
    std::atomic<bool> stopped_{false};
    std::thread acceptThread_;

    mutable std::mutex mutex_;
    std::map<std::string, TestReply> replies_;
    TestReply defaultReply_;
    std::vector<TestRequest> requests_;
    int connections_ = 0;
    std::map<int, std::thread> connectionThreads_;
    std::vector<int> finished_;
};
