// The download dialog's address list: the default address, the exact bytes OK writes, the
// deletion of the file, duplicates in another letter case and the 4096-byte limit. The
// dialog runs modeless from its real template so the test can press its buttons.
#include <csignal>
#include <memory>
#include <string>
#include <thread>

#include "address_dates.h"
#include "address_list.h"
#include "automation.h"
#include "dialog_ids.h"
#include "download_dialog.h"
#include "http_test_server.h"
#include "puzzle_image.h"
#include "resource_ids.h"
#include "shell_fixture.h"

namespace {

const std::string kListFile = "\\Program Files\\Crossword\\crosswordhttplist.dat";
const std::string kStateFile = "\\Program Files\\Crossword\\crossword.dat";

class DownloadDialogTest : public ShellTest {
  protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
        Start();
        AutomationReset();
    }
    void TearDown() override
    {
        if (dialog && IsWindow(dialog))
            DestroyWindow(dialog);
        ShellTest::TearDown();
    }

    void Open()
    {
        HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDD_DOWNLOAD), RT_DIALOG);
        ASSERT_NE(found, nullptr);
        const auto* page =
            static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(instance, found)));
        dialog = CreateDialogIndirectParamW(instance, page, window, DownloadDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
    }
    void Press(int id, int notification = BN_CLICKED)
    {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, notification),
                     LPARAM(GetDlgItem(dialog, id)));
    }
    void Select(int index)
    {
        SendDlgItemMessageW(dialog, IDC_ADDRESS_LIST, LB_SETCURSEL, WPARAM(index), 0);
        Press(IDC_ADDRESS_LIST, LBN_SELCHANGE);
    }
    std::vector<std::u16string> Entries() const
    {
        std::vector<std::u16string> entries;
        const int count = int(SendDlgItemMessageW(dialog, IDC_ADDRESS_LIST, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            WCHAR text[300] = {};
            SendDlgItemMessageW(dialog, IDC_ADDRESS_LIST, LB_GETTEXT, WPARAM(i), LPARAM(text));
            entries.push_back(text);
        }
        return entries;
    }
    std::u16string Address() const
    {
        WCHAR text[300] = {};
        GetDlgItemTextW(dialog, IDC_ADDRESS, text, 300);
        return text;
    }

    // A server that sends 30 of the 1000 bytes it announces, one every 100 ms: a transfer
    // that is still running whenever the test looks. The address to fetch.
    std::string ServeDrip()
    {
        drip = std::make_shared<HttpTestSent>();
        server.Handle("/drip.puz",
                      Drip(std::string(30, 'x'), 1000, std::chrono::milliseconds(100), drip));
        return server.Url("/drip.puz");
    }

    HWND dialog = nullptr;
    HttpTestServer server;
    std::shared_ptr<HttpTestSent> drip;  // what ServeDrip's server sent
};

using Texts = std::vector<std::u16string>;

// Pixels the display shows that differ from what the device drew: left over from a window
// that is gone, since nothing presented its area again.
int StaleScreenPixels()
{
    AutomationPresent();
    int stale = 0;
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 240; ++x)
            stale += AutomationShownPixel(x, y) != AutomationScreenPixel(x, y);
    return stale;
}

TEST_F(DownloadDialogTest, FirstOpeningShowsTheDefaultAndOkWritesIt)
{
    Open();
    EXPECT_EQ(Entries(), (Texts{kDefaultAddress}));
    EXPECT_FALSE(DeviceFileExists(kListFile));
    Press(IDOK);  // the title-bar ok keeps nothing
    EXPECT_FALSE(DeviceFileExists(kListFile));
    DestroyWindow(dialog);

    Open();
    Press(IDC_DOWNLOAD_OK);
    const std::u16string wide = kDefaultAddress;
    EXPECT_EQ(ReadDeviceFile(kListFile), std::string(wide.begin(), wide.end()) + '\0');
}

