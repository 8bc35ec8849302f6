#include "MessageRecorder.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

using namespace varkel;

namespace {

Command* AddCommand(Node* node, int functionIndex, const std::string& n,
                    const std::string& offset = "0", const std::string& address = "") {
    Command* c = node->CreateCommand(functionIndex);
    c->GetItem(1)->SetValue("0");
    if (c->GetItem(2)->GetEnable() == 1)
        c->GetItem(2)->SetValue(n);
    c->GetItem(4)->SetValue(offset);
    c->GetItem(3)->SetValue(address);
    return c;
}

struct Counts {
    MemoryCounts input{};
    MemoryCounts output{};
};

} // namespace

TEST(AutoMap, ConsecutiveAddressesAcrossDirections) {
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    Command* a = AddCommand(node, 0, "10", "3"); // code 1
    Command* b = AddCommand(node, 2, "4");       // code 3
    Command* c = AddCommand(node, 13, "2");      // code 16
    Command* d = AddCommand(node, 4, "1", "7");  // code 5
    EXPECT_TRUE(project.AutoMap());
    EXPECT_EQ(a->GetItem(3)->GetValue(), "0000H");
    EXPECT_EQ(a->GetItem(5)->GetValue(), "2");
    EXPECT_EQ(b->GetItem(3)->GetValue(), "0002H");
    EXPECT_EQ(c->GetItem(3)->GetValue(), "4000H");
    EXPECT_EQ(d->GetItem(3)->GetValue(), "4004H");
    EXPECT_EQ(d->GetItem(5)->GetValue(), "1");
    int in = 0, out = 0;
    node->AutoMap(in, out);
    EXPECT_EQ(in, 10);
    EXPECT_EQ(out, 5);
}

TEST(AutoMap, OverflowMessagesInputFirst) {
    MessageRecorder recorder;
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    AddCommand(node, 2, "84"); // 168 bytes exactly
    std::string overflow;
    EXPECT_TRUE(project.AutoMap(&overflow));
    EXPECT_TRUE(overflow.empty());

    Command* extra = AddCommand(node, 0, "1"); // one byte more
    AddCommand(node, 13, "85");                // output over as well
    EXPECT_FALSE(project.AutoMap(&overflow));
    EXPECT_EQ(overflow, "子网输入缓冲区溢出!");
    EXPECT_EQ(extra->GetItem(3)->GetValue(), "00A8H"); // the mapping written stays

    node->RemoveCommand(extra);
    EXPECT_FALSE(project.AutoMap(&overflow));
    EXPECT_EQ(overflow, "子网输出缓冲区溢出!");
    EXPECT_TRUE(Project().AutoMap());
    // The model shows nothing itself: the front ends show the message.
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(MemoryMaps, ConflictWinsOverOverflow) {
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    AddCommand(node, 2, "2", "0", "00A6H"); // bits 1328..1359: past the end
    Counts counts;
    EXPECT_EQ(project.GetSubnet().MarkMemoryUse(counts.input, counts.output, false), Success);
    EXPECT_EQ(counts.input[1343], 1);
    EXPECT_EQ(counts.input[1344], 1);
    EXPECT_EQ(project.CheckMemoryMaps(counts.input, counts.output), MappingOverflow);

    AddCommand(node, 3, "1", "0", "0000H");
    AddCommand(node, 2, "1", "0", "0001H"); // overlaps the previous one's second byte
    Counts again;
    EXPECT_EQ(project.GetSubnet().MarkMemoryUse(again.input, again.output, false), Success);
    EXPECT_EQ(project.CheckMemoryMaps(again.input, again.output), MappingConflict);
}

TEST(MemoryMaps, InputAndOutputDoNotMeet) {
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    AddCommand(node, 2, "1", "0", "0000H");
    AddCommand(node, 13, "1", "0", "4000H");
    Counts counts;
    EXPECT_EQ(project.GetSubnet().MarkMemoryUse(counts.input, counts.output, false), Success);
    EXPECT_EQ(project.CheckMemoryMaps(counts.input, counts.output), Success);
    EXPECT_EQ(project.GetSubnet().CheckConflicts(), Success);
}

TEST(MemoryMaps, MarkingEdgeCases) {
    Counts counts;
    Command write("w", 13);
    write.GetItem(2)->SetValue("1");
    write.GetItem(3)->SetValue("0000H"); // an output command below 4000H
    EXPECT_EQ(write.MarkMemoryUse(counts.input, counts.output, 0), Success);
    EXPECT_EQ(counts.output[0], 16); // everything below bit 0 counts at bit 0

    Counts huge;
    Command big("b", 2);
    big.GetItem(2)->SetValue("99999999999"); // a hand-edited file must not stall the check
    big.GetItem(3)->SetValue("0000H");
    EXPECT_EQ(big.MarkMemoryUse(huge.input, huge.output, 0), Success);
    EXPECT_EQ(huge.input[0], 1);
    EXPECT_GT(huge.input[1499], 1000);

    Counts report;
    Command empty("e", 2);
    EXPECT_EQ(empty.MarkMemoryUse(report.input, report.output, 1), ItemEmpty);
    empty.GetItem(2)->SetValue("2");
    empty.GetItem(3)->SetValue("00BBH");
    EXPECT_EQ(empty.MarkMemoryUse(report.input, report.output, 1), MappingOverflow);
}

TEST(PairwiseCheck, ReportsFirstOverlapWithItsMessage) {
    MessageRecorder recorder;
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    Command* a = AddCommand(node, 2, "4", "0", "0000H");
    std::string message;
    EXPECT_EQ(node->CheckConflicts(&message), Success); // one command alone
    EXPECT_TRUE(message.empty());
    a->SetName("A");
    Command* b = AddCommand(node, 0, "3", "2", "0002H");
    b->SetName("B");
    // A covers B wholly: only B's ends fall inside A, so B is the one reported.
    EXPECT_EQ(project.GetSubnet().CheckConflicts(&message), MappingConflict);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(message, "B和A地址映射地址冲突!\r\nB映射地址为0002+偏移量(2),所占内存bit位为:3\r\n"
                       "A映射地址为0000+偏移量(0),所占内存bit位为:40");
}

TEST(PairwiseCheck, OverlapMessageFollowsTheLanguage) {
    MessageRecorder recorder;
    SetTextLanguage(TextLanguage::English);
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    AddCommand(node, 2, "4", "0", "0000H")->SetName("A");
    AddCommand(node, 0, "3", "2", "0002H")->SetName("B");
    std::string message;
    const int code = project.GetSubnet().CheckConflicts(&message);
    SetTextLanguage(TextLanguage::Chinese);
    EXPECT_EQ(code, MappingConflict);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(message,
              "The mapping addresses of B and A conflict!\r\nB maps to 0002+offset(2), memory "
              "bits used: 3\r\nA maps to 0000+offset(0), memory bits used: 40");
}

TEST(PairwiseCheck, InnerCommandFoundFromEitherSide) {
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    AddCommand(node, 2, "10", "0", "0000H");                 // bits 0..159
    Command* inner = AddCommand(node, 0, "8", "0", "0004H"); // bits 32..39
    MessageRecorder recorder;
    EXPECT_EQ(node->CheckCommandConflicts(inner), MappingConflict);
    EXPECT_EQ(node->CheckConflicts(), MappingConflict);
}
