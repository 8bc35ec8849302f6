#include "model/Node.h"
#include "MessageRecorder.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

using namespace varkel;

TEST(Node, NamedNodeHasSlaveAddress) {
    Node node("Node(1)");
    ASSERT_EQ(node.GetItemCount(), 1);
    EXPECT_EQ(node.GetItem(0)->GetName(), "从站地址");
    EXPECT_EQ(node.GetItem(0)->GetValue(), "1");
    EXPECT_EQ(node.GetItem(0)->GetState(), 1);
    Node loaded;
    EXPECT_EQ(loaded.GetItemCount(), 0);
}

TEST(Node, CommandsOnlyOfSupportedFunctions) {
    Node node("n");
    Command* c = node.CreateCommand(2);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->GetName(), "03 读保持寄存器");
    EXPECT_EQ(node.CreateCommand(7), nullptr);
    EXPECT_EQ(node.GetCommandCount(), 1);

    auto loaded = std::make_unique<Command>();
    loaded->SetFunctionIndex(7);
    EXPECT_FALSE(node.AddCommand(std::move(loaded)));
    EXPECT_FALSE(node.AddCommand(nullptr));
    EXPECT_EQ(node.GetCommandCount(), 1);
    EXPECT_EQ(node.GetCommandAt(1), nullptr);
    EXPECT_EQ(node.GetCommandAt(-1), nullptr);
}

TEST(Node, RemovedCommandStaysAliveUntilReleased) {
    Node node("n");
    Command* c = node.CreateCommand(0);
    EXPECT_EQ(node.RemoveCommand(c), 1);
    EXPECT_EQ(node.GetCommandCount(), 0);
    EXPECT_EQ(c->GetName(), LocalText(kKeyReadCoilStatus)); // still valid memory (checked by ASan)
    EXPECT_EQ(node.RemoveCommand(c), 1);                    // not in the list any more
    EXPECT_EQ(node.RemoveCommand(nullptr), 0);
    node.ReleaseRetired();
}

TEST(Node, ValidateChecksAddressThenCommands) {
    MessageRecorder recorder;
    Node node("n");
    EXPECT_EQ(StopCode(node.Validate()), Success);
    node.CreateCommand(2);
    EXPECT_EQ(StopCode(node.Validate()), ItemEmpty);
    node.GetItem(0)->SetValue("");
    const std::vector<ConfigProblem> problems = node.Validate();
    EXPECT_EQ(StopCode(problems), ItemEmpty);
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems[0].message, "以下数据为空\r\n\"从站地址\"");
    // The problems are returned, not shown.
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(Node, CloneIsDeep) {
    Node node("n");
    node.CreateCommand(2)->GetItem(1)->SetValue("7");
    auto copy = node.Clone();
    node.GetCommandAt(0)->GetItem(1)->SetValue("8");
    EXPECT_EQ(copy->GetCommandAt(0)->GetItem(1)->GetValue(), "7");
    EXPECT_EQ(copy->GetName(), "n");
    EXPECT_NE(copy->GetItem(0), node.GetItem(0));
}
