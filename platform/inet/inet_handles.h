// The HINTERNET handles: a session from InternetOpenW and the address handles opened from
// it. A handle value is the address of its record, but it is only ever followed after the
// registry has confirmed it is live, so a stale or made-up value gives ERROR_INVALID_HANDLE
// instead of a crash. A call holds its record for as long as it runs, so closing a handle
// while a call waits on it (from the blocking hook or another thread) cancels the call
// instead of freeing the record under it.
#pragma once

#include <memory>
#include <string>

#include "http_stream.h"
#include "wininet.h"

enum class InetHandleKind { Session, Url };

struct InetHandle {
    InetHandleKind kind = InetHandleKind::Session;  //
    InetHandle* parent = nullptr;                   // the session of an address handle
    std::string userAgent;                          // sessions: UTF-8, sent as given
    DWORD connectTimeoutMs = 60000;                 // sessions: inherited by addresses
    DWORD receiveTimeoutMs = 30000;                 //
    std::unique_ptr<HttpStream> stream;             // address handles: the transfer
};

// Registers a record and returns the handle the caller hands out.
HINTERNET InetRegisterHandle(std::shared_ptr<InetHandle> handle);

// The live record behind a handle, or null for NULL, closed or unknown values. The record
// stays valid while the returned pointer is held, even if the handle is closed meanwhile.
std::shared_ptr<InetHandle> InetFindHandle(HINTERNET handle);

// Takes a live handle out of the registry and, for a session, every address handle opened
// from it; their transfers are cancelled, and each record is freed once no call holds it.
// Returns false when the handle was not live.
bool InetCloseHandle(HINTERNET handle);
