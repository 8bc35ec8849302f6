// Download then upload gives the configuration back, item for item, on every
// hardware generation and in both text languages. The upload starts from a
// new configuration saved and opened again, as `upload --base` reads it: a
// loaded item keeps no choices unless it is picked from them.
#include "LinkFixture.h"
#include "link/HardwareVariant.h"
#include "model/CommitRules.h"
#include "model/FunctionCode.h"
#include "model/ResultCode.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace varkel::testing {
namespace {

namespace fs = std::filesystem;

// The lines of two files that differ, with the item each belongs to; empty
// when the files are the same.
std::string DifferentLines(const std::string& expected, const std::string& actual) {
    std::istringstream a(expected), b(actual);
    std::string lineA, lineB, item, out;
    int number = 0;
    for (;;) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB)
            return out;
        ++number;
        if (lineA.find("<Item ") != std::string::npos)
            item = lineA;
        if (moreA != moreB || lineA != lineB)
            out += "line " + std::to_string(number) + " in " + item + "\n  expected " + lineA +
                   "\n  uploaded " + lineB + "\n";
    }
}

class RoundTripTest : public LinkFixture, public ::testing::WithParamInterface<TextLanguage> {
protected:
    void SetUp() override {
        SetTextLanguage(GetParam());
        std::string pattern = (fs::temp_directory_path() / "varkel-roundtrip-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        LinkFixture::TearDown();
        SetTextLanguage(TextLanguage::Chinese);
        fs::remove_all(dir_);
    }

    // A gateway of the variant, on a version that variant's row matches.
    void StartVariant(const HardwareVariant& variant) {
        link.Close();
        if (gateway)
            gateway->Stop();
        for (int minor = 0; minor < 256; ++minor) {
            const auto m = static_cast<std::uint8_t>(minor);
            const auto major = static_cast<std::uint8_t>(variant.majorFrom);
            if (FindHardwareVariant(major, m) == &variant) {
                StartGateway(major, m);
                return;
            }
        }
        FAIL() << "no version for " << variant.name;
    }

    static void Commit(Project& project, const TreeEntry& entry, int row, const std::string& text) {
        const CommitResult result = CommitValue(project, entry, row, text);
        ASSERT_TRUE(result.Accepted()) << "row " << row << " " << text;
    }
    static std::string Choice(const ParamItem* item, int position) {
        return item->GetChoices().at(static_cast<std::size_t>(position));
    }
    static void CommitChoice(Project& project, const TreeEntry& entry, int row, int position) {
        Commit(project, entry, row, Choice(ItemAtRow(entry, row), position));
    }

    // Serial settings away from their defaults, every supported function
    // with bit offsets, swapping and scanning, mapped by Auto Mapping.
    static void BuildMaster(Project& project) {
        Subnet& subnet = project.GetSubnet();
        const TreeEntry net(&subnet);
        Commit(project, net, Subnet::BaudRateIndex, "9600");
        CommitChoice(project, net, Subnet::ParityIndex, 2);
        Commit(project, net, Subnet::StopBitsIndex, "2");
        Commit(project, net, Subnet::ResponseTimeoutIndex, "1500");
        Commit(project, net, Subnet::PollDelayIndex, "120");
        CommitChoice(project, net, Subnet::PollingModeIndex, 1);
        Commit(project, net, Subnet::ScanRatioIndex, "20");
        CommitChoice(project, TreeEntry(&project.GetFieldbus()), Fieldbus::ClearOnFaultIndex, 1);
        Node* node = subnet.CreateNode();
        Commit(project, TreeEntry(node), 0, "17");
        const int functions[] = {0, 1, 2, 3, 4, 5, 12, 13};
        for (int i = 0; i < 8; ++i) {
            const FunctionFacts& f = FactsOfIndex(functions[i]);
            Command* command = node->CreateCommand(functions[i]);
            const TreeEntry entry(command);
            Commit(project, entry, Command::RegisterRow, std::to_string(100 * i + 1));
            if (!f.single)
                Commit(project, entry, Command::DataNumberRow, std::to_string(10 + i));
            if (f.HasBitOffset())
                Commit(project, entry, Command::BitOffsetRow, std::to_string(i % 4));
            else
                CommitChoice(project, entry, Command::SwappingRow, i % 3);
            CommitChoice(project, entry, Command::ScanningRow, i % 2);
        }
        ASSERT_TRUE(project.AutoMap());
    }

    // Universal mode with the framing rule of the control mode at the
    // position given; the fieldbus switch only where the gateway keeps it.
    static void BuildUniversal(Project& project, int controlMode, const HardwareVariant& variant) {
        Subnet& subnet = project.GetSubnet();
        const TreeEntry net(&subnet);
        CommitChoice(project, net, Subnet::ProtocolIndex, 1);
        Commit(project, net, Subnet::BaudRateIndex, "57600");
        CommitChoice(project, net, Subnet::ParityIndex, 1);
        CommitChoice(project, net, Subnet::ControlModeIndex, controlMode);
        Commit(project, net, Subnet::CharTimeoutIndex, "250");
        if (controlMode == 1)
            Commit(project, net, Subnet::CharNumberIndex, "40");
        if (controlMode == 2) {
            Commit(project, net, Subnet::StartDelimiterIndex, "2");
            Commit(project, net, Subnet::EndDelimiterIndex, "3");
        } else {
            CommitChoice(project, net, Subnet::CrcIndex, 1);
        }
        CommitChoice(project, net, Subnet::SendAutoIndex, 1);
        Commit(project, net, Subnet::SendAutoPeriodIndex, "2000");
        if (variant.validLengthReadBack)
            CommitChoice(project, TreeEntry(&project.GetFieldbus()), Fieldbus::ValidLengthIndex, 1);
    }

    // The file a configuration saves to, its time stamp left out.
    std::string Saved(const Project& project, const std::string& name) {
        const std::string path = (dir_ / name).string();
        std::string error;
        EXPECT_TRUE(SaveFile(project, path, &error)) << error;
        std::ifstream in(path, std::ios::binary);
        std::string text(std::istreambuf_iterator<char>(in), {});
        return std::regex_replace(text, std::regex("<DateTime Value=\"[^\"]*\""), "<DateTime");
    }
    void Load(Project& project, const std::string& name) {
        std::string error;
        ASSERT_TRUE(LoadFile(project, (dir_ / name).string(), &error)) << error;
    }

    // Saves and opens the configuration as download FILE does, sends it,
    // and uploads it into a new configuration opened from its file.
    void ExpectRoundTrip(const Project& made) {
        Saved(made, "made.xml");
        Project sent;
        Load(sent, "made.xml");
        const std::string expected = Saved(sent, "sent.xml");
        ASSERT_EQ(Download(sent, link), Success);

        Saved(Project(), "new.xml");
        Project base;
        Load(base, "new.xml");
        ASSERT_EQ(Upload(base, link), Success);
        EXPECT_EQ(DifferentLines(expected, Saved(base, "uploaded.xml")), "");
        EXPECT_TRUE(RefusedValues(base).empty());
        EXPECT_TRUE(messages.messages.empty());
    }

    fs::path dir_;
};

TEST_P(RoundTripTest, DownloadThenUploadIntoANewOpenedFileGivesItBack) {
    for (const HardwareVariant& variant : HardwareVariants()) {
        SCOPED_TRACE(variant.name);
        StartVariant(variant);
        {
            SCOPED_TRACE("Modbus master");
            Project made;
            BuildMaster(made);
            ExpectRoundTrip(made);
        }
        if (!variant.universalMode)
            continue;
        for (int control : {0, 1, 2}) {
            SCOPED_TRACE("universal mode, control mode " + std::to_string(control));
            Project made;
            BuildUniversal(made, control, variant);
            ExpectRoundTrip(made);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, RoundTripTest,
                         ::testing::Values(TextLanguage::Chinese, TextLanguage::English),
                         [](const auto& info) {
                             return info.param == TextLanguage::Chinese ? "Chinese" : "English";
                         });

} // namespace
} // namespace varkel::testing
