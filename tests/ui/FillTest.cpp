// The tree and the grid as the window fills them from the model, through
// recording sinks: no window is needed.
#include "model/Command.h"
#include "model/CommitRules.h"
#include "model/Fieldbus.h"
#include "model/FunctionCode.h"
#include "model/Node.h"
#include "model/ParamItem.h"
#include "model/Project.h"
#include "model/Subnet.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "ui/GridFill.h"
#include "ui/TreeFill.h"

#include "SinkRecorders.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

struct LanguageGuard {
    ~LanguageGuard() { SetTextLanguage(TextLanguage::Chinese); }
};

TEST(ParamItem, ShowInGridGreysDisabledValues) {
    test::GridRecorder grid;
    ParamItem item;
    item.Set("Name", "", "v", 1, 1);
    ShowInGrid(item, grid, 3);
    EXPECT_EQ(grid.rows[3].background, kWhite);
    EXPECT_EQ(grid.rows[3].item, &item);
    item.SetEnable(0);
    ShowInGrid(item, grid, 3);
    EXPECT_EQ(grid.rows[3].background, (Rgb{200, 200, 200}));
    EXPECT_EQ(grid.rows[3].value, "v");
}

TEST(Command, TreeAndGrid) {
    Command c("name", 2);
    test::TreeRecorder tree;
    BuildTree(c, tree, 7);
    ASSERT_EQ(tree.entries.size(), 1u);
    EXPECT_EQ(tree.entries[0].parent, 7);
    EXPECT_EQ(tree.entries[0].image, CommandImage);
    EXPECT_EQ(tree.entries[0].entry.AsCommand(), &c);
    EXPECT_EQ(tree.entries[0].entry.AsNode(), nullptr);

    test::GridRecorder grid;
    FillGrid(c, grid);
    EXPECT_EQ(grid.rows.size(), 10u);
    EXPECT_EQ(grid.rows[4].background, kGrey);
}

TEST(Node, TreeHasNodeThenCommands) {
    Node node("Node(5)");
    node.CreateCommand(0);
    node.CreateCommand(13);
    test::TreeRecorder tree;
    BuildTree(node, tree, 2);
    ASSERT_EQ(tree.entries.size(), 3u);
    EXPECT_EQ(tree.entries[0].label, "Node(5)");
    EXPECT_EQ(tree.entries[0].image, NodeImage);
    EXPECT_EQ(tree.entries[0].entry.AsNode(), &node);
    EXPECT_EQ(tree.entries[1].parent, 1);
    EXPECT_EQ(tree.entries[2].label, LocalText(kKeyPresetMultipleRegisters));
}

TEST(Project, TreeOfFieldbusSubnetNodeCommands) {
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    node->CreateCommand(2);
    node->CreateCommand(4);
    test::TreeRecorder tree;
    tree.entries.push_back({0, "stale", 0, {}});
    BuildTree(project, tree);
    EXPECT_EQ(tree.deleteCount, 1);
    EXPECT_TRUE(tree.expanded);
    ASSERT_EQ(tree.entries.size(), 5u);
    EXPECT_EQ(tree.entries[0].label, "现场总线");
    EXPECT_EQ(tree.entries[0].entry.GetKind(), TreeEntry::FieldbusKind);
    EXPECT_EQ(tree.entries[0].entry.AsConfigObject(), &project.GetFieldbus());
    EXPECT_EQ(tree.entries[1].label, "子网");
    EXPECT_EQ(tree.entries[1].entry.GetKind(), TreeEntry::SubnetKind);
    EXPECT_EQ(tree.entries[2].label, "Node(1)");
    EXPECT_EQ(tree.entries[2].parent, 2);
    EXPECT_EQ(tree.entries[3].parent, 3);
    EXPECT_EQ(tree.entries[4].label, "05 写单个线圈");
}

TEST(Subnet, ProtocolTypeSwitchKeepsBothListsAndGridRows) {
    Subnet subnet;
    subnet.CreateNode();
    subnet.GetItem(7)->SetValue("500");
    subnet.SetProtocolType(ProtocolType::Universal);
    EXPECT_EQ(subnet.GetItem(0)->GetValue(), "通用模式");
    subnet.GetItem(13)->SetValue("42");
    test::GridRecorder grid;
    EXPECT_EQ(FillGrid(subnet, grid), 20);
    test::TreeRecorder tree;
    BuildTree(subnet, tree, 1);
    EXPECT_TRUE(tree.entries.empty()); // the node stays in the model but is not shown
    subnet.SetProtocolType(ProtocolType::ModbusMaster);
    EXPECT_EQ(subnet.GetItem(7)->GetValue(), "500");
    EXPECT_EQ(subnet.GetUniversalItem(7)->GetValue(), "42");
    BuildTree(subnet, tree, 1);
    EXPECT_EQ(tree.entries.size(), 1u);
}

