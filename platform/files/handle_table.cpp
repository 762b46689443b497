// The table behind HANDLE values. Slots are reused after CloseHandle, like the device's
// handle values, so a stale handle may name a newer object; a closed slot is always refused.
#include "files/handle_table.h"

#include <vector>

#include "winbase.h"
#include "winerror.h"

namespace {

std::vector<std::unique_ptr<KernelObject>> gObjects;

size_t SlotOf(HANDLE handle)
{
    return (reinterpret_cast<uintptr_t>(handle) >> 2) - 1;
}

}  // namespace

HANDLE HandleTableAdd(std::unique_ptr<KernelObject> object)
{
    size_t slot = 0;
    while (slot < gObjects.size() && gObjects[slot])
        ++slot;
    if (slot == gObjects.size())
        gObjects.emplace_back();
    gObjects[slot] = std::move(object);
    return reinterpret_cast<HANDLE>((slot + 1) << 2);
}

KernelObject* HandleTableGet(HANDLE handle, HandleKind kind)
{
    const uintptr_t value = reinterpret_cast<uintptr_t>(handle);
    if (value == 0 || (value & 3) != 0 || SlotOf(handle) >= gObjects.size() ||
        !gObjects[SlotOf(handle)] || gObjects[SlotOf(handle)]->kind != kind) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return gObjects[SlotOf(handle)].get();
}

bool HandleTableClose(HANDLE handle, HandleKind kind)
{
    if (!HandleTableGet(handle, kind))
        return false;
    gObjects[SlotOf(handle)].reset();
    return true;
}
