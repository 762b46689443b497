// Handles of kernel objects (files, searches), platform-internal. A HANDLE is a small
// number cast to a pointer, never 0 or INVALID_HANDLE_VALUE, checked on every use.
#pragma once

#include <memory>

#include "windef.h"

enum class HandleKind { kFile, kFind };

struct KernelObject {
    explicit KernelObject(HandleKind k) : kind(k) {}
    virtual ~KernelObject() = default;
    KernelObject(const KernelObject&) = delete;
    KernelObject& operator=(const KernelObject&) = delete;
    HandleKind kind;
};

HANDLE HandleTableAdd(std::unique_ptr<KernelObject> object);
// The live object of `kind` behind `handle`, or null (the last error is then
// ERROR_INVALID_HANDLE).
KernelObject* HandleTableGet(HANDLE handle, HandleKind kind);
// Destroys the object; false (ERROR_INVALID_HANDLE) for a handle that is not live or not of
// `kind`.
bool HandleTableClose(HANDLE handle, HandleKind kind);