TEST(Subnet, ProtocolTypeTwoUsesUniversalLookupButShortGrid) {
    Subnet subnet;
    subnet.SetProtocolType(static_cast<ProtocolType>(2));
    EXPECT_EQ(subnet.GetItem(0)->GetValue(), "Modbus主站");
    EXPECT_EQ(subnet.GetItem(6), subnet.GetUniversalItem(0));
    test::GridRecorder grid;
    EXPECT_EQ(FillGrid(subnet, grid), 6);
}

// The grid shows the names of the active language; the items keep theirs.
TEST(ItemKeys, GridNamesFollowTheActiveLanguage) {
    LanguageGuard guard;
    Subnet subnet;
    Fieldbus fieldbus;
    const int read = FunctionIndexOfCode(3);
    Command command(LookupFunctionCode(read).name, read);
    command.GetItem(1)->SetName("Slave of pump");
    SetTextLanguage(TextLanguage::English);
    test::GridRecorder subnetRows, busRows, commandRows;
    FillGrid(subnet, subnetRows);
    FillGrid(fieldbus, busRows);
    FillGrid(command, commandRows);
    EXPECT_EQ(subnetRows.rows.at(0).name, TextIn(TextLanguage::English, 4001));
    EXPECT_EQ(subnetRows.rows.at(6).name, TextIn(TextLanguage::English, 4011));
    EXPECT_EQ(busRows.rows.at(3).name, TextIn(TextLanguage::English, 67));
    EXPECT_EQ(commandRows.rows.at(0).name, TextIn(TextLanguage::English, 3051));
    EXPECT_EQ(commandRows.rows.at(1).name, "Slave of pump");
    EXPECT_EQ(subnet.GetItem(0)->GetName(), TextIn(TextLanguage::Chinese, 4001));
}

// A Chinese-made subnet edited in English: its own choice texts still drive
// the rules, values set by a rule stay Chinese, and the grid shows English.
TEST(ItemKeys, OtherLanguageChoicesDriveTheRules) {
    LanguageGuard guard;
    Project project;
    SetTextLanguage(TextLanguage::English);
    Subnet& subnet = project.GetSubnet();
    const TreeEntry entry(&subnet);
    const auto choice = [&](int row, int position) {
        return subnet.GetItem(row)->GetChoices().at(static_cast<std::size_t>(position));
    };

    CommitResult result = CommitValue(project, entry, Subnet::ProtocolIndex, choice(0, 1));
    ASSERT_TRUE(result.Accepted());
    EXPECT_TRUE(result.protocolSwitched);
    EXPECT_EQ(subnet.GetProtocolType(), ProtocolType::Universal);
    EXPECT_EQ(subnet.GetItem(Subnet::ProtocolIndex)->GetValue(), TextIn(TextLanguage::Chinese, 21));
    EXPECT_EQ(KeysOfRow(entry, Subnet::ControlModeIndex).choices, (std::vector<int>{24, 22, 23}));
    const TreeEntry bus(&project.GetFieldbus());
    EXPECT_EQ(KeysOfRow(bus, 3).choices, (std::vector<int>{25, 26}));

    // Delimiter control: the character number row goes grey, CRC is closed
    // with the file's own word for it.
    result =
        CommitValue(project, entry, Subnet::ControlModeIndex, choice(Subnet::ControlModeIndex, 2));
    ASSERT_TRUE(result.Accepted());
    EXPECT_EQ(subnet.GetItem(Subnet::StartDelimiterIndex)->GetEnable(), 1);
    EXPECT_EQ(subnet.GetItem(Subnet::CharNumberIndex)->GetEnable(), 0);
    EXPECT_EQ(subnet.GetItem(Subnet::CrcIndex)->GetEnable(), 0);
    EXPECT_EQ(subnet.GetItem(Subnet::CrcIndex)->GetValue(), TextIn(TextLanguage::Chinese, 25));

    test::GridRecorder rows;
    FillGrid(subnet, rows);
    EXPECT_EQ(rows.rows.at(Subnet::ProtocolIndex).value, TextIn(TextLanguage::English, 21));
    EXPECT_EQ(rows.rows.at(Subnet::ControlModeIndex).value, TextIn(TextLanguage::English, 23));
    EXPECT_EQ(rows.rows.at(Subnet::CrcIndex).value, TextIn(TextLanguage::English, 25));

    // Back to the master: its own Chinese choice again.
    result = CommitValue(project, entry, Subnet::ProtocolIndex, choice(0, 0));
    ASSERT_TRUE(result.protocolSwitched);
    EXPECT_EQ(subnet.GetItem(Subnet::ProtocolIndex)->GetValue(), TextIn(TextLanguage::Chinese, 20));
}

} // namespace
} // namespace varkel
