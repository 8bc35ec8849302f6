#include "model/PlcTags.h"
#include "model/Project.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

using namespace varkel;

namespace {

Command* Add(Node* node, int functionIndex, const std::string& count, const std::string& mapping,
             const std::string& mnemonic = "", const std::string& offset = "0") {
    Command* c = node->CreateCommand(functionIndex);
    c->GetItem(Command::DataNumberRow)->SetValue(count);
    c->GetItem(Command::MappingRow)->SetValue(mapping);
    c->GetItem(Command::BitOffsetRow)->SetValue(offset);
    c->GetItem(Command::MnemonicRow)->SetValue(mnemonic);
    return c;
}

TEST(PlcTagsTest, OverlapsAreFoundOncePerPairOfCommandsAcrossNodes) {
    SetTextLanguage(TextLanguage::English);
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    Add(node, 2, "2", "0000H", "A");      // bytes 0-3
    Add(node, 0, "8", "0002H", "B");      // the bits of byte 2: in A's second register
    Add(node, 2, "1", "0004H", "C");      // next to A
    Add(node, 0, "4", "0006H", "D", "0"); // D and E share a byte, not a bit
    Add(node, 0, "4", "0006H", "E", "4");
    PlcTagTable table = BuildPlcTags(project.GetSubnet(), {});
    std::vector<PlcTagOverlap> overlaps = FindPlcTagOverlaps(table);
    ASSERT_EQ(overlaps.size(), 1u);
    EXPECT_EQ(PlcTagOverlapText(table, overlaps[0]),
              "Tags A_1 (%IW2) and B_0 (%I2.0) would overlap in the PLC: commands 1 and 2 are "
              "mapped to the same bytes; see Conflict Detect");

    Add(project.GetSubnet().CreateNode(), 2, "1", "0004H");
    table = BuildPlcTags(project.GetSubnet(), {});
    overlaps = FindPlcTagOverlaps(table);
    ASSERT_EQ(overlaps.size(), 2u);
    EXPECT_EQ(table.tags[overlaps[1].first].name, "C");
    EXPECT_EQ(table.tags[overlaps[1].second].command, 6);
    SetTextLanguage(TextLanguage::Chinese);
}

} // namespace
