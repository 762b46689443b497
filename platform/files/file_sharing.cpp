#include "files/file_sharing.h"

#include <algorithm>
#include <vector>

#include "winbase.h"

namespace {
std::vector<const OpenFileIdentity*> gOpen;
}

bool AnyOpenFiles()
{
    return !gOpen.empty();
}

void RememberOpenFile(const OpenFileIdentity* file)
{
    gOpen.push_back(file);
}

void ForgetOpenFile(const OpenFileIdentity* file)
{
    gOpen.erase(std::remove(gOpen.begin(), gOpen.end(), file), gOpen.end());
}

bool SharingConflicts(const OpenFileIdentity& wanted)
{
    for (const OpenFileIdentity* open : gOpen) {
        if (open->dev != wanted.dev || open->ino != wanted.ino)
            continue;
        // Each side's access must be allowed by the other side's share mode.
        if (((wanted.access & GENERIC_READ) && !(open->share & FILE_SHARE_READ)) ||
            ((wanted.access & GENERIC_WRITE) && !(open->share & FILE_SHARE_WRITE)) ||
            ((open->access & GENERIC_READ) && !(wanted.share & FILE_SHARE_READ)) ||
            ((open->access & GENERIC_WRITE) && !(wanted.share & FILE_SHARE_WRITE)))
            return true;
    }
    return false;
}

bool DeleteConflicts(dev_t dev, ino_t ino)
{
    for (const OpenFileIdentity* open : gOpen) {
        if (open->dev == dev && open->ino == ino && !(open->share & FILE_SHARE_DELETE))
            return true;
    }
    return false;
}
