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
void ExpectRowsFollow(const std::function<ParamItem*(int)>& itemAt, ItemPlace place, bool universal,
                      int functionIndex, TextLanguage made, TextLanguage shown) {
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
    EXPECT_EQ(ShownCommandName(reading.GetName(), read), TextIn(shown, FactsOfIndex(read).nameKey));
}

TEST(ItemKeys, ChineseMadeObjectsShowInEnglish) {
    ExpectAllObjectsFollow(TextLanguage::Chinese, TextLanguage::English);
}

TEST(ItemKeys, EnglishMadeObjectsShowInChinese) {
    ExpectAllObjectsFollow(TextLanguage::English, TextLanguage::Chinese);
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

} // namespace
} // namespace varkel
