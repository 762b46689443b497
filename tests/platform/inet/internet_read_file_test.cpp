// InternetReadFile: a large body streamed through flat memory, and each way a body can end
// early (cut, reset, stall) failing with its WinInet code.
#include <malloc.h>
#include <unistd.h>

// Under ASan the heap figure comes from its allocator (GCC ships no header for it).
#if defined(__SANITIZE_ADDRESS__)
#define INET_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define INET_TEST_ASAN 1
#endif
#endif
#ifdef INET_TEST_ASAN
extern "C" size_t __sanitizer_get_current_allocated_bytes(void);
#endif

#include <chrono>
#include <cstring>
#include <fstream>

#include "inet_test_support.h"

namespace {

constexpr DWORD kBlock = 32000;  // what the download asks of each read

struct MemoryUse {
    long resident = 0;  // the process's resident set
    long heap = 0;      // bytes allocated and not yet freed
};

MemoryUse MeasureMemory()
{
    MemoryUse use;
    std::ifstream statm("/proc/self/statm");
    long totalPages = 0;
    long residentPages = 0;
    statm >> totalPages >> residentPages;
    use.resident = residentPages * sysconf(_SC_PAGESIZE);
#ifdef INET_TEST_ASAN
    use.heap = long(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    use.heap = long(info.uordblks + info.hblkhd);
#endif
    return use;
}

TEST_F(InetTest, FiftyMegabytesStreamThroughFlatMemory)
{
    constexpr uint64_t kSize = 50ull * 1024 * 1024;
    server.Handle("/big", StreamPattern(kSize));
    std::string block(kBlock, '\0');
    std::string expected(kBlock, '\0');
    const MemoryUse baseline = MeasureMemory();
    MemoryUse peak = baseline;
    HINTERNET url = Open("/big");
    ASSERT_NE(url, nullptr);
    // Let the server run ahead and fill the socket buffers: a client that takes whatever
    // arrives instead of holding the transfer back would now swallow megabytes at once.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    uint64_t offset = 0;
    int mismatches = 0;
    for (int reads = 0;; ++reads) {
        DWORD count = 0;
        ASSERT_TRUE(InternetReadFile(url, block.data(), kBlock, &count))
            << "at " << offset << ": " << GetLastError();
        if (count == 0)
            break;
        ASSERT_TRUE(count == kBlock || offset + count == kSize) << "short read at " << offset;
        for (DWORD i = 0; i < count; ++i)
            expected[i] = char(PatternByte(offset + i));
        if (std::memcmp(block.data(), expected.data(), count) != 0)
            ++mismatches;
        offset += count;
        if (reads % 16 == 0) {
            const MemoryUse now = MeasureMemory();
            peak.resident = std::max(peak.resident, now.resident);
            peak.heap = std::max(peak.heap, now.heap);
        }
    }
    EXPECT_EQ(offset, kSize);
    EXPECT_EQ(mismatches, 0);
    // The transfer's own records and its 64 KiB buffer, nothing that scales with the body.
    EXPECT_LT(peak.heap - baseline.heap, 512l * 1024) << "heap grew with the answer";
#ifndef INET_TEST_ASAN
    // Under ASan freed blocks stay resident in its quarantine, and curl frees and allocates
    // a block at each pause, so only the heap figure means anything there.
    EXPECT_LT(peak.resident - baseline.resident, 3l * 1024 * 1024)
        << "resident set grew with the answer";
#endif
    InternetCloseHandle(url);
}

TEST_F(InetTest, SmallReadsAndAChunkedBodyKeepEveryByte)
{
    constexpr size_t kSize = 300000;
    server.Handle("/chunked", [](const HttpTestRequest&, HttpTestConnection& connection) {
        if (!connection.SendHead(200, "OK", {"Transfer-Encoding: chunked"}))
            return;
        const size_t sizes[] = {1, 4095, 70000, 17, 150000, 75887};
        uint64_t offset = 0;
        for (size_t size : sizes) {
            char line[32];
            std::snprintf(line, sizeof line, "%zx\r\n", size);
            connection.Send(line);
            connection.Send(PatternBytes(offset, size) + "\r\n");
            offset += size;
        }
        connection.Send("0\r\n\r\n");
    });
    HINTERNET url = Open("/chunked");
    ASSERT_NE(url, nullptr);
    const ReadResult result = ReadAll(url, 999);
    EXPECT_EQ(result.error, 0u);
    ASSERT_EQ(result.body.size(), kSize);
    EXPECT_TRUE(result.body == PatternBytes(0, kSize));
    InternetCloseHandle(url);
}

TEST_F(InetTest, BodyWithoutLengthEndsWhenTheServerCloses)
{
    server.Handle("/until-close", [](const HttpTestRequest&, HttpTestConnection& connection) {
        if (connection.SendHead(200, "OK", {"Content-Type: text/plain"}))
            connection.Send(PatternBytes(0, 50000));
    });
    HINTERNET url = Open("/until-close");
    ASSERT_NE(url, nullptr);
    const ReadResult result = ReadAll(url, kBlock);
    EXPECT_EQ(result.error, 0u);
    EXPECT_TRUE(result.body == PatternBytes(0, 50000));
    InternetCloseHandle(url);
}

TEST_F(InetTest, ConnectionClosedMidBodyFailsAfterTheBytesThatCame)
{
    server.Handle("/cut", [](const HttpTestRequest&, HttpTestConnection& connection) {
        if (connection.SendHead(200, "OK", {"Content-Length: 100000"}))
            connection.Send(PatternBytes(0, 40000));
    });
    HINTERNET url = Open("/cut");
    ASSERT_NE(url, nullptr);
    const ReadResult result = ReadAll(url, kBlock);
    EXPECT_EQ(result.error, DWORD(ERROR_INTERNET_CONNECTION_ABORTED));
    EXPECT_TRUE(result.body == PatternBytes(0, 40000));

    // The failure stays: the body is not reported complete later.
    char byte = 0;
    DWORD count = 0;
    EXPECT_FALSE(InternetReadFile(url, &byte, 1, &count));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_CONNECTION_ABORTED));
    InternetCloseHandle(url);
}

