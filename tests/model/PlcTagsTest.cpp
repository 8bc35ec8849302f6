#include "model/PlcTags.h"
#include "model/Catalog.h"
#include "model/Project.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

using namespace varkel;

namespace {

class PlcTagsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetTextLanguage(TextLanguage::English);
        node = project.GetSubnet().CreateNode();
        node->GetItem(0)->SetValue("7");
    }
    void TearDown() override { SetTextLanguage(TextLanguage::Chinese); }
    Command* Add(int functionIndex, const std::string& count, const std::string& mapping,
                 const std::string& mnemonic = "", const std::string& offset = "0") {
        Command* c = node->CreateCommand(functionIndex);
        c->GetItem(Command::RegisterRow)->SetValue("100");
        c->GetItem(Command::DataNumberRow)->SetValue(count);
        c->GetItem(Command::MappingRow)->SetValue(mapping);
        c->GetItem(Command::BitOffsetRow)->SetValue(offset);
        c->GetItem(Command::MnemonicRow)->SetValue(mnemonic);
        return c;
    }
    static void Swap(Command* c, int choice) {
        ParamItem* item = c->GetItem(Command::SwappingRow);
        item->SetValue(item->GetChoices()[static_cast<std::size_t>(choice)]);
    }
    PlcTagTable Build(const PlcTagOptions& options = {}) {
        return BuildPlcTags(project.GetSubnet(), options);
    }
    std::vector<std::string> Names(const PlcTagOptions& options = {}) {
        std::vector<std::string> names;
        for (const PlcTag& tag : Build(options).tags)
            names.push_back(tag.name);
        return names;
    }

    Project project;
    Node* node = nullptr;
};

TEST_F(PlcTagsTest, NamesAreValidForTheFormatUniqueAndWithinItsLimit) {
    struct Case {
        int function;
        std::string count, mnemonic;
        PlcTagFormat format;
        std::vector<std::string> names;
    } cases[] = {
        {2, "3", "Temp", PlcTagFormat::Csv, {"Temp_0", "Temp_1", "Temp_2"}},
        {2, "1", "温度 值", PlcTagFormat::S7, {"温度_值"}},
        {2, "1", "温度 值", PlcTagFormat::Iec, {"S7_HR100"}},
        {3, "1", "1st-pump  (main)", PlcTagFormat::Iec, {"_1st_pump_main"}},
        {0, "2", "", PlcTagFormat::Csv, {"S7_COIL100", "S7_COIL101"}},
        {1, "1", "--", PlcTagFormat::Csv, {"S7_DI100"}},
        {3, "1", "", PlcTagFormat::Csv, {"S7_IR100"}},
        {2,
         "2",
         std::string(70, 'a'),
         PlcTagFormat::Iec,
         {std::string(62, 'a') + "_0", std::string(62, 'a') + "_1"}},
        {2, "1", std::string(200, 'b'), PlcTagFormat::Csv, {std::string(128, 'b')}},
    };
    for (const Case& c : cases) {
        node->RemoveAllCommands();
        Add(c.function, c.count, "0000H", c.mnemonic);
        PlcTagOptions options;
        options.format = c.format;
        EXPECT_EQ(Names(options), c.names) << c.mnemonic;
    }

    // Taken names, case ignored, get a number; the same on every run.
    node->RemoveAllCommands();
    Add(2, "1", "0000H", "Pump");
    Add(2, "1", "0002H", "PUMP");
    Add(2, "1", "0004H", "pump_2");
    Add(2, "1", "0006H", std::string(200, 'c'));
    Add(2, "1", "0008H", std::string(201, 'c'));
    const std::vector<std::string> expected = {"Pump", "PUMP_2", "pump_2_2", std::string(128, 'c'),
                                               std::string(126, 'c') + "_2"};
    EXPECT_EQ(Names(), expected);
    EXPECT_EQ(Names(), expected);
}

TEST_F(PlcTagsTest, AddressesInEachFormatsNotation) {
    Add(0, "1", "0020H", "", "3");  // 1: coil at input byte 32, bit 3
    Add(2, "1", "0000H");           // 2: register at byte 0
    Add(2, "2", "0004H");           // 3: a pair at byte 4
    Add(12, "1", "4001H", "", "6"); // 4: coil at output byte 1, bit 6
    Add(13, "1", "4002H");          // 5: output register at byte 2
    struct Case {
        PlcTagFormat format;
        bool byteAddressing;
        std::vector<std::string> addresses;
    } cases[] = {
        {PlcTagFormat::Csv, false, {"%I256.3", "%IW224", "%ID228", "%Q9.6", "%QW10"}},
        {PlcTagFormat::S7, true, {"%I256.3", "%IW224", "%ID228", "%Q9.6", "%QW10"}},
        {PlcTagFormat::Iec, false, {"%IX256.3", "%IW112", "%ID57", "%QX9.6", "%QW5"}},
        {PlcTagFormat::Iec, true, {"%IX256.3", "%IW224", "%ID228", "%QX9.6", "%QW10"}},
    };
    for (const Case& c : cases) {
        PlcTagOptions options;
        options.format = c.format;
        options.iecByteAddressing = c.byteAddressing;
        options.inputBase = 224;
        options.outputBase = 8;
        options.types[3] = PlcTagType::Real;
        const PlcTagTable table = Build(options);
        std::vector<std::string> addresses;
        for (const PlcTag& tag : table.tags)
            addresses.push_back(tag.address);
        EXPECT_EQ(addresses, c.addresses);
        EXPECT_TRUE(table.problems.empty());
    }
}

