// InternetOpenUrlW against a local server: what is sent, what comes back, redirects, and the
// WinInet code of each way an address can fail to open.
#include <chrono>

#include "inet_test_support.h"

namespace {

std::string AllByteValues()
{
    std::string bytes;
    for (int round = 0; round < 3; ++round) {
        for (int value = 0; value < 256; ++value)
            bytes.push_back(char(value));
    }
    return bytes;
}

TEST_F(InetTest, NormalAnswerArrivesByteForByte)
{
    const std::string body = AllByteValues();  // zeros and high bytes included
    server.Handle("/puzzle.puz", RespondWith(200, body));
    HINTERNET url = Open("/puzzle.puz");
    ASSERT_NE(url, nullptr);
    EXPECT_EQ(StatusOf(url), 200u);

    // Every read but the last is filled completely, as WinInet does for a synchronous read.
    const ReadResult result = ReadAll(url, 100);
    EXPECT_EQ(result.error, 0u);
    EXPECT_EQ(result.body, body);
    EXPECT_EQ(result.reads, int((body.size() + 99) / 100));

    // The end of the body stays the end.
    char byte = 0;
    DWORD count = 7;
    EXPECT_TRUE(InternetReadFile(url, &byte, 1, &count));
    EXPECT_EQ(count, 0u);
    EXPECT_TRUE(InternetCloseHandle(url));
}

TEST_F(InetTest, RequestCarriesTheAgentAndExtraHeadersAsGiven)
{
    server.Handle("/list", RespondWith(200, "ok"));
    const std::u16string address = Wide(server.Url("/list?day=7"));
    HINTERNET url = InternetOpenUrlW(session, address.c_str(), u"X-One: 1\r\nX-Two: two\r\n",
                                     DWORD(-1), INTERNET_FLAG_RELOAD, 0);
    ASSERT_NE(url, nullptr);
    InternetCloseHandle(url);

    const std::vector<HttpTestRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, "/list?day=7");
    EXPECT_EQ(requests[0].Header("User-Agent"), "Example");
    EXPECT_EQ(requests[0].Header("X-One"), "1");
    EXPECT_EQ(requests[0].Header("X-Two"), "two");
}

TEST_F(InetTest, BlanksAndNonAsciiInTheAddressAreEscaped)
{
    server.Handle("/a%20b%C3%A9.puz", RespondWith(200, "escaped"));
    const std::u16string address = Wide(server.Url("/a b")) + u"\u00e9.puz";
    HINTERNET url = InternetOpenUrlW(session, address.c_str(), nullptr, 0, 0, 0);
    ASSERT_NE(url, nullptr);
    EXPECT_EQ(ReadAll(url, 64).body, "escaped");
    InternetCloseHandle(url);
}

TEST_F(InetTest, ErrorStatusStillOpensAndReturnsItsPage)
{
    const std::string page = "<html><body>No such puzzle</body></html>";
    server.Handle("/missing.puz", RespondWith(404, page, "text/html"));
    HINTERNET url = Open("/missing.puz");
    ASSERT_NE(url, nullptr);
    EXPECT_EQ(StatusOf(url), 404u);
    const ReadResult result = ReadAll(url, 32000);
    EXPECT_EQ(result.error, 0u);
    EXPECT_EQ(result.body, page);
    InternetCloseHandle(url);
}

TEST_F(InetTest, RedirectsAreFollowedToTheFinalAnswer)
{
    server.Handle("/old", RedirectTo(301, server.Url("/moved")));
    server.Handle("/moved", RedirectTo(302, "/final.puz"));  // relative Location
    server.Handle("/final.puz", RespondWith(200, "final body"));
    HINTERNET url = Open("/old");
    ASSERT_NE(url, nullptr);
    EXPECT_EQ(StatusOf(url), 200u);
    EXPECT_EQ(ReadAll(url, 32000).body, "final body");
    InternetCloseHandle(url);

    const std::vector<HttpTestRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1].target, "/moved");
    EXPECT_EQ(requests[2].target, "/final.puz");
    EXPECT_EQ(requests[2].Header("User-Agent"), "Example");
}