TEST_F(DownloadDialogTest, ListFileRoundTripsAndDeletingEverythingRemovesIt)
{
    WriteDeviceFile(kListFile, std::string("http://a.test/1.puz\0\0http://b\0", 30));
    Open();
    // The single empty entry is skipped; the file order is kept.
    EXPECT_EQ(Entries(), (Texts{u"http://a.test/1.puz", u"http://b"}));
    Select(1);
    EXPECT_EQ(Address(), u"http://b");
    Press(IDC_GET_NEW);
    EXPECT_EQ(Address(), u"http://");

    AutomationAnswerMessageBox(u"New Game", IDNO);
    Select(0);
    Press(IDC_DELETE);
    EXPECT_EQ(Entries().size(), 2u);
    ASSERT_FALSE(AutomationMessageBoxes().empty());
    EXPECT_EQ(AutomationMessageBoxes().back().text, u"Delete Link ?");
    EXPECT_EQ(AutomationMessageBoxes().back().type, UINT(MB_YESNO | MB_ICONQUESTION));
    for (int i = 0; i < 2; ++i) {
        AutomationAnswerMessageBox(u"New Game", IDYES);
        Select(0);
        Press(IDC_DELETE);
    }
    EXPECT_TRUE(Entries().empty());
    Press(IDC_DOWNLOAD_OK);
    EXPECT_FALSE(DeviceFileExists(kListFile));
    DestroyWindow(dialog);

    Open();
    EXPECT_EQ(Entries(), (Texts{kDefaultAddress}));
}

TEST_F(DownloadDialogTest, TheSizeLimitDropsTheAddressItCuts)
{
    std::string file;
    size_t kept = 0;
    for (; file.size() < 4096 - 100; ++kept)
        file += "http://host.test/" + std::string(80, char('a' + kept % 26)) + '\0';
    const size_t whole = file.size();
    file += "http://host.test/" + std::string(200, 'z') + '\0';  // crosses byte 4096
    file += std::string("http://beyond.test/x.puz\0", 25);
    WriteDeviceFile(kListFile, file);
    Open();
    const Texts entries = Entries();
    ASSERT_EQ(entries.size(), kept);
    EXPECT_EQ(entries.back(),
              u"http://host.test/" + std::u16string(80, char16_t('a' + (kept - 1) % 26)));
    Press(IDC_DOWNLOAD_OK);
    EXPECT_EQ(ReadDeviceFile(kListFile), file.substr(0, whole));
}

// Entries of 260 bytes or more, written by another program: each is read as its first 260
// characters, and OK writes them back as 260 bytes and a zero, so the list reads back the
// same, however often it goes round.
TEST_F(DownloadDialogTest, LongEntriesRoundTrip)
{
    const std::string long260 = "http://long.test/" + std::string(243, 'a');
    const std::string long300 = "http://longer.test/" + std::string(281, 'b');
    const std::string accented = "http://caf\xe9.test/\x80\x81/" + std::string(250, 'c');
    ASSERT_EQ(long260.size(), 260u);
    ASSERT_EQ(long300.size(), 300u);
    WriteDeviceFile(kListFile, long260 + '\0' + long300 + '\0' + "http://short.test/x.puz" + '\0' +
                                   accented + '\0');
    Open();
    const Texts first = Entries();
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(first[0].size(), 260u);
    EXPECT_EQ(first[1], std::u16string(long300.begin(), long300.begin() + 260));
    EXPECT_EQ(first[2], u"http://short.test/x.puz");
    EXPECT_EQ(first[3].substr(0, 13), u"http://caf\u00e9.t");
    for (int round = 0; round < 2; ++round) {
        Press(IDC_DOWNLOAD_OK);
        DestroyWindow(dialog);
        Open();
        EXPECT_EQ(Entries(), first) << "round " << round;
    }
    EXPECT_EQ(ReadDeviceFile(kListFile), long260 + '\0' + long300.substr(0, 260) + '\0' +
                                             "http://short.test/x.puz" + '\0' +
                                             accented.substr(0, 260) + '\0');
}

// While a download runs the dialog says so and offers Cancel, the rest is disabled, and the
// screen keeps up; Cancel stops the transfer at once, silently, and the dialog is as before.
struct RunningView {
    bool seen = false;
    std::u16string status;
    bool cancelShown = false, cancelEnabled = false, getEnabled = true, okEnabled = true;
    int statusInk = 0;  // dark pixels of the status line on the screen
};
RunningView gView;
HWND gDialog;

