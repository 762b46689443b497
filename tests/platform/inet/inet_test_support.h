// Shared pieces of the inet tests: a local server, an open session and small helpers that
// read a whole answer and record how the reads ended.
#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "http_test_server.h"
#include "windows.h"

inline std::u16string Wide(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

struct ReadResult {
    std::string body;  // every byte the reads returned
    DWORD error = 0;   // GetLastError of the failing read, 0 when the body ended normally
    int reads = 0;     // successful reads that returned bytes
};

// Reads with blocks of chunk bytes until a read returns 0 bytes or fails.
inline ReadResult ReadAll(HINTERNET url, DWORD chunk)
{
    ReadResult result;
    std::string block(chunk, '\0');
    for (;;) {
        DWORD count = 0xDEAD;
        if (!InternetReadFile(url, block.data(), chunk, &count)) {
            result.error = GetLastError();
            EXPECT_EQ(count, 0u) << "a failed read reports no bytes";
            return result;
        }
        if (count == 0)
            return result;
        EXPECT_LE(count, chunk);
        result.body.append(block.data(), count);
        ++result.reads;
    }
}

class InetTest : public testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.Listening());
        session = InternetOpenW(u"Example", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
        ASSERT_NE(session, nullptr);
    }
    void TearDown() override
    {
        if (session)
            InternetCloseHandle(session);
    }

    HINTERNET Open(std::string_view path, DWORD flags = INTERNET_FLAG_RAW_DATA)
    {
        const std::u16string url = Wide(server.Url(path));
        return InternetOpenUrlW(session, url.c_str(), nullptr, 0, flags, 0);
    }

    void SetReceiveTimeout(HINTERNET handle, DWORD ms)
    {
        ASSERT_TRUE(InternetSetOptionW(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, &ms, sizeof ms));
    }

    DWORD StatusOf(HINTERNET url)
    {
        DWORD status = 0;
        DWORD length = sizeof status;
        EXPECT_TRUE(HttpQueryInfoW(url, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                                   &length, nullptr));
        return status;
    }

    HttpTestServer server;
    HINTERNET session = nullptr;
};

// Bytes first..first+count-1 of a StreamPattern body.
inline std::string PatternBytes(uint64_t first, size_t count)
{
    std::string bytes(count, '\0');
    for (size_t i = 0; i < count; ++i)
        bytes[i] = char(PatternByte(first + i));
    return bytes;
}