TEST_F(InetTest, NoAutoRedirectReturnsTheRedirectItself)
{
    server.Handle("/old", RedirectTo(302, "/final.puz"));
    server.Handle("/final.puz", RespondWith(200, "final body"));
    HINTERNET url = Open("/old", INTERNET_FLAG_NO_AUTO_REDIRECT);
    ASSERT_NE(url, nullptr);
    EXPECT_EQ(StatusOf(url), 302u);
    EXPECT_EQ(ReadAll(url, 32000).body, "<html><body>Moved</body></html>");
    InternetCloseHandle(url);
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST_F(InetTest, RedirectsThatLeadNowhereFail)
{
    server.Handle("/loop", RedirectTo(302, "/loop"));
    EXPECT_EQ(Open("/loop"), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_HTTP_REDIRECT_FAILED));

    // A redirect may not lead to a scheme an address could not name.
    server.Handle("/elsewhere", RedirectTo(301, "ftp://127.0.0.1/x.puz"));
    EXPECT_EQ(Open("/elsewhere"), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_HTTP_REDIRECT_FAILED));
}

TEST_F(InetTest, RefusedConnectionIsCannotConnect)
{
    const uint16_t port = UnusedLocalPort();
    ASSERT_NE(port, 0);
    const std::u16string address = Wide("http://127.0.0.1:" + std::to_string(port) + "/x.puz");
    SetLastError(0);
    EXPECT_EQ(InternetOpenUrlW(session, address.c_str(), nullptr, 0, 0, 0), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_CANNOT_CONNECT));
}

TEST_F(InetTest, UnknownHostIsNameNotResolved)
{
    // ".invalid" is reserved: no resolver may answer it.
    EXPECT_EQ(InternetOpenUrlW(session, u"http://crossword-test.invalid/x.puz", nullptr, 0, 0, 0),
              nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_NAME_NOT_RESOLVED));
}

TEST_F(InetTest, AddressesThatCannotBeTakenApartAreRefusedBeforeConnecting)
{
    struct Case {
        const char16_t* address;
        DWORD error;
    };
    const Case cases[] = {
        {u"ftp://127.0.0.1/x.puz", ERROR_INTERNET_UNRECOGNIZED_SCHEME},
        {u"gopher://127.0.0.1/", ERROR_INTERNET_UNRECOGNIZED_SCHEME},
        {u"www.example.com/x.puz", ERROR_INTERNET_UNRECOGNIZED_SCHEME},
        {u"", ERROR_INTERNET_UNRECOGNIZED_SCHEME},
        {u"http:/127.0.0.1/x.puz", ERROR_INTERNET_INVALID_URL},
        {u"http://", ERROR_INTERNET_INVALID_URL},
        {u"http:///x.puz", ERROR_INTERNET_INVALID_URL},
        {u"http://127.0.0.1:99999/x.puz", ERROR_INTERNET_INVALID_URL},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(InternetOpenUrlW(session, c.address, nullptr, 0, 0, 0), nullptr);
        EXPECT_EQ(GetLastError(), c.error)
            << std::string(c.address, c.address + std::char_traits<char16_t>::length(c.address));
    }
    EXPECT_TRUE(server.Requests().empty());

    // The scheme is not case-sensitive.
    server.Handle("/x.puz", RespondWith(200, "x"));
    const std::u16string upper = u"HTTP" + Wide(server.Url("/x.puz")).substr(4);
    HINTERNET url = InternetOpenUrlW(session, upper.c_str(), nullptr, 0, 0, 0);
    EXPECT_NE(url, nullptr);
    InternetCloseHandle(url);
}

TEST_F(InetTest, ServerThatNeverAnswersTimesOutWithTheSessionTimeout)
{
    server.Handle("/silent", [](const HttpTestRequest&, HttpTestConnection& connection) {
        connection.WaitForClientClose(std::chrono::seconds(30));
    });
    SetReceiveTimeout(session, 300);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Open("/silent"), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_TIMEOUT));
    // Not before the time-out the session was given.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(290));
}

}  // namespace
