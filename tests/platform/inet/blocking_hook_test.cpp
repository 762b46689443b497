// Stopping a waiting call by closing its handle: from the blocking hook, which runs while
// the call waits, and from another thread. The call fails at once with
// ERROR_INTERNET_OPERATION_CANCELLED and the handle is gone.
#include <thread>

#include "device.h"
#include "inet_test_support.h"

namespace {

struct HookRun {
    int calls = 0;               // times the device called the hook
    int closeAt = 0;             // the call that closes `handle`
    HINTERNET handle = nullptr;  //
    BOOL closed = FALSE;         // what InternetCloseHandle answered there
};
HookRun gRun;

BOOL CALLBACK CloseFromTheHook()
{
    if (++gRun.calls == gRun.closeAt)
        gRun.closed = InternetCloseHandle(gRun.handle);
    return FALSE;
}

class BlockingHookTest : public InetTest {
  protected:
    void SetUp() override
    {
        InetTest::SetUp();
        gRun = {};
        sent = std::make_shared<HttpTestSent>();
        // Headers, then nothing until the client leaves.
        server.Handle("/stall", [s = sent](const HttpTestRequest&, HttpTestConnection& c) {
            if (c.SendHead(200, "OK", {"Content-Length: 1000"}) &&
                c.WaitForClientClose(std::chrono::seconds(30)))
                s->clientLeft = true;
        });
        // No answer at all.
        server.Handle("/silent", [s = sent](const HttpTestRequest&, HttpTestConnection& c) {
            if (c.WaitForClientClose(std::chrono::seconds(30)))
                s->clientLeft = true;
        });
    }
    void TearDown() override
    {
        DeviceSetBlockingHook(nullptr);
        InetTest::TearDown();
    }

    std::shared_ptr<HttpTestSent> sent;
};

TEST_F(BlockingHookTest, ClosingTheAddressFromTheHookCancelsTheWaitingRead)
{
    HINTERNET url = Open("/stall");
    ASSERT_NE(url, nullptr);
    gRun.closeAt = 5;
    gRun.handle = url;
    EXPECT_EQ(DeviceSetBlockingHook(CloseFromTheHook), nullptr);

    char block[100];
    DWORD count = 7;
    EXPECT_FALSE(InternetReadFile(url, block, sizeof block, &count));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_OPERATION_CANCELLED));
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(gRun.calls, 5);
    EXPECT_TRUE(gRun.closed);
    EXPECT_FALSE(InternetCloseHandle(url));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_TRUE(sent->WaitForClientLeft(std::chrono::seconds(10)));
}

TEST_F(BlockingHookTest, ClosingTheSessionFromTheHookCancelsTheWaitingOpen)
{
    gRun.closeAt = 3;
    gRun.handle = session;
    DeviceSetBlockingHook(CloseFromTheHook);
    EXPECT_EQ(Open("/silent"), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_OPERATION_CANCELLED));
    EXPECT_EQ(gRun.calls, 3);
    EXPECT_TRUE(gRun.closed);
    session = nullptr;
    EXPECT_TRUE(sent->WaitForClientLeft(std::chrono::seconds(10)));
}

TEST_F(BlockingHookTest, ClosingFromAnotherThreadCancelsTheWaitingRead)
{
    HINTERNET url = Open("/stall");
    ASSERT_NE(url, nullptr);
    SetReceiveTimeout(url, 20000);  // a time-out would fail with another code
    std::thread closer([url] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        InternetCloseHandle(url);
    });
    char block[100];
    DWORD count = 7;
    EXPECT_FALSE(InternetReadFile(url, block, sizeof block, &count));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_OPERATION_CANCELLED));
    closer.join();
    EXPECT_TRUE(sent->WaitForClientLeft(std::chrono::seconds(10)));
}

}  // namespace
