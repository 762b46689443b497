// HttpTestServer: blocking POSIX sockets and one thread per connection, which is plenty for
// tests. Every wait polls in short slices and checks the stop flag, so the destructor never
// hangs on a handler that waits for a client.
#include "http_test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kSliceMs = 50;
constexpr size_t kMaxHeadBytes = 64 * 1024;

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return out;
}

// Reads up to the blank line ending the request head; false when the client left first.
bool ReadHead(int fd, const std::atomic<bool>& stopping, std::string* head)
{
    char block[4096];
    while (head->find("\r\n\r\n") == std::string::npos) {
        if (stopping || head->size() > kMaxHeadBytes)
            return false;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, kSliceMs) <= 0)
            continue;
        const ssize_t n = recv(fd, block, sizeof block, 0);
        if (n <= 0)
            return false;
        head->append(block, size_t(n));
    }
    return true;
}

HttpTestRequest ParseHead(const std::string& head)
{
    HttpTestRequest request;
    size_t lineEnd = head.find("\r\n");
    const std::string first = head.substr(0, lineEnd);
    const size_t space1 = first.find(' ');
    const size_t space2 = first.find(' ', space1 + 1);
    request.method = first.substr(0, space1);
    request.target = first.substr(space1 + 1, space2 - space1 - 1);
    size_t start = lineEnd + 2;
    while (start < head.size()) {
        lineEnd = head.find("\r\n", start);
        if (lineEnd == start || lineEnd == std::string::npos)
            break;
        const std::string line = head.substr(start, lineEnd - start);
        const size_t colon = line.find(':');
        if (colon != std::string::npos) {
            size_t valueStart = colon + 1;
            while (valueStart < line.size() && line[valueStart] == ' ')
                ++valueStart;
            request.headers.emplace_back(line.substr(0, colon), line.substr(valueStart));
        }
        start = lineEnd + 2;
    }
    return request;
}

}  // namespace

std::string HttpTestRequest::Header(std::string_view name) const
{
    const std::string wanted = Lower(name);
    for (const auto& [key, value] : headers) {
        if (Lower(key) == wanted)
            return value;
    }
    return "";
}

HttpTestConnection::HttpTestConnection(int fd, const std::atomic<bool>* stopping)
    : fd_(fd), stopping_(stopping)
{
}

HttpTestConnection::~HttpTestConnection()
{
    if (fd_ >= 0)
        close(fd_);
}

bool HttpTestConnection::Send(std::string_view bytes)
{
    while (!bytes.empty()) {
        if (fd_ < 0 || *stopping_)
            return false;
        pollfd p{fd_, POLLOUT, 0};
        if (poll(&p, 1, kSliceMs) <= 0)
            continue;
        const ssize_t n = send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        bytes.remove_prefix(size_t(n));
    }
    return true;
}

bool HttpTestConnection::SendHead(int status, std::string_view reason,
                                  const std::vector<std::string>& headers)
{
    std::string head = "HTTP/1.1 " + std::to_string(status) + " " + std::string(reason) + "\r\n";
    for (const std::string& line : headers)
        head += line + "\r\n";
    head += "Connection: close\r\n\r\n";
    return Send(head);
}

void HttpTestConnection::Reset()
{
    if (fd_ < 0)
        return;
    linger hard{1, 0};
    setsockopt(fd_, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    close(fd_);
    fd_ = -1;
}

bool HttpTestConnection::WaitForClientClose(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    char scratch[4096];
    while (fd_ >= 0 && !*stopping_ && std::chrono::steady_clock::now() < deadline) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, kSliceMs) <= 0)
            continue;
        if (recv(fd_, scratch, sizeof scratch, 0) <= 0)
            return true;
    }
    return false;
}

HttpTestServer::HttpTestServer()
{
    listenFd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (listenFd_ < 0 || bind(listenFd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(listenFd_, 16) != 0 ||
        getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listenFd_ >= 0)
            close(listenFd_);
        listenFd_ = -1;
        return;
    }
    port_ = ntohs(address.sin_port);
    acceptThread_ = std::thread([this] { AcceptLoop(); });
}

HttpTestServer::~HttpTestServer()
{
    stopping_ = true;
    if (acceptThread_.joinable())
        acceptThread_.join();
    std::vector<std::thread> running;
    {
        std::lock_guard<std::mutex> hold(lock_);
        running.swap(connections_);
    }
    for (std::thread& thread : running)
        thread.join();
    if (listenFd_ >= 0)
        close(listenFd_);
}

