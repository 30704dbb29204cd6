// The observer list: synchronous delivery in the order observers were added, duplicates
// told twice, and removal of the first occurrence only.
#include "app/EventSource.h"

#include <gtest/gtest.h>

#include "common/app/RecordingWindow.h"

using Nevo::EventSource;
using nevo_test::RecordingWindow;

namespace {

std::vector<HWND> receivers() {
    std::vector<HWND> windows;
    for (const auto& notice : RecordingWindow::c_log) windows.push_back(notice.first);
    return windows;
}

TEST(EventSourceTest, ObserversAreToldInOrderBeforeNotifyReturnsAndTwiceIfAddedTwice) {
    RecordingWindow first, second;
    EventSource source;
    EXPECT_NE(source.addObserver(second.handle()), 0);
    EXPECT_NE(source.addObserver(first.handle()), 0);
    EXPECT_NE(source.addObserver(second.handle()), 0);
    source.notify(EventSource::NotifyItemChanged, 7, 0);
    EXPECT_EQ(receivers(), (std::vector<HWND>{second.handle(), first.handle(), second.handle()}));
    EXPECT_EQ(RecordingWindow::c_log[0].second, std::make_pair(0x8003u, WPARAM{7}));
}

TEST(EventSourceTest, RemovalTakesOnlyTheFirstOccurrenceAndAStrangerGivesZero) {
    RecordingWindow first, second, stranger;
    EventSource source;
    EXPECT_EQ(source.notify(EventSource::NotifyListChanged, 0, 0), 0);
    EXPECT_TRUE(RecordingWindow::c_log.empty()) << "no observers, nothing sent";
    source.addObserver(first.handle());
    source.addObserver(second.handle());
    source.addObserver(first.handle());
    EXPECT_EQ(source.removeObserver(stranger.handle()), 0);
    EXPECT_NE(source.removeObserver(first.handle()), 0);
    source.notify(EventSource::NotifyItemRemoved, 0, 0);
    EXPECT_EQ(receivers(), (std::vector<HWND>{second.handle(), first.handle()}));
}

}  // namespace
