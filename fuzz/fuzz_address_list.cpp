// Any bytes as the address-list file: LoadAddressList takes what it can without reading past
// the bytes, SaveAddressList writes the list in its layout (each entry 1 to 260 bytes and a
// zero byte), and loading that file again gives the same list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "address_list.h"
#include "automation.h"
#include "crossword_resources.h"
#include "dialog_ids.h"
#include "fuzz_device_root.h"
#include "game_state.h"
#include "grid_invariants.h"
#include "resource_ids.h"

namespace {

constexpr int kEntryBytes = 260;
HWND gDialog;  // the download dialog's controls, with a procedure that does nothing

// The dialog goes before the window manager's records do at exit, so its controls' data is
// freed and not reported as leaked.
void DestroyDialog()
{
    DestroyWindow(gDialog);
}

INT_PTR CALLBACK Inert(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

std::vector<std::u16string> Load()
{
    SendDlgItemMessageW(gDialog, IDC_ADDRESS_LIST, LB_RESETCONTENT, 0, 0);
    LoadAddressList(gDialog);
    std::vector<std::u16string> entries;
    const int count = int(SendDlgItemMessageW(gDialog, IDC_ADDRESS_LIST, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        WCHAR text[kEntryBytes + 1] = {};
        Require(SendDlgItemMessageW(gDialog, IDC_ADDRESS_LIST, LB_GETTEXTLEN, WPARAM(i), 0) <=
                kEntryBytes);
        SendDlgItemMessageW(gDialog, IDC_ADDRESS_LIST, LB_GETTEXT, WPARAM(i), LPARAM(text));
        entries.push_back(text);
    }
    return entries;
}

std::string ListFileBytes()
{
    std::ifstream in(FuzzDeviceRoot() + "/Temp/crosswordhttplist.dat", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The layout a saved list must have: entries of 1 to 260 bytes, each followed by a zero.
void CheckLayout(const std::string& file, size_t entries)
{
    size_t count = 0;
    for (size_t at = 0; at < file.size(); ++count) {
        const size_t end = file.find('\0', at);
        Require(end != std::string::npos && end > at && end - at <= size_t(kEntryBytes));
        at = end + 1;
    }
    Require(count == entries);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    UseFuzzDeviceRoot();
    ResetGameState();
    lstrcpyW(gGame.programFolder, u"\\Temp\\");
    HINSTANCE instance = RegisterCrosswordResources();
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDD_DOWNLOAD), RT_DIALOG);
    const auto* page = static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(instance, found)));
    gDialog = CreateDialogIndirectParamW(instance, page, nullptr, Inert, 0);
    Require(gDialog != nullptr);
    std::atexit(DestroyDialog);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HANDLE file = CreateFileW(u"\\Temp\\crosswordhttplist.dat", GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    Require(file != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, data, DWORD(size < 8192 ? size : 8192), &written, nullptr);
    CloseHandle(file);

    const std::vector<std::u16string> first = Load();
    SaveAddressList(gDialog);
    CheckLayout(ListFileBytes(), first.size());
    const std::vector<std::u16string> second = Load();
    // An empty list is no file at all, which shows the default address again.
    Require(first.empty() ? second == std::vector<std::u16string>{kDefaultAddress}
                          : second == first);
    return 0;
}
