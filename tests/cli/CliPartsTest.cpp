// The pieces behind the commands: target parsing, the check report and the
// field-by-field comparison.
#include "cli/ProjectDiff.h"
#include "cli/Target.h"
#include "model/ConfigCheck.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <vector>

namespace varkel::cli {
namespace {

// A node with commands given as (function index, data number, mapping).
void AddCommand(Project& project, int functionIndex, const std::string& count,
                const std::string& mapping) {
    Subnet& subnet = project.GetSubnet();
    Node* node = subnet.GetNodeAt(0) ? subnet.GetNodeAt(0) : subnet.CreateNode();
    Command* command = node->CreateCommand(functionIndex);
    command->GetItem(Command::RegisterRow)->SetValue("0");
    command->GetItem(Command::DataNumberRow)->SetValue(count);
    command->GetItem(Command::MappingRow)->SetValue(mapping);
}

class CliPartsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetTextLanguage(TextLanguage::English);
        project = std::make_unique<Project>();
    }
    void TearDown() override { SetTextLanguage(TextLanguage::Chinese); }
    std::unique_ptr<Project> project;
};

TEST_F(CliPartsTest, TargetsNameTheirObjects) {
    Node* node = project->GetSubnet().CreateNode();
    Command* command = node->CreateCommand(2);
    TreeEntry entry;
    std::string error;
    ASSERT_TRUE(ParseTarget(*project, "fieldbus", entry, error));
    EXPECT_EQ(entry.GetKind(), TreeEntry::FieldbusKind);
    ASSERT_TRUE(ParseTarget(*project, "node:0", entry, error));
    EXPECT_EQ(entry.AsNode(), node);
    ASSERT_TRUE(ParseTarget(*project, "command:0:0", entry, error));
    EXPECT_EQ(entry.AsCommand(), command);

    for (const char* bad : {"", "Subnet", "node", "node:", "node:-1", "node:1", "node:0:0",
                            "command:0", "command:0:1", "command:0:x", "node:99999999999"}) {
        error.clear();
        EXPECT_FALSE(ParseTarget(*project, bad, entry, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST_F(CliPartsTest, CheckListsEveryProblemWithItsCommand) {
    AddCommand(*project, 2, "", "");       // data number and mapping empty
    AddCommand(*project, 2, "4", "0000H"); // fine alone
    AddCommand(*project, 2, "4", "0004H"); // shares bytes 4..7 with the one before
    CheckReport report = CheckConfiguration(*project);
    EXPECT_EQ(report.code, ItemEmpty);
    ASSERT_GE(report.problems.size(), 3u);
    EXPECT_EQ(report.problems[0].code, ItemEmpty);
    EXPECT_NE(report.problems[0].where.find("#1"), std::string::npos);
    EXPECT_EQ(report.problems[1].code, ItemEmpty);
    bool conflict = false;
    for (const ConfigProblem& p : report.problems)
        if (p.code == MappingConflict && p.where.find("#2") != std::string::npos &&
            p.where.find("#3") != std::string::npos) {
            conflict = true;
            EXPECT_NE(p.what.find("32-63"), std::string::npos) << p.what;
            EXPECT_EQ(p.commands, (std::vector<int>{1, 2}));
        }
    EXPECT_TRUE(conflict);
}

TEST_F(CliPartsTest, CheckCodeFollowsTheDownloadOrder) {
    AddCommand(*project, 2, "2", "00A6H"); // reaches past 00A7H
    AddCommand(*project, 2, "1", "0000H");
    AddCommand(*project, 3, "1", "0000H"); // conflict at byte 0
    CheckReport report = CheckConfiguration(*project);
    // A conflict within the memory wins over an overflow.
    EXPECT_EQ(report.code, MappingConflict);
    int overflows = 0;
    for (const ConfigProblem& p : report.problems) {
        overflows += p.code == MappingOverflow;
        // Each memory problem names the commands it is about.
        if (p.code == MappingOverflow) {
            EXPECT_EQ(p.commands, std::vector<int>{0});
        }
        if (p.code == MappingConflict) {
            EXPECT_EQ(p.commands, (std::vector<int>{1, 2}));
        }
    }
    EXPECT_EQ(overflows, 1);

    std::unique_ptr<Project> clean = std::make_unique<Project>();
    AddCommand(*clean, 2, "1", "0000H");
    AddCommand(*clean, 5, "1", "4000H");
    CheckReport none = CheckConfiguration(*clean);
    EXPECT_EQ(none.code, Success);
    EXPECT_TRUE(none.problems.empty());
}

// A hand-made node beyond the gateway's 48 commands: the download's first
// check refuses it (8, as the editor's limit), the check lists it, and the
// thousands of pairs such copies conflict in are counted, not all listed.
TEST_F(CliPartsTest, CheckReportsTheCommandLimitAndSummarisesConflicts) {
    for (int i = 0; i < 60; ++i)
        AddCommand(*project, 2, "1", "0000H");
    CheckReport report = CheckConfiguration(*project);
    EXPECT_EQ(report.code, OutOfRange);
    int limit = 0;
    int conflicts = 0;
    std::string summary;
    std::set<int> named; // every command in conflict, listed or summarised
    for (const ConfigProblem& p : report.problems) {
        if (p.code == MappingConflict)
            named.insert(p.commands.begin(), p.commands.end());
        if (p.code == OutOfRange) {
            ++limit;
            EXPECT_NE(p.what.find("60 commands"), std::string::npos) << p.what;
            EXPECT_NE(p.what.find("48"), std::string::npos) << p.what;
        }
        if (p.code == MappingConflict) {
            ++conflicts;
            if (p.what.find("in all") != std::string::npos)
                summary = p.what;
        }
    }
    EXPECT_EQ(limit, 1);
    EXPECT_EQ(conflicts, 101); // the first 100 pairs and the count
    EXPECT_NE(summary.find("1770 pairs"), std::string::npos) << summary; // 60 * 59 / 2
    EXPECT_EQ(report.problems.back().what, summary);
    EXPECT_EQ(named.size(), 60u);

    // Commands that conflict only in pairs past the listed ones are still
    // named: 20 copies make 190 pairs, the 10 after them 45 more.
    std::unique_ptr<Project> crowded = std::make_unique<Project>();
    for (int i = 0; i < 30; ++i)
        AddCommand(*crowded, 2, "1", i < 20 ? "0000H" : "0010H");
    std::set<int> late;
    for (const ConfigProblem& p : CheckConfiguration(*crowded).problems)
        if (p.code == MappingConflict)
            late.insert(p.commands.begin(), p.commands.end());
    EXPECT_EQ(late.size(), 30u);
    EXPECT_EQ(late.count(29), 1u);

    // At the limit itself nothing is said about the count, and 100 pairs
    // are listed without a summary.
    std::unique_ptr<Project> full = std::make_unique<Project>();
    for (int i = 0; i < 48; ++i) {
        char mapping[8];
        std::snprintf(mapping, sizeof mapping, "%04XH", i < 14 ? 0 : 0x10 + 2 * i);
        AddCommand(*full, 2, "1", mapping);
    }
    CheckReport fine = CheckConfiguration(*full);
    EXPECT_EQ(fine.code, MappingConflict);
    int pairs = 0;
    for (const ConfigProblem& p : fine.problems) {
        EXPECT_NE(p.code, OutOfRange);
        EXPECT_EQ(p.what.find("in all"), std::string::npos) << p.what;
        pairs += p.code == MappingConflict;
    }
    EXPECT_EQ(pairs, 91); // 14 * 13 / 2
}

TEST_F(CliPartsTest, DiffNamesEachDifferingField) {
    std::unique_ptr<Project> other = std::make_unique<Project>();
    EXPECT_TRUE(DiffProjects(*project, *other).empty());

    AddCommand(*project, 2, "4", "0000H");
    AddCommand(*other, 2, "4", "0000H");
    other->GetSubnet().GetNodeAt(0)->GetCommandAt(0)->GetItem(Command::MnemonicRow)->SetValue("m");
    other->GetSubnet().GetUniversalItem(7)->SetValue("99");
    other->GetFieldbus().GetItem(Fieldbus::ValidLengthIndex)->SetEnable(1);
    auto differences = DiffProjects(*project, *other);
    ASSERT_EQ(differences.size(), 3u);
    EXPECT_EQ(differences[0].path, "fieldbus[3]");
    EXPECT_EQ(differences[0].field, "enable");
    EXPECT_EQ(differences[1].path, "subnet.universal[13]");
    EXPECT_EQ(differences[1].b, "99");
    EXPECT_EQ(differences[2].path, "node[0].command[0][9]");
    EXPECT_EQ(differences[2].a, "");
    EXPECT_EQ(differences[2].b, "m");

    AddCommand(*other, 13, "1", "4000H");
    differences = DiffProjects(*project, *other);
    EXPECT_EQ(differences.back().path, "node[0].command[1]");
    EXPECT_EQ(differences.back().a, "");
}

} // namespace
} // namespace varkel::cli