void CALLBACK LookAtRunningDownload(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    WCHAR text[400] = {};
    GetDlgItemTextW(gDialog, IDC_DOWNLOAD_STATUS, text, 400);
    gView.seen = true;
    gView.status = text;
    HWND cancel = GetDlgItem(gDialog, IDCANCEL);
    gView.cancelShown = IsWindowVisible(cancel);
    gView.cancelEnabled = IsWindowEnabled(cancel);
    gView.getEnabled = IsWindowEnabled(GetDlgItem(gDialog, IDC_GET));
    gView.okEnabled = IsWindowEnabled(GetDlgItem(gDialog, IDC_DOWNLOAD_OK));
    RECT r;
    GetWindowRect(GetDlgItem(gDialog, IDC_DOWNLOAD_STATUS), &r);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            gView.statusInk += (AutomationScreenPixel(x, y) & 0xFFFFFF) < 0x404040;
}

TEST_F(DownloadDialogTest, ARunningDownloadShowsItselfAndCancelStopsIt)
{
    const std::string url = ServeDrip();
    const std::u16string address(url.begin(), url.end());
    Open();
    ShowWindow(dialog, SW_SHOW);
    Idle();
    gDialog = dialog;
    gView = {};
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDCANCEL)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_DOWNLOAD_STATUS)));
    RECT cancel;
    GetWindowRect(GetDlgItem(dialog, IDCANCEL), &cancel);
    SetDlgItemTextW(dialog, IDC_ADDRESS, address.c_str());

    SetTimer(nullptr, 0, 1000, LookAtRunningDownload);
    AutomationAdvance(2000);
    AutomationTap((cancel.left + cancel.right) / 2, (cancel.top + cancel.bottom) / 2);
    Press(IDC_GET);

    ASSERT_TRUE(gView.seen);
    EXPECT_EQ(gView.status, u"Downloading... 0 bytes");  // the first block is not in yet
    EXPECT_TRUE(gView.cancelShown);
    EXPECT_TRUE(gView.cancelEnabled);
    EXPECT_FALSE(gView.getEnabled);
    EXPECT_FALSE(gView.okEnabled);
    EXPECT_GT(gView.statusInk, 20);

    EXPECT_EQ(AutomationScriptLength(), 0);  // the tap on Cancel was taken during the transfer
    EXPECT_TRUE(AutomationMessageBoxes().empty());
    EXPECT_EQ(Entries(), (Texts{kDefaultAddress}));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDCANCEL)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_GET)));
    EXPECT_TRUE(drip->WaitForClientLeft(std::chrono::seconds(10)));
    EXPECT_LT(drip->bytes, 30u);
}

// The game is closed, or terminated, while a download runs in the modal dialog: the
// transfer stops first, the window is closed once the download has returned, and the
// player's progress is saved on the way out.
enum class EndDuring { kCloseRequest, kTerminate };
class EndDuringDownloadTest : public DownloadDialogTest,
                              public testing::WithParamInterface<EndDuring> {};

void CALLBACK Terminate(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    std::raise(SIGTERM);
}

