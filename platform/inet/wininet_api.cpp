// The WinInet entry points: argument checks, handle bookkeeping and last-error codes. The
// HTTP work itself is HttpStream's.
#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#include "inet_handles.h"
#include "url_text.h"
#include "winbase.h"
#include "wininet.h"

namespace {

constexpr DWORD kInternetFlagAsync = 0x10000000;
constexpr DWORD kOpenTypePreconfigNoAutoproxy = 4;

// Time-outs given to sessions opened from now on (InternetSetOptionW with a NULL handle).
std::atomic<DWORD> gDefaultConnectTimeoutMs{60000};
std::atomic<DWORD> gDefaultReceiveTimeoutMs{30000};

template <typename T> T Fail(DWORD code, T result)
{
    SetLastError(code);
    return result;
}

// The handle of the wanted kind, held for the call, or null with the last error set.
std::shared_ptr<InetHandle> FindHandleOfKind(HINTERNET handle, InetHandleKind kind)
{
    std::shared_ptr<InetHandle> found = InetFindHandle(handle);
    if (!found)
        return Fail<std::shared_ptr<InetHandle>>(ERROR_INVALID_HANDLE, nullptr);
    if (found->kind != kind)
        return Fail<std::shared_ptr<InetHandle>>(ERROR_INTERNET_INCORRECT_HANDLE_TYPE, nullptr);
    return found;
}

// Extra request headers as InternetOpenUrlW takes them: CR LF separated lines, length in
// characters or -1 for a zero-ended string.
std::vector<std::string> SplitHeaders(LPCWSTR headers, DWORD length)
{
    std::vector<std::string> lines;
    if (!headers || length == 0)
        return lines;
    size_t count = length;
    if (length == DWORD(-1)) {
        count = 0;
        while (headers[count])
            ++count;
    }
    const std::string text = Utf8FromWide(headers, count);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace

HINTERNET WINAPI InternetOpenW(LPCWSTR lpszAgent, DWORD dwAccessType, LPCWSTR lpszProxy,
                               LPCWSTR lpszProxyBypass, DWORD dwFlags)
{
    (void)lpszProxy;
    (void)lpszProxyBypass;
    if (dwAccessType != INTERNET_OPEN_TYPE_PRECONFIG && dwAccessType != INTERNET_OPEN_TYPE_DIRECT &&
        dwAccessType != kOpenTypePreconfigNoAutoproxy)
        return Fail<HINTERNET>(ERROR_INVALID_PARAMETER, nullptr);
    if (dwFlags & kInternetFlagAsync)
        return Fail<HINTERNET>(ERROR_INVALID_PARAMETER, nullptr);

    auto session = std::make_shared<InetHandle>();
    session->kind = InetHandleKind::Session;
    if (lpszAgent)
        session->userAgent = Utf8FromWide(lpszAgent, std::char_traits<WCHAR>::length(lpszAgent));
    session->connectTimeoutMs = gDefaultConnectTimeoutMs;
    session->receiveTimeoutMs = gDefaultReceiveTimeoutMs;
    return InetRegisterHandle(std::move(session));
}

HINTERNET WINAPI InternetOpenUrlW(HINTERNET hInternet, LPCWSTR lpszUrl, LPCWSTR lpszHeaders,
                                  DWORD dwHeadersLength, DWORD dwFlags, DWORD_PTR dwContext)
{
    (void)dwContext;
    std::shared_ptr<InetHandle> session = FindHandleOfKind(hInternet, InetHandleKind::Session);
    if (!session)
        return nullptr;
    if (!lpszUrl)
        return Fail<HINTERNET>(ERROR_INVALID_PARAMETER, nullptr);

    HttpStreamSettings settings;
    if (DWORD error = UrlFromWide(lpszUrl, &settings.url))
        return Fail<HINTERNET>(error, nullptr);
    settings.userAgent = session->userAgent;
    settings.headers = SplitHeaders(lpszHeaders, dwHeadersLength);
    settings.followRedirects = (dwFlags & INTERNET_FLAG_NO_AUTO_REDIRECT) == 0;
    settings.connectTimeoutMs = session->connectTimeoutMs;
    settings.receiveTimeoutMs = session->receiveTimeoutMs;

    auto request = std::make_shared<InetHandle>();
    request->kind = InetHandleKind::Url;
    request->parent = session.get();
    request->connectTimeoutMs = session->connectTimeoutMs;
    request->receiveTimeoutMs = session->receiveTimeoutMs;
    request->stream = std::make_unique<HttpStream>();
    // Listed under its session while it opens, so closing the session cancels the open.
    HINTERNET handle = InetRegisterHandle(request);
    if (DWORD error = request->stream->Open(settings)) {
        InetCloseHandle(handle);
        return Fail<HINTERNET>(error, nullptr);
    }
    return handle;
}

BOOL WINAPI InternetReadFile(HINTERNET hFile, LPVOID lpBuffer, DWORD dwNumberOfBytesToRead,
                             LPDWORD lpdwNumberOfBytesRead)
{
    if (!lpdwNumberOfBytesRead)
        return Fail(ERROR_INVALID_PARAMETER, FALSE);
    *lpdwNumberOfBytesRead = 0;
    std::shared_ptr<InetHandle> request = FindHandleOfKind(hFile, InetHandleKind::Url);
    if (!request)
        return FALSE;
    if (!lpBuffer && dwNumberOfBytesToRead > 0)
        return Fail(ERROR_INVALID_PARAMETER, FALSE);

    size_t count = 0;
    if (DWORD error = request->stream->Read(lpBuffer, dwNumberOfBytesToRead, &count))
        return Fail(error, FALSE);
    *lpdwNumberOfBytesRead = DWORD(count);
    return TRUE;
}

BOOL WINAPI InternetCloseHandle(HINTERNET hInternet)
{
    if (!InetCloseHandle(hInternet))
        return Fail(ERROR_INVALID_HANDLE, FALSE);
    return TRUE;
}

namespace {

// `text` (ASCII) into the caller's buffer of *length bytes, as the query answers text.
BOOL AnswerText(const std::string& text, LPVOID buffer, LPDWORD length)
{
    const DWORD needed = DWORD((text.size() + 1) * sizeof(WCHAR));
    if (!buffer || *length < needed) {
        *length = needed;
        return Fail(ERROR_INSUFFICIENT_BUFFER, FALSE);
    }
    WCHAR* out = static_cast<WCHAR*>(buffer);
    for (size_t i = 0; i < text.size(); ++i)
        out[i] = WCHAR(static_cast<unsigned char>(text[i]));
    out[text.size()] = 0;
    *length = DWORD(text.size() * sizeof(WCHAR));
    return TRUE;
}

}  // namespace

BOOL WINAPI HttpQueryInfoW(HINTERNET hRequest, DWORD dwInfoLevel, LPVOID lpBuffer,
                           LPDWORD lpdwBufferLength, LPDWORD lpdwIndex)
{
    std::shared_ptr<InetHandle> request = FindHandleOfKind(hRequest, InetHandleKind::Url);
    if (!request)
        return FALSE;
    if (!lpdwBufferLength)
        return Fail(ERROR_INVALID_PARAMETER, FALSE);
    const DWORD modifiers = dwInfoLevel & HTTP_QUERY_MODIFIER_FLAGS_MASK;
    const DWORD level = dwInfoLevel & HTTP_QUERY_HEADER_MASK;
    if (modifiers & ~DWORD(HTTP_QUERY_FLAG_NUMBER))
        return Fail(ERROR_HTTP_INVALID_QUERY_REQUEST, FALSE);
    // The status line exists once per answer: only index 0 is there.
    if ((level != HTTP_QUERY_STATUS_CODE && level != HTTP_QUERY_STATUS_TEXT) ||
        (lpdwIndex && *lpdwIndex != 0))
        return Fail(ERROR_HTTP_HEADER_NOT_FOUND, FALSE);
    if (level == HTTP_QUERY_STATUS_TEXT && (modifiers & HTTP_QUERY_FLAG_NUMBER))
        return Fail(ERROR_HTTP_INVALID_QUERY_REQUEST, FALSE);

    BOOL answered = FALSE;
    const DWORD status = DWORD(request->stream->StatusCode());
    if (level == HTTP_QUERY_STATUS_TEXT) {
        answered = AnswerText(request->stream->StatusText(), lpBuffer, lpdwBufferLength);
    } else if (modifiers & HTTP_QUERY_FLAG_NUMBER) {
        if (!lpBuffer || *lpdwBufferLength < sizeof(DWORD)) {
            *lpdwBufferLength = sizeof(DWORD);
            return Fail(ERROR_INSUFFICIENT_BUFFER, FALSE);
        }
        std::memcpy(lpBuffer, &status, sizeof status);
        *lpdwBufferLength = sizeof(DWORD);
        answered = TRUE;
    } else {
        answered = AnswerText(std::to_string(status), lpBuffer, lpdwBufferLength);
    }
    if (answered && lpdwIndex)
        *lpdwIndex = 1;
    return answered;
}

BOOL WINAPI InternetSetOptionW(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer,
                               DWORD dwBufferLength)
{
    if (dwOption != INTERNET_OPTION_CONNECT_TIMEOUT && dwOption != INTERNET_OPTION_RECEIVE_TIMEOUT)
        return Fail(ERROR_INTERNET_INVALID_OPTION, FALSE);
    if (!lpBuffer)
        return Fail(ERROR_INVALID_PARAMETER, FALSE);
    if (dwBufferLength != sizeof(DWORD))
        return Fail(ERROR_INTERNET_BAD_OPTION_LENGTH, FALSE);
    DWORD ms = 0;
    std::memcpy(&ms, lpBuffer, sizeof ms);
    const bool connect = dwOption == INTERNET_OPTION_CONNECT_TIMEOUT;

    if (!hInternet) {
        (connect ? gDefaultConnectTimeoutMs : gDefaultReceiveTimeoutMs) = ms;
        return TRUE;
    }
    std::shared_ptr<InetHandle> handle = InetFindHandle(hInternet);
    if (!handle)
        return Fail(ERROR_INVALID_HANDLE, FALSE);
    (connect ? handle->connectTimeoutMs : handle->receiveTimeoutMs) = ms;
    // An open address is past connecting; only its receive time-out still matters.
    if (handle->stream && !connect)
        handle->stream->SetReceiveTimeout(ms);
    return TRUE;
}
