#include "platform/ProcessHeap.h"

#include <barrier>
#include <cstdio>
#include <cstdlib>
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

}  // namespace
}  // namespace korvel
