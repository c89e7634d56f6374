#include "base/AutoResetEvent.h"

#include <gtest/gtest.h>

#include <thread>

using namespace qarvo;
using namespace std::chrono_literals;

TEST(AutoResetEvent, WakesOneWaitAndResetsItself)
{
    AutoResetEvent e;
    EXPECT_FALSE(e.wait(1ms));
    e.set();
    EXPECT_TRUE(e.wait(1ms));
    EXPECT_FALSE(e.wait(1ms)) << "the event must reset after one wait";
}

TEST(AutoResetEvent, ResetDiscardsAnEarlierSignal)
{
    AutoResetEvent e;
    e.set();
    e.reset();
    EXPECT_FALSE(e.wait(1ms));
}

TEST(AutoResetEvent, WaitAnyReportsWhichEventFiredAndConsumesOnlyIt)
{
    AutoResetEvent a, b;
    std::jthread setter([&] {
        std::this_thread::sleep_for(20ms);
        b.set();
    });
    EXPECT_EQ(AutoResetEvent::waitAny(a, b, 2s), AutoResetEvent::WaitResult::Second);
    a.set();
    b.set();
    EXPECT_EQ(AutoResetEvent::waitAny(a, b, 1ms), AutoResetEvent::WaitResult::First);
    EXPECT_TRUE(b.isSet());
    EXPECT_EQ(AutoResetEvent::waitAny(a, b, 1ms), AutoResetEvent::WaitResult::Second);
    EXPECT_EQ(AutoResetEvent::waitAny(a, b, 5ms), AutoResetEvent::WaitResult::Timeout);
}
