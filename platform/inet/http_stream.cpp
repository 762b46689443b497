// HttpStream: a curl easy handle on a private multi handle, pumped only while the caller
// waits. curl hands body blocks to OnBody; a block that does not fit is refused with
// CURL_WRITEFUNC_PAUSE, curl keeps it and stops reading the socket until Read has emptied
// the buffer and resumes the transfer. The receive time-out is ours, not curl's, because
// curl's low-speed check counts whole seconds and would also count paused time.
#include "http_stream.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <string_view>

#include "blocking_wait.h"
#include "curl_error_map.h"
#include "wininet.h"

namespace {

constexpr size_t kBufferBytes = 64 * 1024;  // four of curl's largest blocks
constexpr DWORD kForever = 0xFFFFFFFF;
constexpr long kMaxRedirects = 10;
constexpr int kPollSliceMs = 1000;

void InitCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

bool IsForever(DWORD ms)
{
    return ms == 0 || ms == kForever;
}

}  // namespace

// The handles exist from the start, so Cancel from another thread never meets them half made.
HttpStream::HttpStream() : buffer_(new char[kBufferBytes]), capacity_(kBufferBytes)
{
    InitCurlOnce();
    easy_ = curl_easy_init();
    multi_ = curl_multi_init();
}

HttpStream::~HttpStream()
{
    if (multi_ && easy_)
        curl_multi_remove_handle(multi_, easy_);
    if (easy_)
        curl_easy_cleanup(easy_);
    if (multi_)
        curl_multi_cleanup(multi_);
    curl_slist_free_all(headerList_);
}

DWORD HttpStream::Open(const HttpStreamSettings& settings)
{
    followRedirects_ = settings.followRedirects;
    receiveTimeoutMs_ = settings.receiveTimeoutMs;
    if (!easy_ || !multi_)
        return error_ = ERROR_NOT_ENOUGH_MEMORY;
    for (const std::string& line : settings.headers) {
        curl_slist* grown = curl_slist_append(headerList_, line.c_str());
        if (!grown)
            return error_ = ERROR_NOT_ENOUGH_MEMORY;
        headerList_ = grown;
    }

    curl_easy_setopt(easy_, CURLOPT_URL, settings.url.c_str());
    curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy_, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy_, CURLOPT_FOLLOWLOCATION, settings.followRedirects ? 1L : 0L);
    curl_easy_setopt(easy_, CURLOPT_MAXREDIRS, kMaxRedirects);
    if (!settings.userAgent.empty())
        curl_easy_setopt(easy_, CURLOPT_USERAGENT, settings.userAgent.c_str());
    curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headerList_);
    // The device connects directly; the host's proxy variables are not its settings.
    curl_easy_setopt(easy_, CURLOPT_PROXY, "");
    curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT_MS,
                     IsForever(settings.connectTimeoutMs) ? 0L : long(settings.connectTimeoutMs));
    curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &HttpStream::OnHeader);
    curl_easy_setopt(easy_, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &HttpStream::OnBody);
    curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(easy_, CURLOPT_PREREQFUNCTION, &HttpStream::OnConnected);
    curl_easy_setopt(easy_, CURLOPT_PREREQDATA, this);
    if (curl_multi_add_handle(multi_, easy_) != CURLM_OK)
        return error_ = ERROR_INTERNET_INTERNAL_ERROR;

    if (DWORD error = Drive([this] { return headersDone_; }))
        return error;
    if (cancelled_)
        return error_ = ERROR_INTERNET_OPERATION_CANCELLED;
    curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &statusCode_);
    headersDone_ = true;
    return 0;
}

DWORD HttpStream::Read(void* buffer, size_t size, size_t* count)
{
    char* out = static_cast<char*>(buffer);
    size_t total = 0;
    while (total < size) {
        if (Buffered() > 0) {
            const size_t n = std::min(size - total, Buffered());
            std::memcpy(out + total, buffer_.get() + begin_, n);
            begin_ += n;
            total += n;
            if (begin_ == end_)
                begin_ = end_ = 0;
            continue;
        }
        if (error_ || finished_)
            break;
        if (paused_) {
            // Resuming may hand over the held block at once, from inside this call.
            paused_ = false;
            const CURLcode code = curl_easy_pause(easy_, CURLPAUSE_CONT);
            if (code != CURLE_OK) {
                Finish(code);
                break;
            }
            continue;
        }
        if (Drive([this] { return Buffered() > 0; }) != 0)
            break;
    }
    // A cancelled transfer hands out nothing more, not even bytes it already holds.
    if (cancelled_) {
        *count = 0;
        return error_ = ERROR_INTERNET_OPERATION_CANCELLED;
    }
    *count = total;
    return total > 0 ? 0 : error_;
}

void HttpStream::Cancel()
{
    cancelled_ = true;
    if (multi_)
        curl_multi_wakeup(multi_);
}

