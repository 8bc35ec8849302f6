// The window's message boxes: the result shorthand, and boxes only on the
// GUI thread.
#include "MessageRecorder.h"
#include "ui/QtMessageSink.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <thread>

using namespace varkel;

TEST(ResultMessages, ShowResultOnlyWithShowFlag) {
    MessageRecorder recorder;
    ShowResult(99, 0);
    EXPECT_TRUE(recorder.messages.empty());
    ShowResult(12, 1);
    ShowResult(5, 1);
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0], "未知错误");
    EXPECT_EQ(recorder.messages[1], "读取串口数据失败");
}

#ifndef QT_NO_DEBUG
namespace {

void InformFromAWorker() {
    int argc = 1;
    char name[] = "MessageSinkTest";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QtMessageSink sink([] { return nullptr; });
    std::thread worker([&sink] { sink.Inform("from a worker"); });
    worker.join();
}

} // namespace

// A worker asking for a box stops a test build at once instead of making a
// widget off the GUI thread.
TEST(QtMessageSinkDeathTest, RefusesABoxFromAWorker) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(InformFromAWorker(), "off the GUI thread");
}
#endif
