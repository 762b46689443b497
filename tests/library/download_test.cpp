// DownloadPuzzle against a server on 127.0.0.1: one case per way it can fail, the stored
// bytes of a success, the proposed name, and a transfer cut half-way.
#include <filesystem>
#include <memory>
#include <string>

#include "automation.h"
#include "download.h"
#include "http_test_server.h"
#include "puzzle_image.h"
#include "shell_fixture.h"

namespace {

// Whether `folder` (with its backslash) holds a temporary file of a writer.
bool TemporaryFileIn(const std::u16string& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + u"*.tmp").c_str(), &found);
    FindClose(search);
    return search != INVALID_HANDLE_VALUE;
}

std::string ServedPuzzle(const std::vector<std::string>& rows, const std::string& title)
{
    PuzzleImage image = MakePuzzle(rows);
    AddClues(&image);
    image.title = title;
    return Bytes(image);
}

class DownloadTest : public ShellTest {
  protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        ASSERT_TRUE(server.Listening());
        // A puzzle to start with; the game makes its download folder beside it.
        WritePuzzle("\\My Documents\\a.puz", LatticeGrid(15));
        Start();
        AutomationReset();
    }

    // Downloads `path` of the server with the save dialog answered by `savePath`
    // (empty: cancelled) and the confirmation by Yes.
    int Download(const std::string& path, const std::u16string& savePath)
    {
        if (savePath.empty())
            AutomationCancelFileDialog();
        else
            AutomationAnswerFileDialog(savePath);
        AutomationAnswerMessageBox(u"Confirm", IDYES);
        const std::string url = server.Url(path);
        return DownloadPuzzle(window, std::u16string(url.begin(), url.end()).c_str());
    }

    // The texts and captions of the message boxes shown, "caption|text" each.
    static std::vector<std::u16string> Boxes()
    {
        std::vector<std::u16string> shown;
        for (const MessageBoxRecord& box : AutomationMessageBoxes()) {
            shown.push_back(box.caption + u"|" + box.text);
            if (box.caption != u"Confirm") {
                EXPECT_EQ(box.type, UINT(MB_OK | MB_ICONINFORMATION)) << shown.size();
            }
        }
        return shown;
    }

    HttpTestServer server;
};

using Texts = std::vector<std::u16string>;
const std::u16string kSaved = u"\\My Documents\\Fennimoor\\Today.puz";
const std::string kSavedHost = "\\My Documents\\Fennimoor\\Today.puz";

TEST_F(DownloadTest, SuccessStoresTheExactBytesAndProposesTheTitle)
{
    const std::string puzzle = ServedPuzzle(LatticeGrid(15), "Sunday Special, No. 7");
    server.Handle("/today.puz", RespondWith(200, puzzle));
    EXPECT_EQ(Download("/today.puz", kSaved), 1);
    EXPECT_EQ(ReadDeviceFile(kSavedHost), puzzle);
    ASSERT_EQ(AutomationFileDialogs().size(), 1u);
    EXPECT_TRUE(AutomationFileDialogs()[0].save);
    EXPECT_EQ(AutomationFileDialogs()[0].title, u"Save File");
    EXPECT_EQ(AutomationFileDialogs()[0].proposal, u"\\My Documents\\Fennimoor\\SundaySpec");
    const auto& boxes = AutomationMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, u"Confirm");
    EXPECT_EQ(boxes[0].text, u"Save file at this location: " + kSaved);
    EXPECT_EQ(boxes[0].type, UINT(MB_YESNO));
    EXPECT_EQ(boxes[1].caption, u"Download");
    EXPECT_EQ(boxes[1].text, u"Puzzle file  downloaded successfully!");
    EXPECT_EQ(boxes[1].type, UINT(MB_OK | MB_ICONINFORMATION));
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].Header("User-Agent"), "Example");
}