std::string HttpTestServer::Url(std::string_view path) const
{
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

void HttpTestServer::Handle(const std::string& path, HttpTestHandler handler)
{
    std::lock_guard<std::mutex> hold(lock_);
    handlers_[path] = std::move(handler);
}

std::vector<HttpTestRequest> HttpTestServer::Requests() const
{
    std::lock_guard<std::mutex> hold(lock_);
    return requests_;
}

void HttpTestServer::AcceptLoop()
{
    while (!stopping_) {
        pollfd p{listenFd_, POLLIN, 0};
        if (poll(&p, 1, kSliceMs) <= 0)
            continue;
        const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        std::lock_guard<std::mutex> hold(lock_);
        connections_.emplace_back([this, fd] { Serve(fd); });
    }
}

void HttpTestServer::Serve(int fd)
{
    HttpTestConnection connection(fd, &stopping_);
    std::string head;
    if (!ReadHead(fd, stopping_, &head))
        return;
    const HttpTestRequest request = ParseHead(head);
    const std::string path = request.target.substr(0, request.target.find('?'));
    HttpTestHandler handler;
    {
        std::lock_guard<std::mutex> hold(lock_);
        requests_.push_back(request);
        auto it = handlers_.find(path);
        if (it != handlers_.end())
            handler = it->second;
    }
    if (!handler)
        handler = RespondWith(404, "<html><body>Not found</body></html>", "text/html");
    handler(request, connection);
}

HttpTestHandler RespondWith(int status, std::string body, std::string contentType)
{
    return [status, body = std::move(body), contentType = std::move(contentType)](
               const HttpTestRequest&, HttpTestConnection& connection) {
        const char* reason = status == 200 ? "OK" : status == 404 ? "Not Found" : "Status";
        if (connection.SendHead(
                status, reason,
                {"Content-Type: " + contentType, "Content-Length: " + std::to_string(body.size())}))
            connection.Send(body);
    };
}

HttpTestHandler RedirectTo(int status, std::string location)
{
    return [status, location = std::move(location)](const HttpTestRequest&,
                                                    HttpTestConnection& connection) {
        const std::string body = "<html><body>Moved</body></html>";
        if (connection.SendHead(status, "Moved",
                                {"Location: " + location, "Content-Type: text/html",
                                 "Content-Length: " + std::to_string(body.size())}))
            connection.Send(body);
    };
}

bool HttpTestSent::WaitForClientLeft(std::chrono::milliseconds limit) const
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!clientLeft && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
    return clientLeft;
}

HttpTestHandler StreamPattern(uint64_t size, std::shared_ptr<HttpTestSent> sent)
{
    return [size, sent](const HttpTestRequest&, HttpTestConnection& connection) {
        if (!connection.SendHead(200, "OK",
                                 {"Content-Type: application/octet-stream",
                                  "Content-Length: " + std::to_string(size)}))
            return;
        std::string block(64 * 1024, '\0');
        for (uint64_t offset = 0; offset < size;) {
            const size_t n = size_t(std::min<uint64_t>(block.size(), size - offset));
            for (size_t i = 0; i < n; ++i)
                block[i] = char(PatternByte(offset + i));
            if (!connection.Send(std::string_view(block.data(), n))) {
                if (sent)
                    sent->clientLeft = true;
                return;
            }
            offset += n;
            if (sent)
                sent->bytes = offset;
        }
    };
}

HttpTestHandler Drip(std::string body, uint64_t announced, std::chrono::milliseconds interval,
                     std::shared_ptr<HttpTestSent> sent)
{
    return [body = std::move(body), announced, interval, sent](const HttpTestRequest&,
                                                               HttpTestConnection& connection) {
        if (!connection.SendHead(200, "OK",
                                 {"Content-Type: application/octet-stream",
                                  "Content-Length: " + std::to_string(announced)}))
            return;
        for (char byte : body) {
            if (connection.WaitForClientClose(interval) ||
                !connection.Send(std::string_view(&byte, 1))) {
                sent->clientLeft = true;
                return;
            }
            ++sent->bytes;
        }
    };
}

uint8_t PatternByte(uint64_t offset)
{
    const uint64_t mixed = offset * 0x9E3779B97F4A7C15ull;
    return uint8_t((mixed >> 29) ^ (offset >> 15));
}

uint16_t UnusedLocalPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    uint16_t port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}
