// libcurl results -> WinInet codes. Every failure a caller can meet maps to the code WinInet
// gives for the same situation; anything unforeseen becomes ERROR_INTERNET_INTERNAL_ERROR.
#include "curl_error_map.h"

#include <cerrno>

#include "wininet.h"

DWORD WinInetErrorFromCurl(CURLcode code, long osErrno, bool redirected)
{
    switch (code) {
    case CURLE_OK: return 0;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY: return ERROR_INTERNET_NAME_NOT_RESOLVED;
    case CURLE_COULDNT_CONNECT: return ERROR_INTERNET_CANNOT_CONNECT;
    case CURLE_OPERATION_TIMEDOUT: return ERROR_INTERNET_TIMEOUT;
    case CURLE_URL_MALFORMAT: return ERROR_INTERNET_INVALID_URL;
    // Schemes are checked before the request starts, so here the server led us astray:
    // a redirect to a scheme we do not speak, or an answer that is not HTTP at all.
    case CURLE_UNSUPPORTED_PROTOCOL:
        return redirected ? ERROR_HTTP_REDIRECT_FAILED : ERROR_HTTP_INVALID_SERVER_RESPONSE;
    case CURLE_TOO_MANY_REDIRECTS: return ERROR_HTTP_REDIRECT_FAILED;
    // The server closed the connection before the body it announced was complete.
    case CURLE_PARTIAL_FILE: return ERROR_INTERNET_CONNECTION_ABORTED;
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
        return osErrno == ECONNRESET ? ERROR_INTERNET_CONNECTION_RESET
                                     : ERROR_INTERNET_CONNECTION_ABORTED;
    case CURLE_GOT_NOTHING:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_BAD_CONTENT_ENCODING:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
    case CURLE_HTTP3: return ERROR_HTTP_INVALID_SERVER_RESPONSE;
    case CURLE_PEER_FAILED_VERIFICATION: return ERROR_INTERNET_INVALID_CA;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR: return ERROR_INTERNET_SECURITY_CHANNEL_ERROR;
    case CURLE_OUT_OF_MEMORY: return ERROR_NOT_ENOUGH_MEMORY;
    default: return ERROR_INTERNET_INTERNAL_ERROR;
    }
}