TEST_F(DownloadTest, ARectangularPuzzleAndOneWithBytesBeforeItsHeaderAreAccepted)
{
    PuzzleImage tall = MakePuzzle(std::vector<std::string>(21, std::string(15, 'A')));
    AddClues(&tall);
    tall.title = "Tall";
    const std::string bytes = Bytes(tall);
    ASSERT_EQ(bytes[0x2C], 15);
    ASSERT_EQ(bytes[0x2D], 21);
    server.Handle("/tall.puz", RespondWith(200, bytes));
    EXPECT_EQ(Download("/tall.puz", kSaved), 1);
    EXPECT_EQ(ReadDeviceFile(kSavedHost), bytes);

    // The game finds a header a few bytes into a file; the name comes from that header's
    // title, and the file is stored as it came.
    PuzzleImage prefixed = MakePuzzle(LatticeGrid(15));
    AddClues(&prefixed);
    prefixed.prefix = std::string("\x01\x02\x03\x04", 4);
    prefixed.title = "Offset Title";
    server.Handle("/prefixed.puz", RespondWith(200, Bytes(prefixed)));
    AutomationReset();
    EXPECT_EQ(Download("/prefixed.puz", kSaved), 1);
    EXPECT_EQ(ReadDeviceFile(kSavedHost), Bytes(prefixed));
    ASSERT_EQ(AutomationFileDialogs().size(), 1u);
    EXPECT_EQ(AutomationFileDialogs()[0].proposal, u"\\My Documents\\Fennimoor\\OffsetTitl");
}

TEST_F(DownloadTest, AnAddressThatCannotBeOpenedSaysSo)
{
    const std::string url = "http://127.0.0.1:" + std::to_string(UnusedLocalPort()) + "/x.puz";
    EXPECT_EQ(DownloadPuzzle(window, std::u16string(url.begin(), url.end()).c_str()), 0);
    EXPECT_EQ(Boxes(), (Texts{u"Error|InternetOpenUrl Error: 2efd"}));
    EXPECT_TRUE(AutomationFileDialogs().empty());
}

// Only what the game itself would open is stored; anything else is refused before the user
// is asked where to store it, and an earlier file stays as it was.
TEST_F(DownloadTest, AnswersThatAreNoPuzzleAreRefused)
{
    const std::string page =
        "<!DOCTYPE html><html><head><title>404 Not Found</title></head><body><h1>Not Found</h1>"
        "<p>The requested URL was not found on this server.</p><hr><address>httpd</address>"
        "</body></html>";
    ASSERT_NE(page[0x2C], 0);  // the old test of the size bytes let such a page through
    ASSERT_NE(page[0x2D], 0);
    server.Handle("/page.html", RespondWith(200, page, "text/html"));
    const std::string puzzle = ServedPuzzle(LatticeGrid(15), "T");
    server.Handle("/cut.puz", RespondWith(200, puzzle.substr(0, puzzle.size() - 20)));
    server.Handle("/empty.puz", RespondWith(200, ""));
    server.Handle("/short.puz", RespondWith(200, std::string(0x2D, 'A')));
    WriteDeviceFile(kSavedHost, "earlier puzzle");
    for (const char* path : {"/page.html", "/cut.puz", "/empty.puz", "/short.puz"}) {
        AutomationReset();
        EXPECT_EQ(Download(path, kSaved), 0) << path;
        EXPECT_EQ(Boxes(), (Texts{u"Error|Not a valid puzzle file, please check the URL."}))
            << path;
        EXPECT_TRUE(AutomationFileDialogs().empty()) << path;
    }
    EXPECT_EQ(ReadDeviceFile(kSavedHost), "earlier puzzle");
}

// A server that refuses says so with its status: that is what the player hears, whatever its
// page holds (even a puzzle), with the usual reason where the server gave none.
TEST_F(DownloadTest, AnErrorStatusIsToldAsTheServerGaveIt)
{
    server.Handle("/gone.puz", RespondWith(404, ServedPuzzle(LatticeGrid(15), "T")));
    server.Handle("/busy.puz", [](const HttpTestRequest&, HttpTestConnection& connection) {
        connection.SendHead(503, "", {"Content-Length: 0"});
    });
    WriteDeviceFile(kSavedHost, "earlier puzzle");
    const std::pair<const char*, const char16_t*> cases[] = {
        {"/gone.puz", u"Error|The server answered 404 Not Found."},
        {"/busy.puz", u"Error|The server answered 503 Service Unavailable."},
    };
    for (const auto& [path, told] : cases) {
        AutomationReset();
        EXPECT_EQ(Download(path, kSaved), 0) << path;
        EXPECT_EQ(Boxes(), (Texts{told})) << path;
        EXPECT_TRUE(AutomationFileDialogs().empty()) << path;
    }
    EXPECT_EQ(ReadDeviceFile(kSavedHost), "earlier puzzle");
}

