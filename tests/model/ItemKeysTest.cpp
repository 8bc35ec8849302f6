#include "model/ItemKeys.h"

#include "model/Command.h"
#include "model/CommitRules.h"
#include "model/Fieldbus.h"
#include "model/FunctionCode.h"
#include "model/Node.h"
#include "model/ParamItem.h"
#include "model/Project.h"
#include "model/Subnet.h"
#include "model/TextTable.h"
#include "SinkRecorders.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace varkel {
namespace {

struct LanguageGuard {
    ~LanguageGuard() { SetTextLanguage(TextLanguage::Chinese); }
};

// Every row of an object made in one language shows the other language's
// texts of its keys; the keys are those the constructors used.
void ExpectRowsFollow(const std::function<ParamItem*(int)>& itemAt, ItemPlace place,
                      bool universal, int functionIndex, TextLanguage made, TextLanguage shown) {
    SetTextLanguage(shown);
    int rows = 0;
    for (int row = 0; ParamItem* item = itemAt(row); ++row, ++rows) {
        SCOPED_TRACE(row);
        const ItemKeys keys = KeysAt(place, row, universal, functionIndex);
        ASSERT_NE(keys.name, 0);
        EXPECT_EQ(item->GetName(), TextIn(made, keys.name));
        EXPECT_EQ(ShownName(*item, keys), TextIn(shown, keys.name));
        if (keys.help != 0) {
            EXPECT_EQ(item->GetHelp(), TextIn(made, keys.help));
            EXPECT_EQ(ShownHelp(*item, keys), TextIn(shown, keys.help));
        }
        const auto& choices = item->GetChoices();
        for (int i = 0; i < static_cast<int>(choices.size()); ++i) {
            if (i < static_cast<int>(keys.choices.size())) {
                EXPECT_EQ(choices[i], TextIn(made, keys.choices[i]));
                EXPECT_EQ(ShownChoice(*item, keys, i), TextIn(shown, keys.choices[i]));
            } else {
                EXPECT_EQ(ShownChoice(*item, keys, i), choices[i]);
            }
        }
        if (item->ChoiceIndex() >= 0) {
            EXPECT_EQ(ShownValue(*item, keys), ShownChoice(*item, keys, item->ChoiceIndex()));
        }
    }
    EXPECT_GT(rows, 0);
}

void ExpectAllObjectsFollow(TextLanguage made, TextLanguage shown) {
    LanguageGuard guard;
    SetTextLanguage(made);
    Fieldbus fieldbus;
    Subnet master;
    Subnet universal;
    universal.SetProtocolType(ProtocolType::Universal);
    Node node("Node");
    const int read = FunctionIndexOfCode(3);
    const int write = FunctionIndexOfCode(16);
    Command reading(LookupFunctionCode(read).name, read);
    Command writing(LookupFunctionCode(write).name, write);

    ExpectRowsFollow([&](int r) { return fieldbus.GetItem(r); }, ItemPlace::Fieldbus, false, 0,
                     made, shown);
    ExpectRowsFollow([&](int r) { return master.GetItem(r); }, ItemPlace::Subnet, false, 0, made,
                     shown);
    ExpectRowsFollow([&](int r) { return universal.GetItem(r); }, ItemPlace::Subnet, true, 0, made,
                     shown);
    ExpectRowsFollow([&](int r) { return node.GetItem(r); }, ItemPlace::Node, false, 0, made,
                     shown);
    ExpectRowsFollow([&](int r) { return reading.GetItem(r); }, ItemPlace::Command, false, read,
                     made, shown);
    ExpectRowsFollow([&](int r) { return writing.GetItem(r); }, ItemPlace::Command, false, write,
                     made, shown);
    EXPECT_EQ(ShownCommandName(reading.GetName(), read),
              TextIn(shown, FactsOfIndex(read).nameKey));
}

TEST(ItemKeys, ChineseMadeObjectsShowInEnglish) {
    ExpectAllObjectsFollow(TextLanguage::Chinese, TextLanguage::English);
}

TEST(ItemKeys, EnglishMadeObjectsShowInChinese) {
    ExpectAllObjectsFollow(TextLanguage::English, TextLanguage::Chinese);
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
    subnet.FillGrid(subnetRows);
    fieldbus.FillGrid(busRows);
    command.FillGrid(commandRows);
    EXPECT_EQ(subnetRows.rows.at(0).name, TextIn(TextLanguage::English, 4001));
    EXPECT_EQ(subnetRows.rows.at(6).name, TextIn(TextLanguage::English, 4011));
    EXPECT_EQ(busRows.rows.at(3).name, TextIn(TextLanguage::English, 67));
    EXPECT_EQ(commandRows.rows.at(0).name, TextIn(TextLanguage::English, 3051));
    EXPECT_EQ(commandRows.rows.at(1).name, "Slave of pump");
    EXPECT_EQ(subnet.GetItem(0)->GetName(), TextIn(TextLanguage::Chinese, 4001));
}

TEST(ItemKeys, OwnTextsAndOtherKeysStayAsStored) {
    LanguageGuard guard;
    SetTextLanguage(TextLanguage::English);
    ParamItem item;
    item.Set("Pump speed", TextIn(TextLanguage::Chinese, 3052), "7", ParamItem::Typed, 1);
    const ItemKeys keys = KeysAt(ItemPlace::Command, 1, false, FunctionIndexOfCode(3));
    EXPECT_EQ(ShownName(item, keys), "Pump speed");
    // Another row's help text is not this row's key: shown as stored.
    EXPECT_EQ(ShownHelp(item, keys), TextIn(TextLanguage::Chinese, 3052));
    EXPECT_EQ(ShownCommandName("my pump", FunctionIndexOfCode(3)), "my pump");
    EXPECT_EQ(ShownText("", 3051), "");
    EXPECT_EQ(ShownChoice(item, keys, 0), "");
    EXPECT_TRUE(KeysAt(ItemPlace::Command, 10).choices.empty());
    EXPECT_EQ(KeysAt(ItemPlace::Node, 1).name, 0);
}

// A Chinese-made subnet edited in English: its own choice texts still drive
// the rules, values set by a rule stay Chinese, and the grid shows English.
TEST(ItemKeys, OtherLanguageChoicesDriveTheRules) {
    LanguageGuard guard;
    Project project;
    SetTextLanguage(TextLanguage::English);
    Subnet& subnet = project.GetSubnet();
    const TreeEntry entry{TreeEntry::SubnetKind, &subnet};
    const auto choice = [&](int row, int position) {
        return subnet.GetItem(row)->GetChoices().at(static_cast<std::size_t>(position));
    };

    CommitResult result = CommitValue(project, entry, Subnet::ProtocolIndex, choice(0, 1));
    ASSERT_TRUE(result.Accepted());
    EXPECT_TRUE(result.protocolSwitched);
    EXPECT_EQ(subnet.GetProtocolType(), ProtocolType::Universal);
    EXPECT_EQ(subnet.GetItem(Subnet::ProtocolIndex)->GetValue(), TextIn(TextLanguage::Chinese, 21));
    EXPECT_EQ(KeysOfRow(entry, Subnet::ControlModeIndex).choices, (std::vector<int>{24, 22, 23}));
    const TreeEntry bus{TreeEntry::FieldbusKind, &project.GetFieldbus()};
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
    subnet.FillGrid(rows);
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
