// What the probe makes of a configuration before it opens a port.
#include "probe/ProbePlan.h"
#include "ProbeFixture.h"
#include "model/ResultCode.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

using test::AddCommand;
using test::ProbeProject;

TEST(ProbePlan, ReadsTheLineAndTurnsWritesIntoReadsOfTheirTarget) {
    auto project = ProbeProject(450);
    Subnet& subnet = project->GetSubnet();
    subnet.SetChoiceIndex(Subnet::BaudRateIndex, 4); // 9600
    subnet.SetChoiceIndex(Subnet::ParityIndex, 2);   // Even
    subnet.SetChoiceIndex(Subnet::StopBitsIndex, 1); // 2
    subnet.SetChoiceIndex(Subnet::CommModeIndex, 1); // ASCII
    subnet.GetItem(Subnet::PollDelayIndex)->SetValue("20");
    subnet.GetItem(Subnet::ScanRatioIndex)->SetValue("3");
    project->GetSubnet().GetNodeAt(0)->GetItem(0)->SetValue("17");
    AddCommand(*project, 2, 100, 4, "0010H");                  // 03
    AddCommand(*project, 1, 5, 12, "0000H", 3);                // 02
    AddCommand(*project, 4, 7, 1, "4000H", 2);                 // 05
    AddCommand(*project, 5, 8, 1, "4002H");                    // 06
    AddCommand(*project, 12, 30, 9, "4004H");                  // 15
    Command* multi = AddCommand(*project, 13, 40, 2, "4010H"); // 16
    multi->GetItem(Command::SwappingRow)
        ->SetValue(multi->GetItem(Command::SwappingRow)->GetChoices()[2]);

    ProbePlan plan;
    std::vector<ConfigProblem> problems;
    ASSERT_EQ(plan.Build(*project, problems), Success)
        << (problems.empty() ? "" : problems[0].what);
    const ProbeLine& line = plan.Line();
    EXPECT_TRUE(line.ascii);
    EXPECT_EQ(line.baud, 9600);
    EXPECT_EQ(line.parity, 'E');
    EXPECT_EQ(line.stopBits, 2);
    EXPECT_EQ(line.responseTimeoutMs, 450);
    EXPECT_EQ(line.pollDelayMs, 20);
    EXPECT_EQ(line.scanRatio, 3);

    const auto& c = plan.Commands();
    ASSERT_EQ(c.size(), 6u);
    EXPECT_EQ(c[0].function, 3);
    EXPECT_EQ(c[0].slave, 17);
    EXPECT_EQ(c[0].mapByte, 16);
    EXPECT_FALSE(c[0].output);
    EXPECT_EQ(c[1].bitOffset, 3);
    // Writes are read back: coils with 1, registers with 3, never sent as writes.
    const int sent[] = {3, 2, 1, 3, 1, 3};
    const int counts[] = {4, 12, 1, 1, 9, 2};
    for (std::size_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ(c[i].function, sent[i]) << i;
        EXPECT_EQ(c[i].count, counts[i]) << i;
    }
    for (std::size_t i = 2; i < c.size(); ++i) {
        EXPECT_TRUE(c[i].IsWriteChecked()) << i;
        EXPECT_TRUE(c[i].output) << i;
    }
    EXPECT_EQ(c[2].mapByte, 0);
    EXPECT_EQ(c[2].bitOffset, 2);
    EXPECT_EQ(c[5].mapByte, 16);
    EXPECT_EQ(c[5].swapping, Swapping::FourBytes);
}

TEST(ProbePlan, SlowScanCommandsGoEveryNthPass) {
    auto project = ProbeProject();
    project->GetSubnet().GetItem(Subnet::ScanRatioIndex)->SetValue("3");
    AddCommand(*project, 2, 0, 1, "0000H");
    Command* slow = AddCommand(*project, 2, 1, 1, "0002H");
    slow->GetItem(Command::ScanningRow)
        ->SetValue(slow->GetItem(Command::ScanningRow)->GetChoices()[1]);
    ProbePlan plan;
    std::vector<ConfigProblem> problems;
    ASSERT_EQ(plan.Build(*project, problems), Success);
    std::string quick, slowPasses;
    for (int pass = 1; pass <= 8; ++pass) {
        quick += plan.InPass(plan.Commands()[0], pass) ? '1' : '0';
        slowPasses += plan.InPass(plan.Commands()[1], pass) ? '1' : '0';
    }
    EXPECT_EQ(quick, "11111111");
    EXPECT_EQ(slowPasses, "10010010");
}

TEST(ProbePlan, RefusesWhatCannotBeSent) {
    ProbePlan plan;
    std::vector<ConfigProblem> problems;

    auto universal = ProbeProject();
    AddCommand(*universal, 2, 0, 1, "0000H");
    universal->GetSubnet().SetProtocolType(ProtocolType::Universal);
    EXPECT_EQ(plan.Build(*universal, problems), ValidationError);
    EXPECT_EQ(problems.size(), 1u);

    auto empty = ProbeProject();
    EXPECT_EQ(plan.Build(*empty, problems), ValidationError);

    auto holes = ProbeProject();
    Command* a = AddCommand(*holes, 2, 0, 1, "0000H");
    a->GetItem(Command::DataNumberRow)->SetValue("");
    Command* b = AddCommand(*holes, 2, 70000, 1, "0002H");
    Command* c = AddCommand(*holes, 2, 0, 2, "00A6H"); // runs past byte 167
    holes->GetSubnet().GetNodeAt(0)->GetItem(0)->SetValue("248");
    // The problems are the check's own, in its order and words.
    const CheckReport check = CheckConfiguration(*holes);
    EXPECT_EQ(plan.Build(*holes, problems), check.code);
    ASSERT_EQ(problems.size(), check.problems.size());
    for (std::size_t i = 0; i < problems.size(); ++i) {
        EXPECT_EQ(problems[i].code, check.problems[i].code) << i;
        EXPECT_EQ(problems[i].where, check.problems[i].where) << i;
        EXPECT_EQ(problems[i].what, check.problems[i].what) << i;
    }
    EXPECT_GE(problems.size(), 4u);
    EXPECT_TRUE(plan.Commands().empty());
    (void)b;
    (void)c;
    bool overflow = false, empty6 = false;
    for (const auto& p : problems) {
        overflow |= p.code == MappingOverflow;
        empty6 |= p.code == ItemEmpty;
    }
    EXPECT_TRUE(overflow);
    EXPECT_TRUE(empty6);
}

} // namespace
} // namespace varkel