TEST_P(EndDuringDownloadTest, StopsTheTransferAndSavesTheGame)
{
    const std::string url = ServeDrip();
    WriteDeviceFile(kListFile, url + '\0');
    ASSERT_FALSE(DeviceFileExists(kStateFile));

    // Where the first entry and Get are, from the dialog opened once on its own.
    Open();
    RECT list, get;
    GetWindowRect(GetDlgItem(dialog, IDC_ADDRESS_LIST), &list);
    GetWindowRect(GetDlgItem(dialog, IDC_GET), &get);
    DestroyWindow(dialog);
    dialog = nullptr;
    Idle();

    // The entry, then the list below it, which lowers the input panel off Get, then Get.
    AutomationTap(list.left + 20, list.top + 5);
    AutomationTap(list.left + 20, list.bottom - 10);
    AutomationTap((get.left + get.right) / 2, (get.top + get.bottom) / 2);
    // The end comes once the server has the request, however slow the machine is today.
    AutomationProbe([this] {
        for (int i = 0; i < 1000 && server.Requests().empty(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    });
    if (GetParam() == EndDuring::kCloseRequest) {
        AutomationAdvance(1000);
        AutomationCloseRequest();
    } else {
        AutomationCatchTerminationSignals(true);
        SetTimer(nullptr, 0, 500, Terminate);
        AutomationAdvance(1000);
    }
    SendMessageW(window, WM_COMMAND, IDM_DOWNLOAD, 0);
    AutomationCatchTerminationSignals(false);

    EXPECT_FALSE(IsWindow(window));
    window = nullptr;
    EXPECT_EQ(ReadDeviceFile(kStateFile).size(), 4096u);
    EXPECT_TRUE(AutomationMessageBoxes().empty());
    EXPECT_TRUE(AutomationFileDialogs().empty());
    EXPECT_EQ(server.Requests().size(), 1u);  // the download had begun
    EXPECT_TRUE(drip->WaitForClientLeft(std::chrono::seconds(10)));
    EXPECT_LT(drip->bytes, 30u);
    bool quit = false;
    for (MSG m; !quit && PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);)
        quit = m.message == WM_QUIT;
    EXPECT_TRUE(quit);
}

INSTANTIATE_TEST_SUITE_P(Library, EndDuringDownloadTest,
                         testing::Values(EndDuring::kCloseRequest, EndDuring::kTerminate));

bool gCancelShownWithError;

TEST_F(DownloadDialogTest, GetAddsANewAddressOnceWhateverTheCase)
{
    PuzzleImage image = MakePuzzle(LatticeGrid(15));
    AddClues(&image);
    server.Handle("/Today.puz", RespondWith(200, Bytes(image)));
    const std::string url = server.Url("/Today.puz");
    const std::u16string address(url.begin(), url.end());
    Open();
    SetDlgItemTextW(dialog, IDC_ADDRESS, address.c_str());
    AutomationAnswerFileDialog(u"\\My Documents\\Fennimoor\\Today.puz");
    AutomationAnswerMessageBox(u"Confirm", IDYES);
    Press(IDC_GET);
    EXPECT_EQ(Entries(), (Texts{kDefaultAddress, address}));

    // The same address with its scheme in capitals: fetched again, not listed twice.
    const std::u16string upper = u"HTTP" + address.substr(4);
    SetDlgItemTextW(dialog, IDC_ADDRESS, upper.c_str());
    AutomationAnswerFileDialog(u"\\My Documents\\Fennimoor\\Today.puz");
    AutomationAnswerMessageBox(u"Confirm", IDYES);
    Press(IDC_GET);
    EXPECT_EQ(Entries(), (Texts{kDefaultAddress, address}));
    EXPECT_EQ(server.Requests().size(), 2u);

    // A failed fetch adds nothing; by the time it is told, the transfer's Cancel is gone.
    ShowWindow(dialog, SW_SHOW);
    gDialog = dialog;
    gCancelShownWithError = true;
    AutomationSetMessageBoxProbe([](const MessageBoxRecord&) {
        gCancelShownWithError = IsWindowVisible(GetDlgItem(gDialog, IDCANCEL));
    });
    SetDlgItemTextW(dialog, IDC_ADDRESS, u"http://127.0.0.1:1/none.puz");
    Press(IDC_GET);
    EXPECT_EQ(Entries().size(), 2u);
    ASSERT_EQ(AutomationMessageBoxes().size(), 5u);
    EXPECT_EQ(AutomationMessageBoxes().back().text.substr(0, 21), u"InternetOpenUrl Error");
    EXPECT_FALSE(gCancelShownWithError);
}

// After the save dialog ends, the screen shows the download dialog whole: its own title in
// the navigation bar and nothing of the save dialog's buttons below it, through the success
// message and after it.
TEST_F(DownloadDialogTest, TheScreenShowsTheDialogAgainAfterTheSave)
{
    PuzzleImage image = MakePuzzle(LatticeGrid(15));
    AddClues(&image);
    server.Handle("/Today.puz", RespondWith(200, Bytes(image)));
    const std::string url = server.Url("/Today.puz");
    Open();
    ShowWindow(dialog, SW_SHOW);
    SetDlgItemTextW(dialog, IDC_ADDRESS, std::u16string(url.begin(), url.end()).c_str());
    AutomationAnswerFileDialog(u"\\My Documents\\Fennimoor\\Today.puz");
    AutomationAnswerMessageBox(u"Confirm", IDYES);
    static int stale = -1;
    AutomationSetMessageBoxProbe([](const MessageBoxRecord& box) {
        if (box.caption == u"Download")
            stale = StaleScreenPixels();
    });
    Press(IDC_GET);
    Idle();
    EXPECT_EQ(stale, 0) << "while the success message shows";
    EXPECT_EQ(StaleScreenPixels(), 0);
    EXPECT_EQ(Entries().size(), 2u);
}

// Get New starts a new address without losing the one typed but not yet fetched: that one
// joins the list (once), and an untouched "http://" does not.
TEST_F(DownloadDialogTest, GetNewKeepsAnAddressTypedButNotFetched)
{
    Open();
    SetDlgItemTextW(dialog, IDC_ADDRESS, u"http://example.org/today.puz");
    Press(IDC_GET_NEW);
    EXPECT_EQ(Address(), u"http://");
    Press(IDC_GET_NEW);
    SetDlgItemTextW(dialog, IDC_ADDRESS, u"HTTP://EXAMPLE.ORG/today.puz");
    Press(IDC_GET_NEW);
    EXPECT_EQ(Entries(), (Texts{kDefaultAddress, u"http://example.org/today.puz"}));
}

// A kept address with date fields fetches today's file, stays in the list as written, and the
// status line says which address was fetched.
TEST_F(DownloadDialogTest, ADatedAddressFetchesTodaysFileAndIsKeptAsWritten)
{
    const SYSTEMTIME today = {2026, 3, 0, 8, 9, 30, 0, 0};
    AutomationSetLocalTime(&today);
    PuzzleImage image = MakePuzzle(LatticeGrid(15));
    AddClues(&image);
    server.Handle("/cw260308.puz", RespondWith(200, Bytes(image)));
    const std::string base = server.Url("/");
    const std::u16string root(base.begin(), base.end());
    const std::u16string written = root + u"cw{yy}{MM}{dd}.puz";
    Open();
    SetDlgItemTextW(dialog, IDC_ADDRESS, written.c_str());
    AutomationAnswerFileDialog(u"\\My Documents\\Fennimoor\\Today.puz");
    AutomationAnswerMessageBox(u"Confirm", IDYES);
    Press(IDC_GET);
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].target, "/cw260308.puz");
    EXPECT_EQ(AutomationMessageBoxes().back().caption, u"Download");
    EXPECT_EQ(Entries(), (Texts{kDefaultAddress, written}));
    WCHAR status[300] = {};
    GetDlgItemTextW(dialog, IDC_DOWNLOAD_STATUS, status, 300);
    // As much of the address as the line holds, its end always.
    const std::u16string shown = status;
    EXPECT_EQ(shown.substr(0, 8), u"Fetched ");
    EXPECT_TRUE(
        (u"Fetched " + root + u"cw260308.puz").ends_with(shown.substr(8)) ||
        (shown.substr(8, 3) == u"..." && (root + u"cw260308.puz").ends_with(shown.substr(11))))
        << std::string(shown.begin(), shown.end());
    EXPECT_TRUE(shown.ends_with(u"/cw260308.puz"));
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog, IDC_DOWNLOAD_STATUS), GWL_STYLE) & WS_VISIBLE);

    WCHAR filled[40];
    EXPECT_TRUE(FillDateFields(u"{yyyy}/{m}/{d}/{Y}{yy", today, filled, 40));
    EXPECT_EQ(std::u16string(filled), u"2026/3/8/{Y}{yy");
    EXPECT_FALSE(FillDateFields(u"x{yyyy}", today, filled, 5));
}

// A list that cannot be written is told as the download's own failed writes are.
TEST_F(DownloadDialogTest, AListThatCannotBeWrittenIsTold)
{
    const std::pair<AutomationFileStep, const char16_t*> steps[] = {
        {kFileStepCreate, u"CreateFile Error: 5"},
        {kFileStepWrite, u"WriteFile Error: 70"},
        {kFileStepFlush, u"FlushFileBuffers Error: 1d"},
        {kFileStepMove, u"MoveFile Error: 5"},
    };
    for (const auto& [step, shown] : steps) {
        SCOPED_TRACE(int(step));
        Open();
        AutomationReset();
        AutomationFailFileStep(step);
        Press(IDC_DOWNLOAD_OK);
        AutomationFailFileStep(kFileStepNone);
        EXPECT_FALSE(DeviceFileExists(kListFile));
        ASSERT_EQ(AutomationMessageBoxes().size(), 1u);
        EXPECT_EQ(AutomationMessageBoxes()[0].caption, u"Error");
        EXPECT_EQ(AutomationMessageBoxes()[0].text,
                  std::u16string(u"The address list could not be saved. ") + shown);
        if (IsWindow(dialog))
            DestroyWindow(dialog);
    }
}

}  // namespace
