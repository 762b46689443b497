// A small HTTP/1.1 server on 127.0.0.1 for tests and benchmarks of the inet calls. It listens
// on a free port; one thread accepts and each connection is served on its own thread by the
// handler registered for the request's path (one request per connection, then close).
// Handlers write raw bytes, so a test can also cut, reset or stall a connection.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

struct HttpTestRequest {
    std::string method;                                        // "GET"
    std::string target;                                        // path and query as sent
    std::vector<std::pair<std::string, std::string>> headers;  // in the order received

    // The value of the first header of that name (any case), or "" when there is none.
    std::string Header(std::string_view name) const;
};

class HttpTestConnection {
  public:
    HttpTestConnection(int fd, const std::atomic<bool>* stopping);
    ~HttpTestConnection();
    HttpTestConnection(const HttpTestConnection&) = delete;
    HttpTestConnection& operator=(const HttpTestConnection&) = delete;

    // Sends all bytes; false once the peer is gone.
    bool Send(std::string_view bytes);
    // Sends the status line, the given "Name: value" lines, "Connection: close" and the
    // blank line.
    bool SendHead(int status, std::string_view reason, const std::vector<std::string>& headers);
    // Ends the connection with a TCP reset instead of an orderly close.
    void Reset();
    // Waits until the client closes its end, the server stops or the limit passes; true
    // when the client closed.
    bool WaitForClientClose(std::chrono::milliseconds limit);

  private:
    int fd_;
    const std::atomic<bool>* stopping_;
};

using HttpTestHandler = std::function<void(const HttpTestRequest&, HttpTestConnection&)>;

class HttpTestServer {
  public:
    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    bool Listening() const { return listenFd_ >= 0; }
    uint16_t Port() const { return port_; }
    // "http://127.0.0.1:<port>" followed by path.
    std::string Url(std::string_view path) const;
    // Serves path (without the query) with handler; other paths get a 404 page.
    void Handle(const std::string& path, HttpTestHandler handler);
    // Every request received so far, in order.
    std::vector<HttpTestRequest> Requests() const;

  private:
    void AcceptLoop();
    void Serve(int fd);

    int listenFd_ = -1;
    uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex lock_;
    std::map<std::string, HttpTestHandler> handlers_;
    std::vector<HttpTestRequest> requests_;
    std::vector<std::thread> connections_;
    std::thread acceptThread_;
};

// What a handler sent, for the test to look at while or after the client reads.
struct HttpTestSent {
    std::atomic<uint64_t> bytes{0};       // body bytes handed to the connection
    std::atomic<bool> clientLeft{false};  // the client closed before the body was all sent

    // Waits until the client has left or `limit` passes; true when it left.
    bool WaitForClientLeft(std::chrono::milliseconds limit) const;
};

// Ready-made handlers.
HttpTestHandler RespondWith(int status, std::string body,
                            std::string contentType = "application/octet-stream");
HttpTestHandler RedirectTo(int status, std::string location);
// A body of size bytes of PatternByte(0..size-1), made on the fly so the server itself
// holds no more than one small block whatever the size. `sent` (optional) counts it.
HttpTestHandler StreamPattern(uint64_t size, std::shared_ptr<HttpTestSent> sent = nullptr);
// A slow server: the head of a 200 answer announcing `announced` body bytes, then `body`
// one byte at a time with `interval` before each, then the connection is closed (cut short
// when `announced` is larger). Stops as soon as the client leaves, which `sent` notes.
HttpTestHandler Drip(std::string body, uint64_t announced, std::chrono::milliseconds interval,
                     std::shared_ptr<HttpTestSent> sent);

// The byte at offset of a StreamPattern body; it does not repeat at any short period, so
// lost, doubled or reordered blocks show up.
uint8_t PatternByte(uint64_t offset);

// A port on 127.0.0.1 with no listener (bound, read and let go again).
uint16_t UnusedLocalPort();
