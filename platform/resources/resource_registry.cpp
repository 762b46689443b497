// The resource registry: programs register constant tables; lookups find entries by id and
// type. Names of the form "#123" and MAKEINTRESOURCE values are the same id; type names
// compare case-insensitively, as resource types do on the device.
#include <algorithm>
#include <vector>

#include "resources.h"

namespace {

std::vector<const ResourceModule*> gModules;

HINSTANCE HandleOf(size_t index)
{
    return reinterpret_cast<HINSTANCE>(index + 1);
}

const ResourceModule* ModuleOf(HMODULE module)
{
    if (!module) {
        return gModules.empty() ? nullptr : gModules.front();
    }
    const auto index = reinterpret_cast<ULONG_PTR>(module);
    return index >= 1 && index <= gModules.size() ? gModules[index - 1] : nullptr;
}

// Reads "#123" or a MAKEINTRESOURCE value; false for other names, which no table uses.
bool IdOfName(LPCWSTR name, UINT* id)
{
    if (IS_INTRESOURCE(name)) {
        *id = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name));
        return true;
    }
    if (!name || name[0] != u'#' || name[1] == 0) {
        return false;
    }
    UINT value = 0;
    for (LPCWSTR p = name + 1; *p; ++p) {
        if (*p < u'0' || *p > u'9' || value > 6553) {
            return false;
        }
        value = value * 10 + static_cast<UINT>(*p - u'0');
    }
    if (value > 0xFFFF) {
        return false;
    }
    *id = value;
    return true;
}

char16_t Fold(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

bool SameType(LPCWSTR a, LPCWSTR b)
{
    if (IS_INTRESOURCE(a) || IS_INTRESOURCE(b)) {
        return a == b;
    }
    for (; *a && *b; ++a, ++b) {
        if (Fold(*a) != Fold(*b)) {
            return false;
        }
    }
    return *a == *b;
}

}  // namespace

HINSTANCE RegisterResourceModule(const ResourceModule* module)
{
    auto it = std::find(gModules.begin(), gModules.end(), module);
    if (it == gModules.end()) {
        gModules.push_back(module);
        it = gModules.end() - 1;
    }
    return HandleOf(static_cast<size_t>(it - gModules.begin()));
}

HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName)
{
    if (!moduleName) {
        return gModules.empty() ? nullptr : HandleOf(0);
    }
    for (size_t i = 0; i < gModules.size(); ++i) {
        if (SameType(gModules[i]->moduleFileName, moduleName)) {
            return HandleOf(i);
        }
    }
    return nullptr;
}

HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type)
{
    const ResourceModule* m = ModuleOf(module);
    UINT id = 0;
    if (!m || !type || !IdOfName(name, &id)) {
        return nullptr;
    }
    for (int i = 0; i < m->count; ++i) {
        const ResourceEntry& e = m->entries[i];
        if (e.id == id && SameType(e.type, type)) {
            return reinterpret_cast<HRSRC>(const_cast<ResourceEntry*>(&e));
        }
    }
    return nullptr;
}

const ResourceEntry* ResourceEntryFromHandle(HRSRC resource)
{
    return reinterpret_cast<const ResourceEntry*>(resource);
}

// Resources live in the program's constant tables: loading hands out the data in place and
// freeing has nothing to release.
HGLOBAL WINAPI LoadResource(HMODULE, HRSRC resource)
{
    return resource ? const_cast<void*>(ResourceEntryFromHandle(resource)->data) : nullptr;
}

LPVOID WINAPI LockResource(HGLOBAL loaded)
{
    return loaded;
}

DWORD WINAPI SizeofResource(HMODULE, HRSRC resource)
{
    return resource ? ResourceEntryFromHandle(resource)->size : 0;
}

BOOL WINAPI FreeResource(HGLOBAL)
{
    return FALSE;
}

int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferChars)
{
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), RT_STRING);
    if (!found || !buffer) {
        return 0;
    }
    const auto* text = static_cast<const char16_t*>(ResourceEntryFromHandle(found)->data);
    const int length = static_cast<int>(ResourceEntryFromHandle(found)->size);
    if (bufferChars == 0) {
        // As on the device: a zero-sized buffer receives a read-only pointer to the string.
        *reinterpret_cast<const char16_t**>(buffer) = text;
        return length;
    }
    const int copied = std::min(length, bufferChars - 1);
    std::copy(text, text + copied, buffer);
    buffer[copied] = 0;
    return copied;
}
