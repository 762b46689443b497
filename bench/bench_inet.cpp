// Download throughput and memory of the inet calls: a 50 MB answer from a server on
// 127.0.0.1, read in 32000-byte blocks the way the game's download reads. Reports bytes per
// second, and how far the resident set and the heap in use rose above their levels before
// the download (the peaks seen while it ran), in KiB.
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "http_test_server.h"
#include "windows.h"

namespace {

constexpr uint64_t kAnswerBytes = 50ull * 1024 * 1024;
constexpr DWORD kBlock = 32000;

long ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long totalPages = 0;
    long residentPages = 0;
    statm >> totalPages >> residentPages;
    return residentPages * sysconf(_SC_PAGESIZE);
}

// Bytes the allocator has handed out and not had back, over every arena and large mapping.
long HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return long(info.uordblks + info.hblkhd);
}

// Sends one prepared block over and over, so the server costs next to nothing and the
// figure is the client's. The server shares the process: its block is made once, before any
// download is measured, so it never counts as the client's memory.
HttpTestHandler StreamFiller(uint64_t size)
{
    auto block = std::make_shared<const std::string>(256 * 1024, 'x');
    return [size, block](const HttpTestRequest&, HttpTestConnection& connection) {
        if (!connection.SendHead(200, "OK", {"Content-Length: " + std::to_string(size)}))
            return;
        for (uint64_t sent = 0; sent < size;) {
            const size_t n = size_t(std::min<uint64_t>(block->size(), size - sent));
            if (!connection.Send(std::string_view(block->data(), n)))
                return;
            sent += n;
        }
    };
}

void BM_Download50MB(benchmark::State& state)
{
    HttpTestServer server;
    server.Handle("/big", StreamFiller(kAnswerBytes));
    const std::string url8 = server.Url("/big");
    const std::u16string url(url8.begin(), url8.end());
    HINTERNET session = InternetOpenW(u"Example", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    std::string block(kBlock, '\0');
    long peakGrowth = 0;
    long peakHeapGrowth = 0;

    for (auto _ : state) {
        const long before = ResidentBytes();
        const long heapBefore = HeapInUse();
        auto sample = [&] {
            peakGrowth = std::max(peakGrowth, ResidentBytes() - before);
            peakHeapGrowth = std::max(peakHeapGrowth, HeapInUse() - heapBefore);
        };
        HINTERNET request =
            InternetOpenUrlW(session, url.c_str(), nullptr, 0, INTERNET_FLAG_RAW_DATA, 0);
        if (!request) {
            state.SkipWithError("InternetOpenUrlW failed");
            break;
        }
        uint64_t total = 0;
        DWORD count = 0;
        for (int reads = 0; InternetReadFile(request, block.data(), kBlock, &count) && count;
             ++reads) {
            total += count;
            if (reads % 128 == 0)
                sample();
        }
        sample();  // with the request still open: everything it holds is counted
        InternetCloseHandle(request);
        if (total != kAnswerBytes) {
            state.SkipWithError("short answer");
            break;
        }
    }
    InternetCloseHandle(session);
    state.SetBytesProcessed(int64_t(state.iterations() * kAnswerBytes));
    state.counters["peak_rss_growth_KiB"] = double(peakGrowth) / 1024.0;
    state.counters["peak_heap_growth_KiB"] = double(peakHeapGrowth) / 1024.0;
}
BENCHMARK(BM_Download50MB)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
