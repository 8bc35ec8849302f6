// varkel-cli tags run as a program, and check's warning about tags that
// would overlap in the PLC.
#include "../TestCommand.h"
#include "CliRun.h"
#include "model/Project.h"
#include "persist/ModelXml.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace varkel::test {
namespace {

class TagsCliTest : public ::testing::Test {
protected:
    CliOutput Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--lang", "en"});
        return RunProgram(VARKEL_CLI, args, dir.Path());
    }
    // Slave 3: 03 reading two registers at byte 4, two bytes swapped; 15
    // writing three coils from output bit 1.6. With a second node, one more
    // register at byte 6: the same bytes as the first command's second one.
    std::string PlantFile(bool secondNode = false) {
        Project project;
        Command* read = testing::AddCommand(project, 2, "10", "2", "0004H");
        read->GetItem(Command::MnemonicRow)->SetValue("Level");
        ParamItem* swap = read->GetItem(Command::SwappingRow);
        swap->SetValue(swap->GetChoices()[1]);
        testing::AddCommand(project, 12, "0", "3", "4001H", "6");
        project.GetSubnet().GetNodeAt(0)->GetItem(0)->SetValue("3");
        if (secondNode) {
            Command* more = project.GetSubnet().CreateNode()->CreateCommand(2);
            for (auto [row, value] : {std::pair{Command::RegisterRow, "0"},
                                      {Command::DataNumberRow, "1"},
                                      {Command::MappingRow, "0006H"}})
                more->GetItem(row)->SetValue(value);
        }
        std::string file = dir.File("plant.xml");
        std::string error;
        EXPECT_TRUE(SaveFile(project, file, &error)) << error;
        return file;
    }

    TempFolder dir;
};

TEST_F(TagsCliTest, CsvFileAndJsonRows) {
    const std::string file = PlantFile();
    CliOutput written = Cli({"tags", file, "--format", "csv", "--input-base", "256", "--type",
                             "1=REAL", "-o", dir.File("tags.csv")});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "PLC tag table written to " + dir.File("tags.csv") + " (4 tags)\n");
    EXPECT_EQ(
        ReadFile(dir.File("tags.csv")),
        "\xEF\xBB\xBF"
        "name,type,address,comment\r\n"
        "Level_0,REAL,%ID260,\"Slave 3, function 3, Modbus address 10-11, command 1 (03 Read "
        "Holding Registers); two bytes swapping: the registers' bytes A B C D lie as B A D C, the "
        "PLC must read them in the order BADC to get the registers' value\"\r\n"
        "S3_COIL0,BOOL,%Q1.6,\"Slave 3, function 15, Modbus address 0, command 2 (15 Force "
        "Multiple Coils)\"\r\n"
        "S3_COIL1,BOOL,%Q1.7,\"Slave 3, function 15, Modbus address 1, command 2 (15 Force "
        "Multiple Coils)\"\r\n"
        "S3_COIL2,BOOL,%Q2.0,\"Slave 3, function 15, Modbus address 2, command 2 (15 Force "
        "Multiple Coils)\"\r\n");

    CliOutput json = Cli({"tags", file, "--format", "iec", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const nlohmann::json rows = nlohmann::json::parse(json.out, nullptr, false);
    ASSERT_TRUE(rows.is_array()) << json.out;
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1]["address"], "%IW3"); // word-indexed: byte 6
    EXPECT_EQ(rows[1]["swap"], "two");
    EXPECT_EQ(rows[4]["address"], "%QX2.0");
    EXPECT_EQ(rows[4]["command"], 2);
    EXPECT_FALSE(FileExists(dir.File("tags.st")));
}

TEST_F(TagsCliTest, RefusedRequestsWriteNothing) {
    const std::string file = PlantFile();
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string says;
    } cases[] = {
        {{"--format", "csv"}, 64, "Name the file to write with -o"},
        {{"--format", "xls", "-o", "t"}, 64, "--format"},
        {{"--format", "csv", "--type", "9=REAL", "-o", "t"}, 64, "There is no command 9"},
        {{"--format", "csv", "--type", "2=REAL", "-o", "t"}, 64, "Command 2 has no registers"},
        {{"--format", "csv", "--type", "1=FLOAT", "-o", "t"}, 64, "expected N=TYPE"},
        {{"--format", "csv", "--type", "1=INT", "--type", "1=DINT", "-o", "t"}, 64, "twice"},
        {{"--format", "iec", "--input-base", "1", "-o", "t"}, 64, "word-indexed"},
        {{"--format", "s7", "-o", "missing/t"}, 73, "missing"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"tags", file};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliOutput result = Cli(args);
        EXPECT_EQ(result.status, c.status) << c.says << "\n" << result.err;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
        EXPECT_FALSE(FileExists(dir.File("t")));
    }
    EXPECT_EQ(Cli({"tags", file, "--format", "iec", "--input-base", "1", "--iec-byte-addressing",
                   "-o", "t"})
                  .status,
              0);
}

TEST_F(TagsCliTest, CheckWarnsOfTagsThatWouldOverlap) {
    const CliOutput clean = Cli({"check", PlantFile()});
    EXPECT_EQ(clean.out.find("overlap"), std::string::npos) << clean.out;
    const CliOutput result = Cli({"check", PlantFile(true)});
    EXPECT_NE(result.out.find("Tags Level_1 (%IW6) and S1_HR0 (%IW6) would overlap in the PLC: "
                              "commands 1 and 3 are mapped to the same bytes; see Conflict Detect"),
              std::string::npos)
        << result.out;
}

} // namespace
} // namespace varkel::test