// An answer larger than any puzzle is refused as soon as it is: the download stops reading
// (the server never gets to send most of it) and keeps no more than a puzzle's size.
TEST_F(DownloadTest, AnAnswerLargerThanAnyPuzzleIsRefusedWithoutReadingItAll)
{
    constexpr uint64_t kHuge = 200ull * 1024 * 1024;
    auto sent = std::make_shared<HttpTestSent>();
    server.Handle("/huge.puz", StreamPattern(kHuge, sent));
    // A real puzzle followed by more bytes than a puzzle file can have.
    const std::string puzzle = ServedPuzzle(LatticeGrid(15), "T");
    server.Handle("/padded.puz",
                  RespondWith(200, puzzle + std::string(16001 - puzzle.size(), 'x')));
    WriteDeviceFile(kSavedHost, "earlier puzzle");

    EXPECT_EQ(Download("/huge.puz", kSaved), 0);
    EXPECT_EQ(Boxes(), (Texts{u"Error|Not a valid puzzle file, please check the URL."}));
    EXPECT_TRUE(sent->WaitForClientLeft(std::chrono::seconds(10)));
    EXPECT_LT(sent->bytes, kHuge / 4);

    AutomationReset();
    EXPECT_EQ(Download("/padded.puz", kSaved), 0);
    EXPECT_EQ(Boxes(), (Texts{u"Error|Not a valid puzzle file, please check the URL."}));
    EXPECT_TRUE(AutomationFileDialogs().empty());
    EXPECT_EQ(ReadDeviceFile(kSavedHost), "earlier puzzle");
}

TEST_F(DownloadTest, ACancelledOrRefusedSaveLocationIsSilent)
{
    server.Handle("/today.puz", RespondWith(200, ServedPuzzle(LatticeGrid(15), "T")));
    EXPECT_EQ(Download("/today.puz", u""), 0);
    EXPECT_TRUE(Boxes().empty());

    AutomationReset();
    AutomationAnswerFileDialog(kSaved);
    AutomationAnswerMessageBox(u"Confirm", IDNO);
    const std::string url = server.Url("/today.puz");
    EXPECT_EQ(DownloadPuzzle(window, std::u16string(url.begin(), url.end()).c_str()), 0);
    EXPECT_EQ(Boxes(), (Texts{u"Confirm|Save file at this location: " + kSaved}));
    EXPECT_FALSE(DeviceFileExists(kSavedHost));
}

TEST_F(DownloadTest, AFileThatCannotBeCreatedSaysSo)
{
    server.Handle("/today.puz", RespondWith(200, ServedPuzzle(LatticeGrid(15), "T")));
    EXPECT_EQ(Download("/today.puz", u"\\No Such Folder\\x.puz"), 0);
    EXPECT_EQ(Boxes(), (Texts{u"Confirm|Save file at this location: \\No Such Folder\\x.puz",
                              u"Error|CreateFile Error: 3"}));
}

TEST_F(DownloadTest, ACutConnectionLeavesNoFileAndKeepsAnEarlierOne)
{
    const std::string puzzle = ServedPuzzle(LatticeGrid(15), "T");
    server.Handle("/cut.puz", [puzzle](const HttpTestRequest&, HttpTestConnection& c) {
        c.SendHead(200, "OK", {"Content-Length: " + std::to_string(puzzle.size() + 5000)});
        c.Send(puzzle);
        c.Reset();
    });
    WriteDeviceFile(kSavedHost, "earlier puzzle");
    EXPECT_EQ(Download("/cut.puz", kSaved), 0);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].substr(0, 28), u"Error|InternetReadFile Error");
    EXPECT_TRUE(AutomationFileDialogs().empty());
    EXPECT_EQ(ReadDeviceFile(kSavedHost), "earlier puzzle");
    EXPECT_FALSE(TemporaryFileIn(u"\\My Documents\\Fennimoor\\"));
}

