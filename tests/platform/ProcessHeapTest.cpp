#include "platform/ProcessHeap.h"

#include <barrier>
#include <fstream>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <malloc.h>

#include <gtest/gtest.h>

namespace korvel {
namespace {

// The C library's own account of its heaps: one <heap nr="N"> element per arena.
int arenas()
{
    char* text = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&text, &size);
    malloc_info(0, out);
    std::fclose(out);
    const std::string xml(text, size);
    std::free(text);
    int count = 0;
    for (size_t at = xml.find("<heap nr="); at != std::string::npos; at = xml.find("<heap nr=", at + 1))
        ++count;
    return count;
}

// Runs alone in its own process: threads that allocate at the same moment each get an arena of
// their own unless the limit holds.
TEST(ProcessHeap, ThreadsAllocatingTogetherShareTheLimitedArenas)
{
    ASSERT_EQ(std::getenv("MALLOC_ARENA_MAX"), nullptr) << "the test measures the kiosk's own limit";
    ASSERT_TRUE(ProcessHeap::limitArenas());
    constexpr int threads = 8;
    std::barrier together(threads);
    std::vector<std::thread> running;
    for (int i = 0; i < threads; ++i) {
        running.emplace_back([&together] {
            together.arrive_and_wait();
            std::vector<void*> blocks;
            for (int k = 0; k < 2000; ++k)
                blocks.push_back(std::malloc(64 + k % 512));
            together.arrive_and_wait();
            for (void* block : blocks)
                std::free(block);
        });
    }
    for (std::thread& thread : running)
        thread.join();
    EXPECT_LE(arenas(), ProcessHeap::arenaLimit);
}

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return -1;
}

// Small blocks freed below a live one stay in the heap until they are handed back.
TEST(ProcessHeap, FreePagesBelowLiveBlocksGoBackToTheSystem)
{
    constexpr size_t blocks = 16 * 1024;
    constexpr size_t blockSize = 2048;  // far under the size the C library maps on its own
    std::vector<char*> made;
    made.reserve(blocks);
    for (size_t i = 0; i < blocks; ++i) {
        made.push_back(static_cast<char*>(std::malloc(blockSize)));
        std::memset(made.back(), 1, blockSize);
    }
    char* pin = static_cast<char*>(std::malloc(blockSize));  // keeps the heap's top in use
    std::memset(pin, 1, blockSize);
    for (char* block : made)
        std::free(block);
    const long before = residentKilobytes();
    ProcessHeap::returnFreePages();
    const long after = residentKilobytes();
    std::free(pin);
    ASSERT_GT(before, 0);
    EXPECT_GT(before - after, long(blocks * blockSize / 1024 / 2)) << before << " kB -> " << after << " kB";
}

}  // namespace
}  // namespace korvel
