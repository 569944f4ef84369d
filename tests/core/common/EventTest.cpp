#include "core/common/Event.h"
#include "core/common/TimedSemaphore.h"

#include <gtest/gtest.h>

#include <poll.h>

#include <atomic>
#include <thread>

TEST(Event, ManualResetStaysSignalledUntilReset)
{
    Event e(Event::Mode::ManualReset);
    ASSERT_TRUE(e.IsValid());
    EXPECT_FALSE(e.IsSet());
    EXPECT_FALSE(e.Wait(0));
    e.Set();
    e.Set();
    EXPECT_TRUE(e.Wait(0));
    EXPECT_TRUE(e.Wait(10));
    EXPECT_TRUE(e.IsSet());
    e.Reset();
    EXPECT_FALSE(e.IsSet());
    EXPECT_FALSE(e.Wait(5));
}

TEST(Event, AutoResetReleasesOneWaitPerSet)
{
    Event e(Event::Mode::AutoReset, true);
    EXPECT_TRUE(e.IsSet());  // looking does not consume
    EXPECT_TRUE(e.Wait(0));
    EXPECT_FALSE(e.Wait(0));
    e.Set();
    e.Set();  // setting twice is still one signal
    EXPECT_TRUE(e.Wait(0));
    EXPECT_FALSE(e.Wait(0));
}

TEST(Event, WaitWakesWhenAnotherThreadSets)
{
    Event e(Event::Mode::AutoReset);
    std::thread t([&] { e.Set(); });
    EXPECT_TRUE(e.Wait(-1));
    t.join();
}

TEST(Event, PollsTogetherWithADescriptor)
{
    Event cancel(Event::Mode::ManualReset);
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    pollfd fds[2] = {{pipeFds[0], POLLIN, 0}, {cancel.Fd(), POLLIN, 0}};
    EXPECT_EQ(::poll(fds, 2, 0), 0);
    cancel.Set();
    EXPECT_EQ(::poll(fds, 2, 0), 1);
    EXPECT_TRUE(fds[1].revents & POLLIN);
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
}

TEST(TimedSemaphore, TimesOutWhileHeldAndNeverExceedsItsMaximum)
{
    TimedSemaphore lock(1, 1);
    EXPECT_TRUE(lock.TryAcquireFor(0));
    EXPECT_FALSE(lock.TryAcquireFor(10));
    EXPECT_TRUE(lock.Release());
    EXPECT_FALSE(lock.Release());
    EXPECT_EQ(lock.Count(), 1);
}

TEST(TimedSemaphore, WaiterGetsItWhenReleased)
{
    TimedSemaphore lock(0, 1);
    std::atomic<bool> got{false};
    std::thread t([&] { got = lock.TryAcquireFor(10000); });
    lock.Release();
    t.join();
    EXPECT_TRUE(got);
}
