// Waiting for the network inside a blocking inet call, with the program's blocking hook
// (DeviceSetBlockingHook) given its turns. Knows curl and the window manager's input step;
// nothing of handles.
#pragma once

#include <atomic>

#include <curl/curl.h>

// Waits up to `waitMs` for activity on `multi`, or less: with a blocking hook installed on
// this thread the wait is one short slice, before which the hook runs until it has nothing
// more to do and after which the device takes pending input. Returns early once `cancelled`
// is set.
void InetWaitForNetwork(CURLM* multi, int waitMs, const std::atomic<bool>& cancelled);
