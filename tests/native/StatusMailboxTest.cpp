#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "host/StatusMailbox.h"

// Two senders post texts of one letter repeated while the window thread
// takes them on its wake-ups: a torn text would mix letters, and a text left
// behind after the last wake-up would never reach the status bar.
TEST(StatusMailbox, SendersOnOtherThreadsNeverTearTheTextTheWindowShows) {
    StatusMailbox box;
    EXPECT_TRUE(depositStatus(box, "12 tiles"));
    EXPECT_FALSE(depositStatus(box, "10 tiles")) << "a wake-up is already on its way";
    EXPECT_EQ(collectStatus(box), "10 tiles");
    std::atomic<int> wakeUps{0};
    std::atomic<int> sendersRunning{2};
    const auto send = [&](char first) {
        for (int i = 0; i < 3000; ++i)
            if (depositStatus(box, std::string(40 + i % 200, char(first + i % 13)))) ++wakeUps;
        --sendersRunning;
    };
    std::thread worker(send, 'a'), other(send, 'N');
    int torn = 0;
    std::string last;
    while (sendersRunning > 0 || wakeUps > 0) {
        if (wakeUps == 0) continue;
        --wakeUps;
        last = collectStatus(box);
        torn += last.find_first_not_of(last[0]) != std::string::npos;
    }
    worker.join();
    other.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(box.text, last) << "the latest text reached the window";
    EXPECT_FALSE(box.wakeUpPending);
}