// A read-only puzzle is refused as the installer refuses it, and stays as it is.
TEST_F(DownloadTest, AReadOnlyPuzzleIsNotReplaced)
{
    server.Handle("/today.puz", RespondWith(200, ServedPuzzle(LatticeGrid(15), "T")));
    WriteDeviceFile(kSavedHost, "earlier puzzle");
    const std::filesystem::path host = HostPathOf(kSavedHost);
    std::filesystem::permissions(host, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    EXPECT_EQ(Download("/today.puz", kSaved), 0);
    EXPECT_EQ(Boxes(), (Texts{u"Confirm|Save file at this location: " + kSaved,
                              u"Error|CreateFile Error: 5"}));
    EXPECT_EQ(ReadDeviceFile(kSavedHost), "earlier puzzle");
    EXPECT_EQ(std::filesystem::status(host).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                  std::filesystem::perms::others_read);
    std::filesystem::permissions(host, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

// Storage that cannot flush the new file: the failure is told and the earlier file stays.
TEST_F(DownloadTest, AFailedFlushIsAFailure)
{
    server.Handle("/today.puz", RespondWith(200, ServedPuzzle(LatticeGrid(15), "T")));
    WriteDeviceFile(kSavedHost, "earlier puzzle");
    AutomationFailFlushes(true);
    EXPECT_EQ(Download("/today.puz", kSaved), 0);
    AutomationFailFlushes(false);
    EXPECT_EQ(Boxes(), (Texts{u"Confirm|Save file at this location: " + kSaved,
                              u"Error|FlushFileBuffers Error: 1d"}));
    EXPECT_EQ(ReadDeviceFile(kSavedHost), "earlier puzzle");
    EXPECT_FALSE(TemporaryFileIn(u"\\My Documents\\Fennimoor\\"));
}

// The temporary file is gone before an error is shown: a program ended while the box is
// up leaves nothing behind. The box's probe looks at the folder while the box is up.
bool gTemporaryWhileShown = false;

TEST_F(DownloadTest, NoTemporaryFileIsLeftWhileAnErrorIsShown)
{
    server.Handle("/today.puz", RespondWith(200, ServedPuzzle(LatticeGrid(15), "T")));
    AutomationSetMessageBoxProbe([](const MessageBoxRecord& box) {
        if (box.caption == u"Error")
            gTemporaryWhileShown = TemporaryFileIn(u"\\My Documents\\Fennimoor\\");
    });
    // A folder where the puzzle should go: the rename fails after the file was written.
    std::filesystem::create_directories(HostPathOf(kSavedHost));
    gTemporaryWhileShown = true;
    EXPECT_EQ(Download("/today.puz", kSaved), 0);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].substr(0, 20), u"Error|MoveFile Error");
    EXPECT_FALSE(gTemporaryWhileShown);
}

// A server that never stops sending keeps the transfer below the silence limit; the
// download still ends at its deadline, told as a time-out.
TEST_F(DownloadTest, ADownloadEndsAtItsDeadlineWhateverTheServerDoes)
{
    auto sent = std::make_shared<HttpTestSent>();
    server.Handle("/drip.puz",
                  Drip(std::string(30, 'x'), 1000, std::chrono::milliseconds(100), sent));
    AutomationAdvance(61000);
    // The game's clock ticks while the transfer waits, so the advance may still run when the
    // error shows: the box is answered by name, not by an empty script.
    AutomationAnswerMessageBox(u"Error", IDOK);
    EXPECT_EQ(Download("/drip.puz", kSaved), 0);
    const Texts boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    // Whether the deadline met the open or a read depends on when the server answered.
    EXPECT_EQ(boxes[0].substr(0, 14), u"Error|Internet");
    EXPECT_EQ(boxes[0].substr(boxes[0].size() - 12), u" Error: 2ee2");
    EXPECT_TRUE(sent->WaitForClientLeft(std::chrono::seconds(10)));
    EXPECT_LT(sent->bytes, 30u);
    EXPECT_GE(GetTickCount(), 60000u);
    EXPECT_TRUE(AutomationFileDialogs().empty());
}

}  // namespace
