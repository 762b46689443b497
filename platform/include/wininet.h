// HTTP download: the WinInet subset the programs use, synchronous and streamed. A session
// handle from InternetOpenW opens addresses with InternetOpenUrlW; the body is read with
// InternetReadFile until it returns TRUE with 0 bytes. Failures return FALSE or NULL and
// leave a WinInet code (1200x-1215x) for GetLastError.
#pragma once

#include "windef.h"
#include "winerror.h"

typedef LPVOID HINTERNET;
typedef HINTERNET* LPHINTERNET;
typedef WORD INTERNET_PORT;

// InternetOpenW access types. Both mean "connect directly": the device has no proxy setup.
#define INTERNET_OPEN_TYPE_PRECONFIG 0
#define INTERNET_OPEN_TYPE_DIRECT    1
#define INTERNET_OPEN_TYPE_PROXY     3

// InternetOpenUrlW flags. There is no cache on the device, so the cache flags are accepted
// and change nothing: every open goes to the server.
#define INTERNET_FLAG_RELOAD           0x80000000
#define INTERNET_FLAG_RAW_DATA         0x40000000
#define INTERNET_FLAG_EXISTING_CONNECT 0x20000000
#define INTERNET_FLAG_NO_CACHE_WRITE   0x04000000
#define INTERNET_FLAG_DONT_CACHE       INTERNET_FLAG_NO_CACHE_WRITE
#define INTERNET_FLAG_SECURE           0x00800000
#define INTERNET_FLAG_KEEP_CONNECTION  0x00400000
#define INTERNET_FLAG_NO_AUTO_REDIRECT 0x00200000
#define INTERNET_FLAG_NO_COOKIES       0x00080000
#define INTERNET_FLAG_NO_UI            0x00000200
#define INTERNET_FLAG_PRAGMA_NOCACHE   0x00000100

#define INTERNET_DEFAULT_HTTP_PORT  80
#define INTERNET_DEFAULT_HTTPS_PORT 443

// InternetSetOptionW: time-outs in milliseconds as a DWORD. 0 or 0xFFFFFFFF lifts the limit,
// except that connecting still gives up after five minutes.
#define INTERNET_OPTION_CONNECT_TIMEOUT 2
#define INTERNET_OPTION_RECEIVE_TIMEOUT 6

// HttpQueryInfoW levels and modifiers.
#define HTTP_QUERY_STATUS_CODE         19
#define HTTP_QUERY_STATUS_TEXT         20
#define HTTP_QUERY_FLAG_NUMBER         0x20000000
#define HTTP_QUERY_MODIFIER_FLAGS_MASK 0xF0000000
#define HTTP_QUERY_HEADER_MASK         (~HTTP_QUERY_MODIFIER_FLAGS_MASK)

#define HTTP_STATUS_OK           200
#define HTTP_STATUS_MOVED        301
#define HTTP_STATUS_REDIRECT     302
#define HTTP_STATUS_NOT_FOUND    404
#define HTTP_STATUS_SERVER_ERROR 500

// General Win32 codes the calls report, for builds that see this header first.
#ifndef ERROR_INVALID_HANDLE
#define ERROR_INVALID_HANDLE 6
#endif
#ifndef ERROR_NOT_ENOUGH_MEMORY
#define ERROR_NOT_ENOUGH_MEMORY 8
#endif
#ifndef ERROR_INVALID_PARAMETER
#define ERROR_INVALID_PARAMETER 87
#endif
#ifndef ERROR_INSUFFICIENT_BUFFER
#define ERROR_INSUFFICIENT_BUFFER 122
#endif

// WinInet error codes.
#define INTERNET_ERROR_BASE                   12000
#define ERROR_INTERNET_OUT_OF_HANDLES         12001
#define ERROR_INTERNET_TIMEOUT                12002
#define ERROR_INTERNET_INTERNAL_ERROR         12004
#define ERROR_INTERNET_INVALID_URL            12005
#define ERROR_INTERNET_UNRECOGNIZED_SCHEME    12006
#define ERROR_INTERNET_NAME_NOT_RESOLVED      12007
#define ERROR_INTERNET_INVALID_OPTION         12009
#define ERROR_INTERNET_BAD_OPTION_LENGTH      12010
#define ERROR_INTERNET_OPERATION_CANCELLED    12017
#define ERROR_INTERNET_INCORRECT_HANDLE_TYPE  12018
#define ERROR_INTERNET_CANNOT_CONNECT         12029
#define ERROR_INTERNET_CONNECTION_ABORTED     12030
#define ERROR_INTERNET_CONNECTION_RESET       12031
#define ERROR_INTERNET_SEC_CERT_DATE_INVALID  12037
#define ERROR_INTERNET_SEC_CERT_CN_INVALID    12038
#define ERROR_INTERNET_INVALID_CA             12045
#define ERROR_INTERNET_SECURITY_CHANNEL_ERROR 12157
#define ERROR_HTTP_HEADER_NOT_FOUND           12150
#define ERROR_HTTP_INVALID_SERVER_RESPONSE    12152
#define ERROR_HTTP_INVALID_QUERY_REQUEST      12154
#define ERROR_HTTP_REDIRECT_FAILED            12156

// A session: the user agent is sent as given with every request opened from it. Proxy and
// bypass lists are not supported (NULL expected); flags must be 0 (no asynchronous mode).
HINTERNET WINAPI InternetOpenW(LPCWSTR lpszAgent, DWORD dwAccessType, LPCWSTR lpszProxy,
                               LPCWSTR lpszProxyBypass, DWORD dwFlags);

// Sends a GET for an http:// or https:// address, follows redirects and returns once the
// final status line and headers are in. An HTTP error status still opens: its body is read
// like any other. Extra headers are sent as given ("Name: value" lines, -1 = zero-ended).
HINTERNET WINAPI InternetOpenUrlW(HINTERNET hInternet, LPCWSTR lpszUrl, LPCWSTR lpszHeaders,
                                  DWORD dwHeadersLength, DWORD dwFlags, DWORD_PTR dwContext);

// Blocks until dwNumberOfBytesToRead bytes are read or the body ends; TRUE with 0 bytes
// read means the end of the body.
BOOL WINAPI InternetReadFile(HINTERNET hFile, LPVOID lpBuffer, DWORD dwNumberOfBytesToRead,
                             LPDWORD lpdwNumberOfBytesRead);

// Closes a handle; closing a session also closes every address handle opened from it. A call
// still waiting on a closed handle (InternetOpenUrlW on the session, InternetReadFile on the
// address) stops and fails with ERROR_INTERNET_OPERATION_CANCELLED; this is how a program
// stops a transfer, from the blocking hook (device.h) or from another thread.
BOOL WINAPI InternetCloseHandle(HINTERNET hInternet);

// The final status code, as a number (HTTP_QUERY_FLAG_NUMBER, a DWORD) or as text, or its
// reason phrase (HTTP_QUERY_STATUS_TEXT: "Not Found", empty when the server sent none).
// *lpdwBufferLength is in bytes; when too small the call fails with
// ERROR_INSUFFICIENT_BUFFER and sets the size needed.
BOOL WINAPI HttpQueryInfoW(HINTERNET hRequest, DWORD dwInfoLevel, LPVOID lpBuffer,
                           LPDWORD lpdwBufferLength, LPDWORD lpdwIndex);

// Time-outs for a session (inherited by addresses opened later), for one address handle,
// or with a NULL handle the defaults of sessions opened later.
BOOL WINAPI InternetSetOptionW(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer,
                               DWORD dwBufferLength);
