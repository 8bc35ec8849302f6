#include "TestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace varkel::test {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "x";
    path_ =
        std::filesystem::temp_directory_path() / ("varkel_persist_" + std::to_string(::getpid()) +
                                                  "_" + std::to_string(counter++) + "_" + name);
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

namespace {

bool gPickedOnly = false;

void DescribeItem(std::ostringstream& out, const ParamItem* item) {
    if (!item) {
        out << "  <no item>\n";
        return;
    }
    out << "  [" << item->GetName() << "|" << item->GetHelp() << "|" << item->GetValue() << "|"
        << item->GetState() << "|" << item->GetEnable() << "|";
    if (!gPickedOnly || item->GetState() == ParamItem::Picked)
        for (const auto& c : item->GetChoices())
            out << c << ";";
    out << "]\n";
}

void DescribeList(std::ostringstream& out, const char* title, const ItemList& list) {
    out << title << " " << list.size() << "\n";
    for (const auto& item : list)
        DescribeItem(out, item.get());
}

} // namespace

std::string Snapshot(const Project& project, bool pickedChoicesOnly) {
    gPickedOnly = pickedChoicesOnly;
    std::ostringstream out;
    const Subnet& subnet = project.GetSubnet();
    out << "protocol " << static_cast<int>(subnet.GetProtocolType()) << "\n";
    DescribeList(out, "always", subnet.AlwaysItems());
    DescribeList(out, "master", subnet.MasterItems());
    DescribeList(out, "universal", subnet.UniversalItems());
    out << "nodes " << subnet.GetNodeCount() << "\n";
    for (int n = 0; n < subnet.GetNodeCount(); ++n) {
        const Node* node = subnet.GetNodeAt(n);
        out << "node " << node->GetName() << " items " << node->GetItemCount() << "\n";
        for (int i = 0; i < node->GetItemCount(); ++i)
            DescribeItem(out, node->GetItem(i));
        for (int c = 0; c < node->GetCommandCount(); ++c) {
            const Command* command = node->GetCommandAt(c);
            out << " command " << command->GetName() << " fn " << command->GetFunctionIndex()
                << " items " << command->GetItemCount() << "\n";
            for (int i = 0; i < command->GetItemCount(); ++i)
                DescribeItem(out, command->GetItem(i));
        }
    }
    const Fieldbus& fieldbus = project.GetFieldbus();
    out << "fieldbus " << fieldbus.GetItemCount() << "\n";
    for (int i = 0; i < fieldbus.GetItemCount(); ++i)
        DescribeItem(out, fieldbus.GetItem(i));
    return out.str();
}

void FillSample(Project& project) {
    Subnet& subnet = project.GetSubnet();
    subnet.GetItem(Subnet::BaudRateIndex)->SetValue("9600");
    subnet.GetItem(Subnet::ResponseTimeoutIndex)->SetValue("1500");
    subnet.GetUniversalItem(7)->SetValue("2000"); // character timeout
    subnet.GetUniversalItem(11)->SetEnable(0);
    Node* node = subnet.CreateNode();
    node->GetItem(0)->SetValue("17");
    node->SetName("Node(17)");
    for (int index : {0, 2, 4, 5, 12, 13}) {
        Command* command = node->CreateCommand(index);
        command->GetItem(Command::RegisterRow)->SetValue(std::to_string(100 + index));
        command->GetItem(Command::DataNumberRow)->SetValue("2");
    }
    node->GetCommandAt(1)->GetItem(Command::MnemonicRow)->SetValue("泵站 1#·温度—A&B <\"x\"> 'y'");
    project.AutoMap();
    project.GetFieldbus()
        .GetItem(Fieldbus::ClearOnFaultIndex)
        ->SetValue(project.GetFieldbus().GetItem(Fieldbus::ClearOnFaultIndex)->GetChoices().at(1));
}

std::string WithoutDateTime(const std::string& text) {
    static const std::regex dateTime("(<DateTime Value=\")[^\"]*(\")");
    return std::regex_replace(text, dateTime, "$1*$2");
}

std::string ReplaceOnce(std::string text, const std::string& from, const std::string& to) {
    std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << "missing: " << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

} // namespace varkel::test
