// Handle registry of the inet calls. The lock guards the table only; a transfer runs
// outside it.
#include "inet_handles.h"

#include <mutex>
#include <unordered_map>
#include <vector>

namespace {

std::mutex gLock;
std::unordered_map<InetHandle*, std::shared_ptr<InetHandle>> gHandles;

}  // namespace

HINTERNET InetRegisterHandle(std::shared_ptr<InetHandle> handle)
{
    std::lock_guard<std::mutex> lock(gLock);
    InetHandle* key = handle.get();
    gHandles.emplace(key, std::move(handle));
    return key;
}

std::shared_ptr<InetHandle> InetFindHandle(HINTERNET handle)
{
    std::lock_guard<std::mutex> lock(gLock);
    auto it = gHandles.find(static_cast<InetHandle*>(handle));
    return it == gHandles.end() ? nullptr : it->second;
}

bool InetCloseHandle(HINTERNET handle)
{
    std::vector<std::shared_ptr<InetHandle>> closing;  // let go after the lock is
    {
        std::lock_guard<std::mutex> lock(gLock);
        auto it = gHandles.find(static_cast<InetHandle*>(handle));
        if (it == gHandles.end())
            return false;
        InetHandle* closed = it->first;
        closing.push_back(std::move(it->second));
        gHandles.erase(it);
        for (auto child = gHandles.begin(); child != gHandles.end();) {
            if (child->second->parent == closed) {
                closing.push_back(std::move(child->second));
                child = gHandles.erase(child);
            } else {
                ++child;
            }
        }
        for (const std::shared_ptr<InetHandle>& record : closing) {
            if (record->stream)
                record->stream->Cancel();
        }
    }
    return true;
}