template <typename Done> DWORD HttpStream::Drive(Done done)
{
    using std::chrono::milliseconds;
    const Clock::time_point waitStart = Clock::now();
    while (!done() && !finished_ && !error_) {
        if (cancelled_)
            return error_ = ERROR_INTERNET_OPERATION_CANCELLED;
        int running = 0;
        if (curl_multi_perform(multi_, &running) != CURLM_OK)
            return error_ = ERROR_INTERNET_INTERNAL_ERROR;
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi_, &queued)) {
            if (message->msg == CURLMSG_DONE)
                Finish(message->data.result);
        }
        if (done() || finished_ || error_)
            break;

        int waitMs = kPollSliceMs;
        // Time spent by the caller between two reads is not silence on the line.
        if (connected_ && !IsForever(receiveTimeoutMs_)) {
            const Clock::time_point since = std::max(lastActivity_, waitStart);
            const auto elapsed =
                std::chrono::duration_cast<milliseconds>(Clock::now() - since).count();
            if (elapsed >= long(receiveTimeoutMs_))
                return error_ = ERROR_INTERNET_TIMEOUT;
            waitMs = int(std::min<long>(waitMs, long(receiveTimeoutMs_) - elapsed));
        }
        InetWaitForNetwork(multi_, waitMs, cancelled_);
    }
    // What was waited for counts even when the transfer failed right after it: headers
    // followed by a cut body still open, and the failure waits for the reads.
    return done() ? 0 : error_;
}

DWORD HttpStream::Finish(CURLcode code)
{
    finished_ = true;
    if (code == CURLE_OK)
        return 0;
    long osErrno = 0;
    long redirects = 0;
    curl_easy_getinfo(easy_, CURLINFO_OS_ERRNO, &osErrno);
    curl_easy_getinfo(easy_, CURLINFO_REDIRECT_COUNT, &redirects);
    return error_ = WinInetErrorFromCurl(code, osErrno, redirects > 0 || locationSeen_);
}

// Header lines of every response arrive here, redirects included. The final headers are
// complete at the blank line of a response that is neither interim (1xx) nor a redirect
// curl is about to follow.
size_t HttpStream::OnHeader(char* data, size_t size, size_t count, void* self)
{
    HttpStream* stream = static_cast<HttpStream*>(self);
    const std::string_view line(data, size * count);
    stream->lastActivity_ = Clock::now();
    if (stream->headersDone_)
        return line.size();
    if (StartsWithNoCase(line, "http/")) {
        stream->locationSeen_ = false;
        // "HTTP/1.1 404 Not Found\r\n": what follows the code, without the line's end.
        const size_t code = line.find(' ');
        const size_t reason = code == std::string_view::npos ? code : line.find(' ', code + 1);
        std::string_view text = reason == std::string_view::npos ? "" : line.substr(reason + 1);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.remove_suffix(1);
        stream->statusText_.assign(text.substr(0, 128));
    } else if (StartsWithNoCase(line, "location:")) {
        stream->locationSeen_ = true;
    } else if (line == "\r\n" || line == "\n") {
        long code = 0;
        curl_easy_getinfo(stream->easy_, CURLINFO_RESPONSE_CODE, &code);
        const bool redirect = code >= 300 && code < 400 && stream->locationSeen_;
        if (code >= 200 && !(redirect && stream->followRedirects_)) {
            stream->statusCode_ = code;
            stream->headersDone_ = true;
        }
    }
    return line.size();
}

size_t HttpStream::OnBody(char* data, size_t size, size_t count, void* self)
{
    HttpStream* stream = static_cast<HttpStream*>(self);
    const size_t bytes = size * count;
    stream->headersDone_ = true;
    stream->lastActivity_ = Clock::now();
    if (stream->capacity_ - stream->Buffered() < bytes) {
        if (stream->Buffered() > 0 || bytes <= stream->capacity_) {
            stream->paused_ = true;
            return CURL_WRITEFUNC_PAUSE;
        }
        // curl never hands more than its own block size, which fits; should a future
        // version do so, take the block rather than stall for ever.
        stream->buffer_.reset(new char[bytes]);
        stream->capacity_ = bytes;
        stream->begin_ = stream->end_ = 0;
    }
    if (stream->capacity_ - stream->end_ < bytes) {
        std::memmove(stream->buffer_.get(), stream->buffer_.get() + stream->begin_,
                     stream->Buffered());
        stream->end_ -= stream->begin_;
        stream->begin_ = 0;
    }
    std::memcpy(stream->buffer_.get() + stream->end_, data, bytes);
    stream->end_ += bytes;
    return bytes;
}

int HttpStream::OnConnected(void* self, char*, char*, int, int)
{
    HttpStream* stream = static_cast<HttpStream*>(self);
    stream->connected_ = true;
    stream->lastActivity_ = Clock::now();
    return CURL_PREREQFUNC_OK;
}
