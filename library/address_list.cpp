// Reading and writing the address list through the download dialog's list box.
#include "address_list.h"

#include <cstring>

#include "dialog_ids.h"
#include "failed_write.h"
#include "game_state.h"
#include "whole_file.h"

const char16_t kDefaultAddress[] =
    u"http://puzzles.example.com/content/fun/games/xword/puzzles/today.puz";

namespace {

constexpr const char16_t* kListFileName = u"crosswordhttplist.dat";
constexpr int kEntryChars = 260;  // characters of one address, and bytes of its ANSI form

void InFolder(LPCWSTR name, WCHAR* path)
{
    lstrcpynW(path, gGame.programFolder, MAX_PATH);
    lstrcatW(path, name);
}

void AddAddress(HWND dialog, const char* text, int bytes)
{
    WCHAR wide[kEntryChars + 1] = {};
    if (bytes > kEntryChars)
        bytes = kEntryChars;
    MultiByteToWideChar(CP_ACP, 0, text, bytes, wide, kEntryChars);
    SendDlgItemMessageW(dialog, IDC_ADDRESS_LIST, LB_ADDSTRING, 0, LPARAM(wide));
}

// Walks the bytes read: zero-terminated entries, a single empty entry skipped, two in a row
// ending the list. An entry whose zero lies beyond the bytes read was cut by the size limit
// and is dropped, so nothing past the bytes read is looked at.
void AddEntries(HWND dialog, const char* bytes, int size)
{
    int at = 0;
    while (at < size) {
        if (bytes[at] == 0) {
            if (at + 1 >= size || bytes[at + 1] == 0)
                return;
            ++at;
            continue;
        }
        int end = at;
        while (end < size && bytes[end])
            ++end;
        if (end == size)
            return;
        AddAddress(dialog, bytes + at, end - at);
        at = end + 1;
    }
}

// Entry `index` of the list box as it is stored: at most 260 characters in the ANSI code
// page, one byte each, into `ansi` (kEntryChars + 1 bytes, zero-filled by the caller).
// Returns its length in bytes, 0 for an entry that cannot be stored (none longer than 260
// is ever listed: reading cuts at 260 and Get takes at most 259).
int EntryAsAnsi(HWND dialog, int index, char* ansi)
{
    const LRESULT length =
        SendDlgItemMessageW(dialog, IDC_ADDRESS_LIST, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length <= 0 || length > kEntryChars)
        return 0;
    WCHAR entry[kEntryChars + 1] = {};
    SendDlgItemMessageW(dialog, IDC_ADDRESS_LIST, LB_GETTEXT, WPARAM(index), LPARAM(entry));
    return WideCharToMultiByte(CP_ACP, 0, entry, int(length), ansi, kEntryChars, nullptr, nullptr);
}

}  // namespace

bool LoadAddressList(HWND dialog)
{
    WCHAR path[MAX_PATH];
    InFolder(kListFileName, path);
    HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    HWND list = GetDlgItem(dialog, IDC_ADDRESS_LIST);
    if (file == INVALID_HANDLE_VALUE) {
        SendMessageW(list, LB_ADDSTRING, 0, LPARAM(kDefaultAddress));
        EnableWindow(list, TRUE);
        return false;
    }
    char bytes[kAddressListFileLimit] = {};
    DWORD size = 0;
    if (!ReadFile(file, bytes, kAddressListFileLimit, &size, nullptr))
        size = 0;
    CloseHandle(file);
    AddEntries(dialog, bytes, int(size));
    EnableWindow(list, TRUE);
    return true;
}

void SaveAddressList(HWND dialog)
{
    WCHAR path[MAX_PATH];
    InFolder(kListFileName, path);
    const int count = int(SendDlgItemMessageW(dialog, IDC_ADDRESS_LIST, LB_GETCOUNT, 0, 0));
    if (count <= 0) {
        DeleteFileW(path);
        return;
    }
    // Each entry as at most 260 bytes and its NUL, one after another, as far as the reader
    // takes them.
    static char list[kAddressListFileLimit];
    DWORD size = 0;
    for (int i = 0; i < count; ++i) {
        char ansi[kEntryChars + 1] = {};
        const int length = EntryAsAnsi(dialog, i, ansi);
        if (length == 0 || size + DWORD(length) + 1 > sizeof list)
            continue;  // an empty entry would end the list when it is read back
        std::memcpy(list + size, ansi, size_t(length) + 1);
        size += DWORD(length) + 1;
    }
    const WholeFileStep step = WriteFileWhole(path, list, size);
    if (step != kWholeFileDone)
        TellFailedWrite(dialog, u"The address list", step, GetLastError());
}
