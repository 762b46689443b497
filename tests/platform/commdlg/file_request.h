// An open or save request as the game makes one (puzzle files, a file name and its title
// returned), for the dialog tests and the dialogs' screenshot program.
#pragma once

#include "windows.h"

struct FileRequest {
    WCHAR file[MAX_PATH] = {};   // the proposal in, the chosen path out
    WCHAR title[MAX_PATH] = {};  // the chosen file's name
    OPENFILENAMEW ofn{};         // points into the two buffers above
    FileRequest(HWND owner, const char16_t* proposal, const char16_t* dialogTitle)
    {
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = u"Puzzle files\0*.puz\0\0";
        ofn.lpstrFile = file;
        ofn.nMaxFile = MAX_PATH;
        ofn.lpstrFileTitle = title;
        ofn.nMaxFileTitle = MAX_PATH;
        ofn.lpstrTitle = dialogTitle;
        ofn.Flags = OFN_EXPLORER;
        lstrcpynW(file, proposal, MAX_PATH);
    }
    // Copies would point into the original's buffers.
    FileRequest(const FileRequest&) = delete;
    FileRequest& operator=(const FileRequest&) = delete;
};
