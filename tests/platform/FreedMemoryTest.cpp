#include "platform/ProcessHeap.h"
#include "tests/support/TestHome.h"

#include <chrono>
#include <vector>

using namespace std::chrono_literals;
using korvel::ProcessHeap::FreedMemory;

namespace {

class FreedMemoryTest : public korvel::test::TestHome {};

struct Case {
    const char* name;
    std::vector<std::chrono::seconds> moments;  // when something large was let go, from the start
    std::vector<std::chrono::seconds> returns;  // when the heap's free pages went back
};

TEST_F(FreedMemoryTest, ReturnsOnceAfterTheMomentsSettleAndAtMostOnceAMinute)
{
    const std::vector<Case> cases = {
        {"one moment", {0s}, {5s}},
        {"a burst is one return", {0s, 1s, 2s, 4s}, {5s}},
        {"soon after a return: a minute after it", {0s, 10s}, {5s, 65s}},
        {"long after a return: settle only", {0s, 200s}, {5s, 205s}},
        {"a steady run cannot put it off", {0s, 3s, 6s, 9s, 12s, 15s, 18s, 21s}, {5s, 65s}},
        {"moments far apart each get one", {0s, 70s, 140s}, {5s, 75s, 145s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::chrono::seconds> returned;
        const QDateTime start = clock.now();
        FreedMemory counting([&] { returned.push_back(std::chrono::seconds(start.secsTo(clock.now()))); });
        std::chrono::seconds at = 0s;
        for (std::chrono::seconds moment : c.moments) {
            clock.advance(moment - at);
            at = moment;
            counting.freed();
        }
        clock.advance(10min);
        EXPECT_EQ(returned, c.returns);
        EXPECT_FALSE(counting.pending());
    }
}

TEST_F(FreedMemoryTest, AClockSetBackWaitsNoMoreThanAMinute)
{
    int returns = 0;
    FreedMemory counting([&] { ++returns; });
    counting.freed();
    clock.advance(5s);
    ASSERT_EQ(returns, 1);
    clock.setNow(clock.now().addDays(-1));
    counting.freed();
    clock.advance(59s);
    EXPECT_EQ(returns, 1);
    clock.advance(1s);
    EXPECT_EQ(returns, 2);
}

}  // namespace
