// The download dialog's address list: the default address, the exact bytes OK writes, the
// deletion of the file, duplicates in another letter case and the 4096-byte limit. The
// dialog runs modeless from its real template so the test can press its buttons.
#include <string>

#include "PuzzleImage.h"
#include "ResourceIds.h"
#include "ShellFixture.h"
#include "address_list.h"
#include "automation.h"
#include "dialog_ids.h"
#include "download_dialog.h"
#include "http_test_server.h"

namespace {

const std::string kListFile = "\\Program Files\\Crossword\\crosswordhttplist.dat";

class DownloadDialogTest : public ShellTest {
  protected:
    void SetUp() override
    {
        ShellTest::SetUp();
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

    HWND dialog = nullptr;
};

using Texts = std::vector<std::u16string>;

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

TEST_F(DownloadDialogTest, GetAddsANewAddressOnceWhateverTheCase)
{
    HttpTestServer server;
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

    // A failed fetch adds nothing.
    SetDlgItemTextW(dialog, IDC_ADDRESS, u"http://127.0.0.1:1/none.puz");
    Press(IDC_GET);
    EXPECT_EQ(Entries().size(), 2u);
}

}  // namespace
