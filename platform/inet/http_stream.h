// One HTTP GET, driven by curl's multi interface on the caller's thread. The caller blocks
// in Open until the final headers are in and in Read until its bytes are there, while the
// body flows through one small fixed buffer: when it is full the transfer is paused, so
// memory does not grow with the size of the answer. Cancel, from any thread or from the
// blocking hook, stops a waiting call. Knows nothing of handles or WCHAR.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include <curl/curl.h>

#include "windef.h"

struct HttpStreamSettings {
    std::string url;                   // UTF-8, already checked and escaped
    std::string userAgent;             // sent as given; empty sends no User-Agent line
    std::vector<std::string> headers;  // extra "Name: value" lines
    bool followRedirects = true;       //
    DWORD connectTimeoutMs = 60000;    // resolving and connecting; 0 or ~0: curl's 300 s
    DWORD receiveTimeoutMs = 30000;    // longest silence once connected; 0 or ~0: none
};

class HttpStream {
  public:
    HttpStream();
    ~HttpStream();
    HttpStream(const HttpStream&) = delete;
    HttpStream& operator=(const HttpStream&) = delete;

    // Sends the request and waits for the final status line and headers (redirects are
    // followed first). Returns 0, or the WinInet code of the failure.
    DWORD Open(const HttpStreamSettings& settings);

    // Copies body bytes into buffer until size bytes are there or the body ends. Returns 0
    // with *count set (0 at the end of the body), or the WinInet code of a failure. Bytes
    // that arrived before a failure are handed out first; the failure comes with the next
    // call, and every call after it.
    DWORD Read(void* buffer, size_t size, size_t* count);

    long StatusCode() const { return statusCode_; }
    // The reason phrase of the final status line ("Not Found"); empty where the server sent
    // none (HTTP/2 has none).
    const std::string& StatusText() const { return statusText_; }
    void SetReceiveTimeout(DWORD ms) { receiveTimeoutMs_ = ms; }

    // Ends the transfer for good: a waiting Open or Read returns at once, and it and every
    // later call fail with ERROR_INTERNET_OPERATION_CANCELLED. Safe from any thread.
    void Cancel();

  private:
    using Clock = std::chrono::steady_clock;

    static size_t OnHeader(char* data, size_t size, size_t count, void* self);
    static size_t OnBody(char* data, size_t size, size_t count, void* self);
    static int OnConnected(void* self, char*, char*, int, int);

    // Runs the transfer until done() holds, the transfer ends, the line stays silent for
    // the receive time-out or the transfer is cancelled. Returns 0 when done() holds or the
    // transfer ended well, else the WinInet code of the failure.
    template <typename Done> DWORD Drive(Done done);
    DWORD Finish(CURLcode code);
    size_t Buffered() const { return end_ - begin_; }

    CURL* easy_ = nullptr;
    CURLM* multi_ = nullptr;
    curl_slist* headerList_ = nullptr;
    std::unique_ptr<char[]> buffer_;  // body bytes not yet handed out: [begin_, end_)
    size_t capacity_ = 0;             //
    size_t begin_ = 0;                //
    size_t end_ = 0;                  //
    bool paused_ = false;             // curl holds a block we had no room for
    bool followRedirects_ = true;     //
    bool locationSeen_ = false;       // the response being received names a Location
    bool headersDone_ = false;        // the final response's headers are complete
    bool connected_ = false;          // the receive time-out runs only on a connection
    bool finished_ = false;           // curl has ended the transfer
    DWORD error_ = 0;                 // sticky WinInet code once the transfer failed
    long statusCode_ = 0;             //
    std::string statusText_;          // reason phrase of the response being received
    DWORD receiveTimeoutMs_ = 30000;  //
    Clock::time_point lastActivity_;  // last byte from the server, or connection made
    std::atomic<bool> cancelled_{false};
};
