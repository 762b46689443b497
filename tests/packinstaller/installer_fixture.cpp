// The test pack and the device helpers of the installer scenarios.
#include "installer_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "automation.h"
#include "aygshell.h"
#include "device.h"
#include "installer_ids.h"
#include "installer_resources.h"
#include "installer_state.h"
#include "installer_window.h"
#include "pack_table.h"
#include "test_puzzle.h"

namespace fs = std::filesystem;

namespace {

const char16_t kTitle[] = u"Brambleset Three";

struct TestPack {
    std::u16string resourceNames[kPackRows];
    std::u16string fileNames[kPackRows];
    PackEntry table[kPackRows];
    std::string puzzles[kPackRows];
    std::vector<ResourceEntry> entries;
    ResourceModule module;
    DLGTEMPLATEW intro;
    DLGTEMPLATEW preview;
};

// The splash stands in as a plain white picture: the tests look at behaviour, not artwork.
std::string WhiteSplash()
{
    std::string bmp(14 + 40 + 16 * 4 + 120 * 320, '\0');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bmp[at + size_t(i)] = char((v >> (8 * i)) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, uint32_t(bmp.size()));
    put32(10, 14 + 40 + 64);
    put32(14, 40);
    put32(18, 240);
    put32(22, 320);
    bmp[26] = 1;
    bmp[28] = 4;
    put32(46, 16);
    put32(14 + 40 + 15 * 4, 0x00FFFFFF);  // colour 15 white
    std::fill(bmp.begin() + 14 + 40 + 64, bmp.end(), char(0xFF));
    return bmp;
}

TestPack& Pack()
{
    static TestPack* pack = [] {
        auto* p = new TestPack();
        static const std::string splash = WhiteSplash();
        for (int row = 0; row < kPackRows; ++row) {
            const std::string id = "#" + std::to_string(256 + row);
            p->resourceNames[row].assign(id.begin(), id.end());
            const std::string name = kThreeNames[row];
            p->fileNames[row].assign(name.begin(), name.end());
            p->table[row] = {p->resourceNames[row].c_str(), p->fileNames[row].c_str()};
            p->puzzles[row] = MakeTestPuzzle(row == 4 ? "" : "Test puzzle " + std::to_string(row),
                                             5 + row % 4, char('A' + row % 26));
            p->entries.push_back({PUZZLE_TYPE, UINT(256 + row), p->puzzles[row].data(),
                                  DWORD(p->puzzles[row].size())});
        }
        p->intro = {
            WS_POPUP | DS_SETFONT, 0, kIntroDialogItemCount, 0, 0, 160, 238, kTitle, 8, u"System",
            kIntroDialogItems};
        p->preview = {
            WS_POPUP | DS_SETFONT, 0, kPreviewDialogItemCount, 0, 0, 186, 228, kTitle, 8, u"System",
            kPreviewDialogItems};
        const DWORD titleChars = sizeof kTitle / sizeof kTitle[0] - 1;
        p->entries.push_back({RT_STRING, IDS_TITLE, kTitle, titleChars});
        p->entries.push_back({RT_STRING, IDS_CLASS_NAME, kTitle, titleChars});
        p->entries.push_back({RT_DIALOG, IDD_INTRO, &p->intro, sizeof p->intro});
        p->entries.push_back({RT_DIALOG, IDD_PREVIEW, &p->preview, sizeof p->preview});
        p->entries.push_back({RT_RCDATA, IDR_PACK_TABLE, p->table, sizeof p->table});
        p->entries.push_back({RT_BITMAP, IDB_SPLASH, splash.data(), DWORD(splash.size())});
        for (int i = 0; i < kSharedInstallerEntryCount; ++i)
            p->entries.push_back(kSharedInstallerEntries[i]);
        p->module = {u"\\Program Files\\Brambleset\\Test.exe", p->entries.data(),
                     int(p->entries.size())};
        return p;
    }();
    return *pack;
}

}  // namespace

void InstallerTest::SetUp()
{
    AutomationResetDevice();
    gInstaller = {};
    SHSipPreference(nullptr, SIP_FORCEDOWN);
    DeviceSetModuleFileName(Pack().module.moduleFileName);
    instance = RegisterResourceModule(&Pack().module);
    gInstaller.instance = instance;
}

const std::string& InstallerTest::Puzzle(int row)
{
    return Pack().puzzles[row];
}

std::string InstallerTest::Title(int row)
{
    return row == 4 ? "" : "Test puzzle " + std::to_string(row);
}

void InstallerTest::RunProgram()
{
    EXPECT_EQ(WinMain(instance, nullptr, nullptr, SW_SHOW), 0);
    // The main window goes with the process; here the next run is the same process.
    if (gInstaller.mainWindow && IsWindow(gInstaller.mainWindow))
        DestroyWindow(gInstaller.mainWindow);
    gInstaller.mainWindow = nullptr;
    AutomationRunUntilIdle();  // takes the quit message the window posted
}

void InstallerTest::TapAt(int x, int y)
{
    AutomationTap(x, y + 26);
}

// Button centres: dialog units times 6/4 across and 13/8 down.
void InstallerTest::TapInstall()
{
    TapAt(187, 237);
}

void InstallerTest::TapPreview()
{
    TapAt(103, 237);
}

void InstallerTest::TapOk()
{
    TapAt(36, 237);
}

void InstallerTest::WaitForAnimation()
{
    AutomationAdvance(600);
}

std::string InstallerTest::HostPath(const std::string& devicePath)
{
    std::string relative = devicePath;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    while (!relative.empty() && relative[0] == '/')
        relative.erase(0, 1);
    return (fs::path(std::getenv("CROSSWORD_DEVICE_ROOT")) / relative).string();
}

bool InstallerTest::Exists(const std::string& devicePath)
{
    return fs::exists(HostPath(devicePath));
}

std::string InstallerTest::Read(const std::string& devicePath)
{
    std::ifstream in(HostPath(devicePath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void InstallerTest::Write(const std::string& devicePath, const std::string& bytes)
{
    const fs::path path = HostPath(devicePath);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::vector<std::string> InstallerTest::List(const std::string& deviceFolder)
{
    std::vector<std::string> names;
    if (!fs::exists(HostPath(deviceFolder)))
        return names;
    for (const auto& entry : fs::directory_iterator(HostPath(deviceFolder)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
