// The blocking hook of the inet calls. Without a hook a call simply blocks in curl's poll.
// With one, each wait is a slice of at most kSliceMs: the hook first dispatches what the
// program has pending (paints, taps, timers, close requests), then curl polls the network
// for the slice, then the device hands over input that arrived meanwhile. A cancel in the
// hook (InternetCloseHandle) is seen as soon as the hook returns.
#include "blocking_wait.h"

#include <algorithm>

#include "device.h"
#include "user/user_internal.h"

namespace {

constexpr int kSliceMs = 20;
// A hook that always finds something to do must still let the network have its turn.
constexpr int kHookCallsPerSlice = 64;

// Per thread, as a blocking hook is: a transfer on another thread never runs this one's
// message loop.
thread_local DEVICEBLOCKINGHOOK tHook = nullptr;
thread_local bool tInHook = false;

}  // namespace

DEVICEBLOCKINGHOOK DeviceSetBlockingHook(DEVICEBLOCKINGHOOK hook)
{
    const DEVICEBLOCKINGHOOK previous = tHook;
    tHook = hook;
    return previous;
}

void InetWaitForNetwork(CURLM* multi, int waitMs, const std::atomic<bool>& cancelled)
{
    if (!tHook || tInHook) {
        curl_multi_poll(multi, nullptr, 0, waitMs, nullptr);
        return;
    }
    tInHook = true;
    for (int i = 0; i < kHookCallsPerSlice && !cancelled && tHook && tHook(); ++i) {
    }
    tInHook = false;
    if (cancelled)
        return;
    int events = 0;
    curl_multi_poll(multi, nullptr, 0, std::min(waitMs, kSliceMs), &events);
    UserTakeInputWhileWaiting(events == 0);
}
