// Handles, arguments and options of the inet calls: bad and wrong-kind handles, closing a
// session with its children, HttpQueryInfoW's buffer rules and InternetSetOptionW's checks.
#include "inet_test_support.h"

namespace {

TEST_F(InetTest, BadHandlesAreRefusedWithInvalidHandle)
{
    HINTERNET madeUp = reinterpret_cast<HINTERNET>(uintptr_t(0x5a5a5a50));
    HINTERNET closed = InternetOpenW(u"Example", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    ASSERT_NE(closed, nullptr);
    ASSERT_TRUE(InternetCloseHandle(closed));

    char byte = 0;
    DWORD count = 0;
    DWORD length = sizeof(DWORD);
    for (HINTERNET bad : {HINTERNET(nullptr), madeUp, closed}) {
        SetLastError(0);
        EXPECT_FALSE(InternetReadFile(bad, &byte, 1, &count));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
        SetLastError(0);
        EXPECT_EQ(InternetOpenUrlW(bad, u"http://127.0.0.1/", nullptr, 0, 0, 0), nullptr);
        EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
        SetLastError(0);
        EXPECT_FALSE(HttpQueryInfoW(bad, HTTP_QUERY_STATUS_CODE, &count, &length, nullptr));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
        SetLastError(0);
        EXPECT_FALSE(InternetCloseHandle(bad));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    }
}

TEST_F(InetTest, HandlesOfTheWrongKindAreRefused)
{
    server.Handle("/x", RespondWith(200, "x"));
    HINTERNET url = Open("/x");
    ASSERT_NE(url, nullptr);

    char byte = 0;
    DWORD count = 5;
    EXPECT_FALSE(InternetReadFile(session, &byte, 1, &count));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_INCORRECT_HANDLE_TYPE));
    EXPECT_EQ(count, 0u);
    const std::u16string address = Wide(server.Url("/x"));
    EXPECT_EQ(InternetOpenUrlW(url, address.c_str(), nullptr, 0, 0, 0), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_INCORRECT_HANDLE_TYPE));
    DWORD status = 0;
    DWORD length = sizeof status;
    EXPECT_FALSE(HttpQueryInfoW(session, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                                &length, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_INCORRECT_HANDLE_TYPE));

    EXPECT_FALSE(InternetReadFile(url, &byte, 1, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(InternetReadFile(url, nullptr, 1, &count));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    InternetCloseHandle(url);
}

TEST_F(InetTest, ClosingTheSessionClosesItsAddressHandles)
{
    server.Handle("/x", RespondWith(200, "x"));
    HINTERNET first = Open("/x");
    HINTERNET second = Open("/x");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    HINTERNET other = InternetOpenW(u"Other", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    const std::u16string address = Wide(server.Url("/x"));
    HINTERNET unrelated = InternetOpenUrlW(other, address.c_str(), nullptr, 0, 0, 0);
    ASSERT_NE(unrelated, nullptr);

    EXPECT_TRUE(InternetCloseHandle(session));
    session = nullptr;
    char byte = 0;
    DWORD count = 0;
    EXPECT_FALSE(InternetReadFile(first, &byte, 1, &count));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(InternetCloseHandle(second));

    // Another session's address is untouched.
    EXPECT_TRUE(InternetReadFile(unrelated, &byte, 1, &count));
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(byte, 'x');
    EXPECT_TRUE(InternetCloseHandle(other));
    EXPECT_FALSE(InternetCloseHandle(unrelated));
}

TEST_F(InetTest, OpenRefusesWhatTheDeviceDoesNotOffer)
{
    EXPECT_EQ(InternetOpenW(u"Example", INTERNET_OPEN_TYPE_PROXY, u"proxy:8080", nullptr, 0),
              nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(InternetOpenW(u"Example", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0x10000000),
              nullptr);  // asynchronous mode
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

TEST_F(InetTest, StatusQueryFollowsTheBufferRules)
{
    server.Handle("/gone", RespondWith(404, "gone"));
    HINTERNET url = Open("/gone");
    ASSERT_NE(url, nullptr);

    DWORD number = 0;
    DWORD length = 2;
    EXPECT_FALSE(HttpQueryInfoW(url, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &number,
                                &length, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(length, sizeof(DWORD));

    // As text: the size asked for counts the terminator, the size returned does not.
    WCHAR text[8] = {};
    length = 6;
    EXPECT_FALSE(HttpQueryInfoW(url, HTTP_QUERY_STATUS_CODE, text, &length, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(length, 8u);
    DWORD index = 0;
    EXPECT_TRUE(HttpQueryInfoW(url, HTTP_QUERY_STATUS_CODE, text, &length, &index));
    EXPECT_EQ(std::u16string(text), u"404");
    EXPECT_EQ(length, 6u);
    EXPECT_EQ(index, 1u);

    // There is one status line: no second instance, and no other header is kept.
    length = sizeof number;
    EXPECT_FALSE(HttpQueryInfoW(url, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &number,
                                &length, &index));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_HTTP_HEADER_NOT_FOUND));
    EXPECT_FALSE(HttpQueryInfoW(url, 5 /* content length */, text, &length, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_HTTP_HEADER_NOT_FOUND));
    InternetCloseHandle(url);
}

TEST_F(InetTest, SetOptionChecksOptionAndLength)
{
    DWORD ms = 1000;
    EXPECT_FALSE(InternetSetOptionW(session, 31 /* security flags */, &ms, sizeof ms));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_INVALID_OPTION));
    EXPECT_FALSE(InternetSetOptionW(session, INTERNET_OPTION_CONNECT_TIMEOUT, &ms, 2));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_BAD_OPTION_LENGTH));
    HINTERNET madeUp = reinterpret_cast<HINTERNET>(uintptr_t(0x5a5a5a50));
    EXPECT_FALSE(InternetSetOptionW(madeUp, INTERNET_OPTION_CONNECT_TIMEOUT, &ms, sizeof ms));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
}

TEST_F(InetTest, DefaultTimeoutsApplyToSessionsOpenedLater)
{
    server.Handle("/silent", [](const HttpTestRequest&, HttpTestConnection& connection) {
        connection.WaitForClientClose(std::chrono::seconds(30));
    });
    DWORD ms = 300;
    ASSERT_TRUE(InternetSetOptionW(nullptr, INTERNET_OPTION_RECEIVE_TIMEOUT, &ms, sizeof ms));
    HINTERNET later = InternetOpenW(u"Example", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    ms = 30000;
    ASSERT_TRUE(InternetSetOptionW(nullptr, INTERNET_OPTION_RECEIVE_TIMEOUT, &ms, sizeof ms));

    const std::u16string address = Wide(server.Url("/silent"));
    EXPECT_EQ(InternetOpenUrlW(later, address.c_str(), nullptr, 0, 0, 0), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_TIMEOUT));
    InternetCloseHandle(later);
}

}  // namespace
