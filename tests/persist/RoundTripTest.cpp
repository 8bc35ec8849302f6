#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

using test::Snapshot;
using test::TempDir;

// Saves the project and loads the file into a project that was changed
// beforehand, so that nothing of its own state can pass for loaded data.
std::string RoundTrip(Project& project, Project& loaded, const TempDir& dir) {
    std::string error;
    EXPECT_EQ(SaveFile(project, dir.File("rt.xml"), &error), 1) << error;
    loaded.GetSubnet().SetProtocolType(ProtocolType::Universal);
    loaded.GetSubnet().CreateNode()->CreateCommand(3);
    loaded.GetFieldbus().GetItem(0)->SetValue("stale");
    EXPECT_EQ(LoadFile(loaded, dir.File("rt.xml"), &error), 1) << error;
    EXPECT_EQ(error, "");
    return Snapshot(loaded);
}

TEST(RoundTrip, DefaultConfigurationComesBackItemForItem) {
    TempDir dir;
    Project project;
    Project loaded;
    std::string back = RoundTrip(project, loaded, dir);
    EXPECT_EQ(back, Snapshot(project, true));

    // Shown-only "Data bits" comes back without its choices, but the
    // download still sends the code of 8 data bits.
    const Subnet& subnet = loaded.GetSubnet();
    EXPECT_TRUE(subnet.GetItem(Subnet::DataBitsIndex)->GetChoices().empty());
    EXPECT_EQ(subnet.GetChoiceIndex(Subnet::DataBitsIndex), -1);
    EXPECT_EQ(subnet.DataBitsCode(), 0);
    EXPECT_EQ(subnet.GetChoiceIndex(Subnet::BaudRateIndex), 5);
}

TEST(RoundTrip, NodesCommandsAndEveryItemFieldInMasterMode) {
    TempDir dir;
    Project project;
    test::FillSample(project);
    // Odd item fields: a picked value that matches no choice, a typed item
    // that has choices, a disabled picked item.
    ParamItem* parity = project.GetSubnet().GetItem(Subnet::ParityIndex);
    parity->SetValue("not a choice");
    parity->SetEnable(0);
    project.GetSubnet().GetItem(Subnet::DataBitsIndex)->SetValue("7");
    Project loaded;
    EXPECT_EQ(RoundTrip(project, loaded, dir), Snapshot(project, true));
    EXPECT_EQ(loaded.GetSubnet().GetProtocolType(), ProtocolType::ModbusMaster);
    ASSERT_EQ(loaded.GetSubnet().GetNodeCount(), 1);
    EXPECT_EQ(loaded.GetCommandCount(), 6);
    EXPECT_EQ(loaded.GetSubnet().GetChoiceIndex(Subnet::ParityIndex), -1);
    EXPECT_EQ(loaded.GetSubnet().DataBitsCode(), 1);
    const Command* command = loaded.GetSubnet().GetNodeAt(0)->GetCommandAt(1);
    EXPECT_EQ(command->GetItem(Command::MnemonicRow)->GetValue(), "泵站 1#·温度—A&B <\"x\"> 'y'");
    EXPECT_EQ(command->GetFunctionCode(), 3);
}

TEST(RoundTrip, UniversalModeKeepsItsListsAndNodes) {
    TempDir dir;
    Project project;
    test::FillSample(project);
    project.GetSubnet().SetProtocolType(ProtocolType::Universal);
    project.GetSubnet().GetItem(Subnet::ControlModeIndex)->SetValue(LocalText(kKeyDelimiter));
    Project loaded;
    EXPECT_EQ(RoundTrip(project, loaded, dir), Snapshot(project, true));
    EXPECT_EQ(loaded.GetSubnet().GetProtocolType(), ProtocolType::Universal);
    EXPECT_EQ(loaded.GetSubnet().ControlModeCode(), 2);
    EXPECT_EQ(loaded.GetSubnet().GetItem(Subnet::CharTimeoutIndex)->GetValue(), "2000");
}

TEST(RoundTrip, ALoadedFileSavesToTheSameBytes) {
    TempDir dir;
    Project project;
    test::FillSample(project);
    ASSERT_EQ(SaveFile(project, dir.File("1.xml")), 1);
    Project loaded;
    ASSERT_EQ(LoadFile(loaded, dir.File("1.xml")), 1);
    ASSERT_EQ(SaveFile(loaded, dir.File("2.xml")), 1);
    EXPECT_EQ(test::WithoutDateTime(test::ReadBytes(dir.File("1.xml"))),
              test::WithoutDateTime(test::ReadBytes(dir.File("2.xml"))));
}

TEST(RoundTrip, EnglishTextsTravelWithTheFile) {
    TempDir dir;
    SetTextLanguage(TextLanguage::English);
    Project english;
    SetTextLanguage(TextLanguage::Chinese);
    ASSERT_EQ(SaveFile(english, dir.File("en.xml")), 1);
    Project loaded;
    ASSERT_EQ(LoadFile(loaded, dir.File("en.xml")), 1);
    // The names come from the file, not from the active table.
    EXPECT_EQ(loaded.GetSubnet().GetItem(Subnet::BaudRateIndex)->GetName(), "Baud rate");
    EXPECT_EQ(Snapshot(loaded), Snapshot(english, true));
}

TEST(RoundTrip, ValuesHoldingMarkupAndControlCharactersComeBackExactly) {
    TempDir dir;
    Project project;
    const std::vector<std::string> values = {"&#x41;", "a&amp;b",          "<tag attr=\"v\">",
                                             "'\"'",   "tab\tand\r\nCRLF", "  padded  ",
                                             "中文]]>"};
    ParamItem* help = project.GetFieldbus().GetItem(0);
    Node* node = project.GetSubnet().CreateNode();
    for (std::size_t i = 0; i < values.size(); ++i) {
        Command* command = node->CreateCommand(2);
        command->SetName(values[i]);
        command->GetItem(Command::MnemonicRow)->SetValue(values[i]);
        command->GetItem(Command::MnemonicRow)->SetName(values[i]);
    }
    help->Set(values[0], values[4], values[2], 2, 1);
    help->AddChoice(values[3]);
    help->AddChoice(values[6]);
    Project loaded;
    EXPECT_EQ(RoundTrip(project, loaded, dir), Snapshot(project, true));
    const Node* back = loaded.GetSubnet().GetNodeAt(0);
    ASSERT_NE(back, nullptr);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(back->GetCommandAt(static_cast<int>(i))->GetName(), values[i]);
}

} // namespace
} // namespace varkel
