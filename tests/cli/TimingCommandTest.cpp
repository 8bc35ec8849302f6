// varkel-cli estimate and iolist run as a program: the names scripts rely on.
#include "CliRun.h"
#include "model/Project.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

namespace varkel::test {
namespace {

using Json = nlohmann::json;

class TimingCliTest : public ::testing::Test {
protected:
    void SetUp() override { SetTextLanguage(TextLanguage::English); }
    void TearDown() override { SetTextLanguage(TextLanguage::Chinese); }

    CliOutput Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--lang", "en"});
        return RunProgram(VARKEL_CLI, args, dir.Path());
    }
    // Two commands of slave 3 at 19200 baud: 03 reading 2 registers (quick) and
    // 15 writing 3 coils (slow), both mapped.
    std::string PlantFile() {
        Project project;
        Subnet& subnet = project.GetSubnet();
        subnet.GetItem(Subnet::ScanRatioIndex)->SetValue("5");
        Node* node = subnet.CreateNode();
        node->GetItem(0)->SetValue("3");
        Command* read = node->CreateCommand(2);
        read->GetItem(Command::RegisterRow)->SetValue("10");
        read->GetItem(Command::DataNumberRow)->SetValue("2");
        read->GetItem(Command::MappingRow)->SetValue("0004H");
        read->GetItem(Command::MnemonicRow)->SetValue("Level");
        Command* write = node->CreateCommand(12);
        write->GetItem(Command::RegisterRow)->SetValue("0");
        write->GetItem(Command::DataNumberRow)->SetValue("3");
        write->GetItem(Command::MappingRow)->SetValue("4001H");
        write->GetItem(Command::BitOffsetRow)->SetValue("6");
        ParamItem* scan = write->GetItem(Command::ScanningRow);
        scan->SetValue(scan->GetChoices()[1]);
        std::string file = dir.File("plant.xml");
        std::string error;
        EXPECT_TRUE(SaveFile(project, file, &error)) << error;
        return file;
    }

    TempFolder dir;
};

TEST_F(TimingCliTest, EstimateJsonKeys) {
    CliOutput result = Cli({"estimate", PlantFile(), "--turnaround", "8", "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    Json json = Json::parse(result.out, nullptr, false);
    ASSERT_TRUE(json.is_object()) << result.out;
    for (const char* key : {"char_bits", "char_ms", "turnaround_ms", "quick_cycle_ms",
                            "slow_cycle_ms", "worst_cycle_ms", "commands"})
        EXPECT_TRUE(json.contains(key)) << key;
    EXPECT_EQ(json["char_bits"], 10);
    EXPECT_DOUBLE_EQ(json["turnaround_ms"].get<double>(), 8.0);
    ASSERT_EQ(json["commands"].size(), 2u);
    const Json& read = json["commands"][0];
    for (const char* key : {"index", "function", "request_chars", "reply_chars", "line_ms", "scan"})
        EXPECT_TRUE(read.contains(key)) << key;
    EXPECT_EQ(read["index"], 0);
    EXPECT_EQ(read["function"], 3);
    EXPECT_EQ(read["request_chars"], 8);
    EXPECT_EQ(read["reply_chars"], 9);
    EXPECT_EQ(read["scan"], "quick");
    const Json& write = json["commands"][1];
    EXPECT_EQ(write["function"], 15);
    EXPECT_EQ(write["request_chars"], 10);
    EXPECT_EQ(write["scan"], "slow");
    const double quick =
        read["line_ms"].get<double>() + 8 + (write["line_ms"].get<double>() + 8) / 5;
    EXPECT_NEAR(json["quick_cycle_ms"].get<double>(), quick, 0.01);
    EXPECT_NEAR(json["slow_cycle_ms"].get<double>(), 5 * quick, 0.05);
}

TEST_F(TimingCliTest, EstimateTextAndCheckLastLine) {
    const std::string file = PlantFile();
    CliOutput text = Cli({"estimate", file});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Estimated quick-scan cycle"), std::string::npos) << text.out;
    // One row per command under the header: node, index, function, characters, line time, scan.
    EXPECT_NE(text.out.find("   0        1        15             10            8"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("  Slow-scan\n"), std::string::npos) << text.out;
    CliOutput check = Cli({"check", file});
    ASSERT_EQ(check.status, 0) << check.out;
    const std::string last = check.out.substr(check.out.rfind('\n', check.out.size() - 2) + 1);
    EXPECT_EQ(last.rfind("Estimated quick-scan cycle", 0), 0u) << check.out;
    // Out of range or not a number at all: refused before anything is shown.
    for (const char* bad : {"-1", "60001", "inf", "1e999", "nan", "-nan", "NaN"}) {
        const CliOutput refused = Cli({"estimate", file, "--turnaround", bad, "--json"});
        EXPECT_EQ(refused.status, 64) << bad;
        EXPECT_EQ(refused.out, "") << bad;
        EXPECT_NE(refused.err.find("--turnaround"), std::string::npos)
            << bad << ": " << refused.err;
    }
}

TEST_F(TimingCliTest, IoListCsvFileAndJson) {
    const std::string file = PlantFile();
    const std::string csv = dir.File("io.csv");
    CliOutput written = Cli({"iolist", file, "-o", csv});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(ReadFile(csv),
              "\xEF\xBB\xBF"
              "tag,memory,byte,bit_first,bit_last,slave,function,modbus_address,swap,scan\r\n"
              "Level_0,input,4,0,15,3,3,10,none,quick\r\n"
              "Level_1,input,6,0,15,3,3,11,none,quick\r\n"
              "N3_C2_0,output,1,6,6,3,15,0,none,slow\r\n"
              "N3_C2_1,output,1,7,7,3,15,1,none,slow\r\n"
              "N3_C2_2,output,2,0,0,3,15,2,none,slow\r\n");

    CliOutput json = Cli({"iolist", file, "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    Json rows = Json::parse(json.out, nullptr, false);
    ASSERT_TRUE(rows.is_array());
    ASSERT_EQ(rows.size(), 5u);
    std::vector<std::string> keys;
    for (auto it = rows[4].begin(); it != rows[4].end(); ++it)
        keys.push_back(it.key());
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"bit_first", "bit_last", "byte", "function", "memory",
                                              "modbus_address", "scan", "slave", "swap", "tag"}));
    EXPECT_EQ(rows[4]["tag"], "N3_C2_2");
    EXPECT_EQ(rows[4]["byte"], 2);
    EXPECT_EQ(rows[4]["memory"], "output");

    EXPECT_EQ(Cli({"iolist", file, "-o", dir.File("missing/io.csv")}).status, 73);
    EXPECT_FALSE(FileExists(dir.File("missing/io.csv")));
}

} // namespace
} // namespace varkel::test