TEST_F(InetTest, ConnectionResetMidBodyIsConnectionReset)
{
    server.Handle("/reset", [](const HttpTestRequest&, HttpTestConnection& connection) {
        if (connection.SendHead(200, "OK", {"Content-Length: 100000"}) &&
            connection.Send(PatternBytes(0, 40000))) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            connection.Reset();
        }
    });
    HINTERNET url = Open("/reset");
    ASSERT_NE(url, nullptr);
    const ReadResult result = ReadAll(url, kBlock);
    EXPECT_EQ(result.error, DWORD(ERROR_INTERNET_CONNECTION_RESET));
    // A reset may drop bytes still in flight; the ones delivered are the right ones.
    ASSERT_LE(result.body.size(), 40000u);
    EXPECT_TRUE(result.body == PatternBytes(0, result.body.size()));
    InternetCloseHandle(url);
}

TEST_F(InetTest, SilenceAfterTheHeadersTimesOutTheRead)
{
    server.Handle("/stall", [](const HttpTestRequest&, HttpTestConnection& connection) {
        if (connection.SendHead(200, "OK", {"Content-Length: 1000"}))
            connection.WaitForClientClose(std::chrono::seconds(30));
    });
    HINTERNET url = Open("/stall");
    ASSERT_NE(url, nullptr);
    EXPECT_EQ(StatusOf(url), 200u);
    SetReceiveTimeout(url, 300);
    const auto start = std::chrono::steady_clock::now();
    char block[100];
    DWORD count = 0;
    EXPECT_FALSE(InternetReadFile(url, block, sizeof block, &count));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_TIMEOUT));
    EXPECT_EQ(count, 0u);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(290));
    InternetCloseHandle(url);
}

TEST_F(InetTest, SilenceMidBodyHandsOutTheBytesThenTimesOut)
{
    server.Handle("/half", [](const HttpTestRequest&, HttpTestConnection& connection) {
        if (connection.SendHead(200, "OK", {"Content-Length: 100000"}) &&
            connection.Send(PatternBytes(0, 5000)))
            connection.WaitForClientClose(std::chrono::seconds(30));
    });
    SetReceiveTimeout(session, 300);  // inherited by the address handle
    HINTERNET url = Open("/half");
    ASSERT_NE(url, nullptr);
    std::string block(kBlock, '\0');
    DWORD count = 0;
    ASSERT_TRUE(InternetReadFile(url, block.data(), kBlock, &count));
    ASSERT_EQ(count, 5000u);
    EXPECT_TRUE(block.substr(0, count) == PatternBytes(0, 5000));
    EXPECT_FALSE(InternetReadFile(url, block.data(), kBlock, &count));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_TIMEOUT));
    InternetCloseHandle(url);
}

TEST_F(InetTest, PausedTransferResumesAfterALongPause)
{
    server.Handle("/slow-reader", StreamPattern(400000));
    SetReceiveTimeout(session, 200);
    HINTERNET url = Open("/slow-reader");
    ASSERT_NE(url, nullptr);
    std::string block(kBlock, '\0');
    DWORD count = 0;
    ASSERT_TRUE(InternetReadFile(url, block.data(), kBlock, &count));
    // The transfer is held while the buffer is full; resuming it after longer than the
    // receive time-out must not count against the server.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const ReadResult rest = ReadAll(url, kBlock);
    EXPECT_EQ(rest.error, 0u);
    EXPECT_TRUE(block.substr(0, count) + rest.body == PatternBytes(0, 400000));
    InternetCloseHandle(url);
}

TEST_F(InetTest, TimeBetweenReadsIsNotSilence)
{
    // The server pauses 900 ms; the reader spends 700 ms of it away, then waits 200 ms,
    // well inside its 500 ms time-out.
    server.Handle("/pause", [](const HttpTestRequest&, HttpTestConnection& connection) {
        if (!connection.SendHead(200, "OK", {"Content-Length: 2000"}) ||
            !connection.Send(PatternBytes(0, 1000)))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(900));
        connection.Send(PatternBytes(1000, 1000));
    });
    SetReceiveTimeout(session, 500);
    HINTERNET url = Open("/pause");
    ASSERT_NE(url, nullptr);
    std::string block(1000, '\0');
    DWORD count = 0;
    ASSERT_TRUE(InternetReadFile(url, block.data(), 1000, &count));
    ASSERT_EQ(count, 1000u);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    const ReadResult rest = ReadAll(url, 1000);
    EXPECT_EQ(rest.error, 0u);
    EXPECT_TRUE(rest.body == PatternBytes(1000, 1000));
    InternetCloseHandle(url);
}

}  // namespace