TEST_F(PlcTagsTest, SwappingIsSpelledOutAndOddRegistersStayWords) {
    struct Case {
        int swap;
        PlcTagType type;
        std::vector<std::string> types, says; // per tag; "" for no swapping note
    } cases[] = {
        {0, PlcTagType::Dint, {"DINT", "WORD"}, {"", ""}},
        {1,
         PlcTagType::Int,
         {"INT", "INT", "INT"},
         {"exchange them", "exchange them", "exchange them"}},
        {1, PlcTagType::Real, {"REAL", "WORD"}, {"order BADC", "exchange them"}},
        {2, PlcTagType::Udint, {"UDINT", "WORD"}, {"order DCBA", ""}},
        {2,
         PlcTagType::Uint,
         {"UINT", "UINT", "UINT"},
         {"address 101 with", "address 100 with", ""}},
    };
    for (const Case& c : cases) {
        node->RemoveAllCommands();
        Swap(Add(2, "3", "0000H", "T"), c.swap);
        PlcTagOptions options;
        options.types[1] = c.type;
        const PlcTagTable table = Build(options);
        ASSERT_EQ(table.tags.size(), c.types.size());
        for (std::size_t t = 0; t < c.types.size(); ++t) {
            const PlcTag& tag = table.tags[t];
            EXPECT_EQ(PlcTagTypeName(tag.type), c.types[t]);
            EXPECT_EQ(tag.swapNoted, !c.says[t].empty()) << tag.comment;
            if (!c.says[t].empty()) {
                EXPECT_NE(tag.comment.find(c.says[t]), std::string::npos) << tag.comment;
            }
        }
        const bool odd = TagTypeRegisters(c.type) == 2;
        EXPECT_EQ(table.notes.size(), odd ? 1u : 0u);
        EXPECT_EQ(table.tags.back().comment.find("odd register count") != std::string::npos, odd);
        EXPECT_EQ(table.tags.front().comment.rfind("Slave 7, function 3, Modbus address 100", 0),
                  0u);
    }
}

TEST_F(PlcTagsTest, WhatCannotBeWrittenIsAProblem) {
    Add(0, "4", "0000H"); // 1: coils
    Add(2, "1", "0001H"); // 2: a register at an odd byte
    struct Case {
        PlcTagFormat format;
        bool byteAddressing;
        std::map<int, PlcTagType> types;
        std::string problem; // "" when none
    } cases[] = {
        {PlcTagFormat::Csv, false, {{2, PlcTagType::Word}}, ""},
        {PlcTagFormat::Iec, true, {}, ""},
        {PlcTagFormat::Iec, false, {}, "Tag S7_HR100 lies at PLC byte 1"},
        {PlcTagFormat::Csv, false, {{1, PlcTagType::Real}}, "Command 1 has no registers"},
        {PlcTagFormat::Csv, false, {{3, PlcTagType::Int}}, "There is no command 3"},
    };
    for (const Case& c : cases) {
        PlcTagOptions options;
        options.format = c.format;
        options.iecByteAddressing = c.byteAddressing;
        options.types = c.types;
        const PlcTagTable table = Build(options);
        if (c.problem.empty()) {
            EXPECT_TRUE(table.problems.empty()) << table.problems.front();
        } else {
            ASSERT_EQ(table.problems.size(), 1u);
            EXPECT_EQ(table.problems[0].rfind(c.problem, 0), 0u) << table.problems[0];
        }
    }
}

TEST_F(PlcTagsTest, OverlapsAreFoundOncePerPairOfCommands) {
    Add(2, "2", "0000H", "A"); // bytes 0-3
    Add(0, "8", "0002H", "B"); // bits of byte 2: in A's second register
    Add(2, "1", "0004H", "C"); // next to A
    Add(0, "4", "0006H", "D", "0");
    Add(0, "4", "0006H", "E", "4"); // the same byte as D, other bits
    PlcTagTable table = Build();
    std::vector<PlcTagOverlap> overlaps = FindPlcTagOverlaps(table);
    ASSERT_EQ(overlaps.size(), 1u);
    EXPECT_EQ(table.tags[overlaps[0].first].name, "A_1");
    EXPECT_EQ(table.tags[overlaps[0].second].name, "B_0");
    EXPECT_EQ(PlcTagOverlapText(table, overlaps[0]),
              "Tags A_1 (%IW2) and B_0 (%I2.0) would overlap in the PLC: commands 1 and 2 are "
              "mapped to the same bytes; see Conflict Detect");

    // Commands of another node count as well.
    Node* second = project.GetSubnet().CreateNode();
    Command* c = second->CreateCommand(2);
    c->GetItem(Command::DataNumberRow)->SetValue("1");
    c->GetItem(Command::MappingRow)->SetValue("0004H");
    table = Build();
    overlaps = FindPlcTagOverlaps(table);
    ASSERT_EQ(overlaps.size(), 2u);
    EXPECT_EQ(table.tags[overlaps[1].second].command, 6);
}

} // namespace
