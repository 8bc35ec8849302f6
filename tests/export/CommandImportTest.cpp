// The import of command lists: the workbook round trip, the grid's rules
// on every cell, and all or nothing.
#include "model/CommandImport.h"
#include "export/ListReader.h"
#include "export/WorkbookExport.h"
#include "model/Catalog.h"
#include "model/CommitRules.h"
#include "model/FunctionCode.h"
#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "persist/CsvList.h"
#include "persist/ModelXml.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

using namespace varkel;
namespace fs = std::filesystem;

namespace {

const int kSupported[] = {0, 1, 2, 3, 4, 5, 12, 13}; // codes 1-6, 15, 16

class CommandImportTest : public ::testing::TestWithParam<TextLanguage> {
protected:
    void SetUp() override {
        SetTextLanguage(GetParam());
        std::string pattern = (fs::temp_directory_path() / "varkel-import-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        SetTextLanguage(TextLanguage::Chinese);
        fs::remove_all(dir_);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    static void Commit(Project& project, Command* command, int row, const std::string& text) {
        CommitResult result = CommitValue(project, TreeEntry(command), row, text);
        ASSERT_TRUE(result.Accepted()) << row << " " << text;
    }

    // 48 commands, six of each supported function, with values typed as a
    // user would; mapping addresses typed by hand or by Auto Mapping.
    static void Build(Project& project, bool autoMap) {
        Node* node = project.GetSubnet().CreateNode();
        const std::string mnemonics[] = {"温度 1", "a&b<c>\"d\"", "_x0041_ kept", "two\r\nlines",
                                         "",       "tab\there"};
        for (int i = 0; i < 48; ++i) {
            const int index = kSupported[i % 8];
            Command* command = node->CreateCommand(index);
            ASSERT_NE(command, nullptr);
            const int code = LookupFunctionCode(index).code;
            Commit(project, command, Command::RegisterRow, std::to_string(i * 1000 + 7));
            if (code != 5 && code != 6)
                Commit(project, command, Command::DataNumberRow, std::to_string(i / 8 + 1));
            if (!autoMap) {
                const bool read = code <= 4;
                char address[16];
                std::snprintf(address, sizeof address, read ? "%xh" : "40%02X", i * 3);
                Commit(project, command, Command::MappingRow, address);
            }
            if (code == 1 || code == 2 || code == 5 || code == 15)
                Commit(project, command, Command::BitOffsetRow, std::to_string(i % 8));
            if (code == 3 || code == 4 || code == 6 || code == 16)
                Commit(project, command, Command::SwappingRow, LocalText(52 + i % 3));
            Commit(project, command, Command::ScanningRow, LocalText(i % 2 ? 55 : 56));
            Commit(project, command, Command::MnemonicRow, mnemonics[i % 6]);
        }
        if (autoMap) {
            ASSERT_TRUE(project.AutoMap());
        }
    }

    std::string Saved(Project& project, const std::string& name) {
        std::string error;
        EXPECT_TRUE(SaveFile(project, Path(name), &error)) << error;
        std::ifstream in(Path(name), std::ios::binary);
        std::string text(std::istreambuf_iterator<char>(in), {});
        return std::regex_replace(text, std::regex("<DateTime Value=\"[^\"]*\""), "<DateTime");
    }

    CommandTable Table(const std::string& csv) {
        CommandTable table;
        std::string error;
        EXPECT_EQ(CsvList::Parse(csv, "list.csv", table, error), CommandTable::Read) << error;
        return table;
    }

    fs::path dir_;
};

TEST_P(CommandImportTest, ExportedWorkbookComesBackTheSame) {
    // Mapped by Auto Mapping or by hand, imported with or without it: the
    // byte counts come back without Auto Mapping too.
    for (auto [autoMap, importMap] : {std::pair{true, true}, {false, false}, {true, false}}) {
        SCOPED_TRACE(autoMap ? "mapped by Auto Mapping" : "mapped by hand");
        SCOPED_TRACE(importMap ? "imported with Auto Mapping" : "imported without");
        Project original;
        Build(original, autoMap);
        const std::string before = Saved(original, "original.xml");
        std::string error;
        ASSERT_EQ(ExportWorkbook(original, FindDefaultTemplate(), Path("list.xlsx"), &error),
                  ExportDone)
            << error;

        // A new configuration with the same subnet and node, no commands.
        Project target;
        target.CopyFrom(original);
        target.GetSubnet().GetNodeAt(0)->RemoveAllCommands();
        ASSERT_EQ(target.GetCommandCount(), 0);

        CommandTable table;
        ASSERT_EQ(ListReader::ReadWorkbook(Path("list.xlsx"), table, error), CommandTable::Read)
            << error;
        ImportOutcome outcome = CommandImport::Apply(target, table, {false, importMap});
        for (const ImportProblem& problem : outcome.problems)
            ADD_FAILURE() << problem.Describe();
        ASSERT_TRUE(outcome.applied);
        EXPECT_EQ(outcome.commands.size(), 48u);
        EXPECT_EQ(outcome.commands.front().row, 2);
        EXPECT_EQ(Saved(target, "imported.xml"), before);
    }
}

// A workbook exported by us, opened and saved again by LibreOffice Calc 7.4:
// shared strings instead of inline ones, numbers as numbers, its own styles.
// Where Calc is installed the workbook is made afresh; elsewhere the copy in
// tests/export/data is read, made by this test with VARKEL_CALC_DATA_OUT set
// to that folder on a machine with Calc.
TEST_P(CommandImportTest, WorkbookSavedByCalcComesBackTheSame) {
    const bool english = GetParam() == TextLanguage::English;
    const std::string dataName = english ? "calc74_en.xlsx" : "calc74_zh.xlsx";
    Project original;
    Build(original, false);
    // Calc keeps a cell's line feed but drops the carriage return before it.
    std::string expected = Saved(original, "original.xml");
    expected = std::regex_replace(expected, std::regex("two&#x0D;&#x0A;lines"), "two&#x0A;lines");

    std::string workbook = std::string(VARKEL_TEST_DATADIR) + "/" + dataName;
    if (std::system("soffice --version >/dev/null 2>&1") == 0) {
        std::string error;
        ASSERT_EQ(ExportWorkbook(original, FindDefaultTemplate(), Path("ours.xlsx"), &error),
                  ExportDone)
            << error;
        fs::create_directories(dir_ / "calc");
        const std::string convert = "cd '" + dir_.string() +
                                    "' && soffice -env:UserInstallation=file://" + dir_.string() +
                                    "/profile --headless --convert-to xlsx --outdir calc ours.xlsx"
                                    " >/dev/null 2>&1";
        ASSERT_EQ(std::system(convert.c_str()), 0);
        workbook = (dir_ / "calc" / "ours.xlsx").string();
        if (const char* keep = std::getenv("VARKEL_CALC_DATA_OUT"))
            fs::copy_file(workbook, fs::path(keep) / dataName,
                          fs::copy_options::overwrite_existing);
    }

    Project target;
    target.CopyFrom(original);
    target.GetSubnet().GetNodeAt(0)->RemoveAllCommands();
    CommandTable table;
    std::string error;
    ASSERT_EQ(ListReader::ReadWorkbook(workbook, table, error), CommandTable::Read) << error;
    ImportOutcome outcome = CommandImport::Apply(target, table, {false, false});
    for (const ImportProblem& problem : outcome.problems)
        ADD_FAILURE() << problem.Describe();
    ASSERT_TRUE(outcome.applied);
    EXPECT_EQ(outcome.commands.size(), 48u);
    EXPECT_EQ(Saved(target, "imported.xml"), expected);
}

TEST_P(CommandImportTest, ValuesGoThroughTheGridsRulesInEitherLanguage) {
    Project project;
    project.GetSubnet().CreateNode();
    // Short identifiers, names and choices in both languages, a hexadecimal
    // address in lower case, a column the import does not know.
    const CommandTable table =
        Table("Function Code,start,数据个数,map,bit_offset,Bytes swapping,扫描方式,mnemonic,tag\n"
              "03 Read Holding Registers,100,10,a0h,,二字节交换,Slow-scan,TT-1,x\n"
              "01 读线圈状态,7,3,5,7,,,,\n"
              "16,0,2,4000,,Four bytes swapping,快速扫描,,\n"
              ",,,,,,,,only a tag\n");
    ImportOutcome outcome = CommandImport::Apply(project, table, {});
    for (const ImportProblem& problem : outcome.problems)
        ADD_FAILURE() << problem.Describe();
    ASSERT_TRUE(outcome.applied);
    EXPECT_EQ(outcome.notes.size(), 1u); // the tag column
    Node* node = project.GetSubnet().GetNodeAt(0);
    ASSERT_EQ(node->GetCommandCount(), 3);
    const Command* read = node->GetCommandAt(0);
    EXPECT_EQ(read->GetName(), LocalText(kKeyReadHoldingRegisters));
    EXPECT_EQ(read->GetItem(Command::MappingRow)->GetValue(), "A0H");
    EXPECT_EQ(read->GetItem(Command::SwappingRow)->GetValue(), LocalText(kKeyTwoBytesSwapping));
    EXPECT_EQ(read->GetItem(Command::ScanningRow)->GetValue(), LocalText(kKeySlowScan));
    EXPECT_EQ(read->GetItem(Command::MnemonicRow)->GetValue(), "TT-1");
    EXPECT_EQ(node->GetCommandAt(1)->GetFunctionCode(), 1);
    EXPECT_EQ(node->GetCommandAt(1)->GetItem(Command::BitOffsetRow)->GetValue(), "7");
    EXPECT_EQ(node->GetCommandAt(2)->GetItem(Command::SwappingRow)->GetValue(),
              LocalText(kKeyFourBytesSwapping));
    EXPECT_EQ(node->GetCommandAt(2)->GetItem(Command::ScanningRow)->GetValue(),
              LocalText(kKeyQuickScan));
}

TEST_P(CommandImportTest, AnyRefusalChangesNothingAndListsEveryProblem) {
    Project project;
    Build(project, true);
    const std::string before = Saved(project, "before.xml");
    // Out of range, illegal character, not a choice, a greyed cell with
    // another value, an unknown and a missing function; good rows between.
    const CommandTable table = Table("function;start;count;map;bit_offset;swap;scan\n"
                                     "3;1;85;;;;\n"
                                     "3;1;1;;;;\n"
                                     "1;x1;1;;;;\n"
                                     "1;1;1;;;Two bytes swapping;\n"
                                     "3;1;1;;3;;\n"
                                     "3;1;1;;0;;Sometimes\n"
                                     "8;1;1;;;;\n"
                                     ";1;1;;;;\n"
                                     "4;1;1;4000H;;;\n");
    ImportOutcome outcome = CommandImport::Apply(project, table, {});
    EXPECT_FALSE(outcome.applied);
    EXPECT_EQ(Saved(project, "after.xml"), before);
    ASSERT_EQ(outcome.problems.size(), 8u);
    struct Expected {
        int row, column, code;
    };
    const Expected expected[] = {{2, 3, 8}, {4, 2, 7}, {5, 6, 0}, {6, 5, 0},
                                 {7, 7, 0}, {8, 1, 0}, {9, 1, 0}, {10, 4, 8}};
    for (std::size_t i = 0; i < 8; ++i) {
        SCOPED_TRACE(outcome.problems[i].Describe());
        EXPECT_EQ(outcome.problems[i].sheet, "list.csv");
        EXPECT_EQ(outcome.problems[i].row, expected[i].row);
        EXPECT_EQ(outcome.problems[i].column, expected[i].column);
        EXPECT_EQ(outcome.problems[i].code, expected[i].code);
    }
    EXPECT_EQ(outcome.problems[0].columnName, "count");
    // As the grid words it: the parameter, the value and the range it takes.
    EXPECT_EQ(outcome.problems[0].message,
              Text(Msg::EditValueOutOfRange, {LocalText(3005), "85", "1-84"}));
    EXPECT_NE(outcome.problems[0].Describe().find("C"), std::string::npos);
    // Refused rows still show in the preview, marked.
    ASSERT_EQ(outcome.commands.size(), 7u);
    EXPECT_TRUE(outcome.commands[0].refused);
    EXPECT_FALSE(outcome.commands[1].refused);
}

TEST_P(CommandImportTest, TheCommandLimitAndTheModes) {
    Project project;
    Build(project, true);
    std::string oneRow = "function,start,count\n3,1,1\n";
    // Appending to 48 commands meets the limit at the first row.
    ImportOutcome outcome = CommandImport::Apply(project, Table(oneRow), {true, false});
    ASSERT_EQ(outcome.problems.size(), 1u);
    EXPECT_EQ(outcome.problems[0].row, 2);
    EXPECT_EQ(outcome.problems[0].code, 8);
    EXPECT_EQ(outcome.problems[0].message, LocalText(kKeyAtMost48Commands));
    EXPECT_EQ(project.GetCommandCount(), 48);

    // Replacing takes the list alone; 49 rows are one too many, and the rows
    // past the limit are still checked.
    outcome = CommandImport::Apply(project, Table(oneRow), {});
    ASSERT_TRUE(outcome.applied);
    EXPECT_EQ(project.GetCommandCount(), 1);
    std::string rows = "function,start,count\n";
    for (int i = 0; i < 49; ++i)
        rows += "3,1,1\n";
    rows += "3,1,99\n";
    outcome = CommandImport::Apply(project, Table(rows), {});
    ASSERT_EQ(outcome.problems.size(), 2u);
    EXPECT_EQ(outcome.problems[0].row, 50);
    EXPECT_EQ(outcome.problems[1].row, 51);
    EXPECT_EQ(outcome.problems[1].column, 3);
    EXPECT_EQ(project.GetCommandCount(), 1);

    // Auto Mapping afterwards, when asked.
    outcome = CommandImport::Apply(project, Table("function,count\n3,2\n4,1\n"), {false, true});
    ASSERT_TRUE(outcome.applied);
    EXPECT_EQ(project.GetSubnet().GetNodeAt(0)->GetCommandAt(1)->GetItem(3)->GetValue(), "0004H");
}

TEST_P(CommandImportTest, HeadersThatMakeNoCommandList) {
    Project project;
    project.GetSubnet().CreateNode();
    for (const char* csv : {"start,count\n1,1\n", "function,功能码\n3,3\n", ""}) {
        CommandTable table;
        std::string error;
        ASSERT_EQ(CsvList::Parse(csv, "list.csv", table, error), CommandTable::Read);
        ImportOutcome outcome = CommandImport::Apply(project, table, {});
        EXPECT_TRUE(outcome.listRefused) << csv;
        EXPECT_FALSE(outcome.applied);
    }
    // Universal mode has no node to import into.
    Subnet& subnet = project.GetSubnet();
    ASSERT_TRUE(CommitValue(project, TreeEntry(&subnet), Subnet::ProtocolIndex,
                            LocalText(kKeyUniversalMode))
                    .Accepted());
    EXPECT_TRUE(CommandImport::Apply(project, Table("function\n3\n"), {}).listRefused);
}

INSTANTIATE_TEST_SUITE_P(Languages, CommandImportTest,
                         ::testing::Values(TextLanguage::Chinese, TextLanguage::English));

} // namespace
