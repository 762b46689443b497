// DownloadPuzzle against a server on 127.0.0.1: one case per way it can fail, the stored
// bytes of a success, the proposed name, and a transfer cut half-way.
#include <string>

#include "PuzzleImage.h"
#include "ShellFixture.h"
#include "automation.h"
#include "download.h"
#include "http_test_server.h"

namespace {

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

TEST_F(DownloadTest, ARectangularPuzzleIsAcceptedAndALargeAnswerStreamed)
{
    PuzzleImage tall = MakePuzzle(std::vector<std::string>(21, std::string(15, 'A')));
    tall.title = "Tall";
    const std::string bytes = Bytes(tall);
    ASSERT_EQ(bytes[0x2C], 15);
    ASSERT_EQ(bytes[0x2D], 21);
    server.Handle("/tall.puz", RespondWith(200, bytes));
    EXPECT_EQ(Download("/tall.puz", kSaved), 1);
    EXPECT_EQ(ReadDeviceFile(kSavedHost), bytes);

    // More than one 32000-byte block arrives whole and in order: the download stores the
    // answer as it is, without judging its length.
    const std::string puzzle = ServedPuzzle(LatticeGrid(21), "Big");
    std::string big = puzzle + std::string(70000, 'x');
    for (size_t i = puzzle.size(); i < big.size(); ++i)
        big[i] = char(PatternByte(i));
    server.Handle("/big.puz", RespondWith(200, big));
    EXPECT_EQ(Download("/big.puz", kSaved), 1);
    EXPECT_EQ(ReadDeviceFile(kSavedHost), big);
}

TEST_F(DownloadTest, AnAddressThatCannotBeOpenedSaysSo)
{
    const std::string url = "http://127.0.0.1:" + std::to_string(UnusedLocalPort()) + "/x.puz";
    EXPECT_EQ(DownloadPuzzle(window, std::u16string(url.begin(), url.end()).c_str()), 0);
    EXPECT_EQ(Boxes(), (Texts{u"Error|InternetOpenUrl Error: 2efd"}));
    EXPECT_TRUE(AutomationFileDialogs().empty());
}

TEST_F(DownloadTest, AnswersThatAreNoPuzzleAreRefused)
{
    server.Handle("/page.html", RespondWith(404, "<p>Not Found</p>", "text/html"));
    std::string zeroWidth = ServedPuzzle(LatticeGrid(15), "T");
    zeroWidth[0x2C] = 0;
    server.Handle("/zero.puz", RespondWith(200, zeroWidth));
    server.Handle("/empty.puz", RespondWith(200, ""));
    server.Handle("/short.puz", RespondWith(200, std::string(0x2D, 'A')));
    for (const char* path : {"/page.html", "/zero.puz", "/empty.puz", "/short.puz"}) {
        AutomationReset();
        EXPECT_EQ(Download(path, kSaved), 0) << path;
        EXPECT_EQ(Boxes(), (Texts{u"Error|Not a valid puzzle file, please check the URL."}))
            << path;
    }
    EXPECT_TRUE(AutomationFileDialogs().empty());
    EXPECT_FALSE(DeviceFileExists(kSavedHost));
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
    std::string body = puzzle + std::string(40000, 'x');
    server.Handle("/cut.puz", [body](const HttpTestRequest&, HttpTestConnection& c) {
        c.SendHead(200, "OK", {"Content-Length: " + std::to_string(body.size() + 50000)});
        c.Send(body);
        c.Reset();
    });
    EXPECT_EQ(Download("/cut.puz", kSaved), 0);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].substr(0, 28), u"Error|InternetReadFile Error");
    EXPECT_FALSE(DeviceFileExists(kSavedHost));
    EXPECT_FALSE(DeviceFileExists("\\My Documents\\Fennimoor\\crossword-download.tmp"));

    WriteDeviceFile(kSavedHost, "earlier puzzle");
    AutomationReset();
    EXPECT_EQ(Download("/cut.puz", kSaved), 0);
    EXPECT_EQ(ReadDeviceFile(kSavedHost), "earlier puzzle");
}

}  // namespace
