// Failures of reading and writing never lose or corrupt a configuration.
#include "MessageRecorder.h"
#include "model/Project.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

namespace varkel {
namespace {

using test::ReadBytes;
using test::ReplaceOnce;
using test::Snapshot;
using test::TempDir;
using test::WriteBytes;

std::size_t FilesIn(const TempDir& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++n;
    return n;
}

TEST(SaveFaults, AnUnwritablePathIsReportedAndNamed) {
    TempDir dir;
    Project project;
    for (TextLanguage language : {TextLanguage::Chinese, TextLanguage::English}) {
        SetTextLanguage(language);
        std::string path = dir.File("no/such/folder/x.xml");
        std::string error;
        EXPECT_EQ(SaveFile(project, path, &error), 0);
        EXPECT_NE(error.find(path), std::string::npos) << error;
        EXPECT_NE(error.find(language == TextLanguage::English ? "Cannot write" : "无法写入"),
                  std::string::npos)
            << error;
        // A folder in place of the file.
        std::filesystem::create_directory(dir.File("taken"));
        EXPECT_EQ(SaveFile(project, dir.File("taken"), &error), 0);
        EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken")));
        EXPECT_EQ(FilesIn(dir), 1u); // only "taken": no temporary file left behind
    }
    SetTextLanguage(TextLanguage::Chinese);
}

// A disk that fills up in the middle of the write: the file size limit
// makes the write fail the same way.
TEST(SaveFaults, AFullDiskLeavesThePreviousFileIntact) {
    TempDir dir;
    Project project;
    test::FillSample(project);
    const std::string path = dir.File("work.xml");
    ASSERT_EQ(SaveFile(project, path), 1);
    const std::string before = ReadBytes(path);

    project.GetSubnet().GetNodeAt(0)->CreateCommand(2);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    int result = SaveFile(project, path, &error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result, 0);
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(FilesIn(dir), 1u); // no temporary file left behind
    // Once there is room again the save goes through.
    ASSERT_EQ(SaveFile(project, path, &error), 1) << error;
    EXPECT_NE(ReadBytes(path), before);
}

TEST(SaveFaults, ReplacingAFileKeepsItsPermissionsAndLinks) {
    TempDir dir;
    Project project;
    const std::string path = dir.File("shared.xml");
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(SaveFile(project, path), 1);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // Saving through a symbolic link writes its target and keeps the link.
    std::filesystem::create_symlink(path, dir.File("link.xml"));
    project.GetSubnet().GetItem(Subnet::BaudRateIndex)->SetValue("1200");
    ASSERT_EQ(SaveFile(project, dir.File("link.xml")), 1);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.xml")));
    EXPECT_NE(ReadBytes(path).find("<CurrentVal Value=\"1200\" />"), std::string::npos);
}

TEST(SaveFaults, TextTheCodePageCannotHoldIsRefusedNamingTheItem) {
    TempDir dir;
    Project project;
    test::FillSample(project);
    const std::string path = dir.File("work.xml");
    ASSERT_EQ(SaveFile(project, path), 1);
    const std::string before = ReadBytes(path);

    Command* command = project.GetSubnet().GetNodeAt(0)->GetCommandAt(2);
    command->GetItem(Command::MnemonicRow)->SetValue("水泵😀");
    std::string error;
    EXPECT_EQ(SaveFile(project, path, &error), 0);
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find("Node(17)\\" + command->GetName() + "\\" +
                         command->GetItem(Command::MnemonicRow)->GetName()),
              std::string::npos)
        << error;
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(FilesIn(dir), 1u);
}

class LoadFaults : public ::testing::Test {
protected:
    void SetUp() override {
        SetTextLanguage(TextLanguage::Chinese);
        test::FillSample(model_);
        model_.GetSubnet().SetProtocolType(ProtocolType::Universal);
        before_ = Snapshot(model_);
        Project saved;
        test::FillSample(saved);
        ASSERT_EQ(SaveFile(saved, dir_.File("good.xml")), 1);
        good_ = ReadBytes(dir_.File("good.xml"));
    }

    // Loads the bytes over the model and checks the refusal: 0, a message
    // naming the file, no message box, the model untouched.
    void ExpectRefused(const std::string& bytes, const std::string& why) {
        SCOPED_TRACE(why);
        const std::string path = dir_.File("bad.xml");
        WriteBytes(path, bytes);
        ExpectRefusedPath(path);
    }

    void ExpectRefusedPath(const std::string& path) {
        std::string error;
        EXPECT_EQ(LoadFile(model_, path, &error), 0);
        EXPECT_NE(error.find(path), std::string::npos) << error;
        EXPECT_TRUE(messages_.messages.empty());
        EXPECT_EQ(Snapshot(model_), before_);
    }

    TempDir dir_;
    Project model_;
    std::string before_;
    std::string good_;
    MessageRecorder messages_;
};

TEST_F(LoadFaults, UnreadableFilesAreRefused) {
    ExpectRefusedPath(dir_.File("missing.xml"));
    ExpectRefusedPath(dir_.Path().string()); // a folder
    ExpectRefused("", "empty");
    ExpectRefused("\n  \r\n", "blank");
}

TEST_F(LoadFaults, MalformedFilesAreRefused) {
    ExpectRefused(good_.substr(0, good_.size() / 2), "truncated");
    ExpectRefused(good_.substr(0, good_.size() - 3), "last tag cut");
    ExpectRefused(ReplaceOnce(good_, "</Subnet>", "</Subnet"), "broken end tag");
    ExpectRefused(ReplaceOnce(good_, "</Subnet>", "</Subnetz>"), "mismatched end tag");
    ExpectRefused(ReplaceOnce(good_, "<Profilebus Value=\"Profilebus\">", "<Profilebus Value=>"),
                  "attribute without value");
    ExpectRefused("<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n", "declaration only");
    ExpectRefused("just some text", "no markup");
    ExpectRefused(ReplaceOnce(good_, "TRX10",
                              std::string("TRX\0"
                                          "10",
                                          6)),
                  "NUL byte");
    ExpectRefused(ReplaceOnce(good_, "TRX10", "TRX\xFF\xFF"), "bytes outside the code page");
}

TEST_F(LoadFaults, FilesLackingWhatAConfigurationNeedsAreRefused) {
    const std::vector<std::pair<std::string, std::string>> cuts = {
        {"<Subnet Value=\"Subnet\">", "<Subnet Value=\"Sub\">"},
        {"<ProtocalType Value=\"ProtocalType\">", "<ProtocalType Value=\"Protocol\">"},
        {"<MasterModeItemList Value=\"MasterModeItemList\">",
         "<MasterModeItemList Value=\"Master\">"},
        {"<CommonModeItemList Value=\"CommonModeItemList\">",
         "<CommonModeItemList Value=\"Common\">"},
        {"        <ItemList Value=\"ItemList\">\r\n            <Item Value=\"\xD0\xAD",
         "        <ItemList Value=\"Items\">\r\n            <Item Value=\"\xD0\xAD"},
        {"<Profilebus Value=\"Profilebus\">", "<Profilebus Value=\"Profibus\">"},
        {"<Product Value=\"Product\">", "<Product Value=\"Prod\">"},
        {"<Language Value=\"Chinese\" />", ""},
    };
    for (const auto& [from, to] : cuts)
        ExpectRefused(ReplaceOnce(good_, from, to), from);

    // "CurrentModeType" must follow "ProtocalType": here nothing follows.
    std::size_t start = good_.find("        <CurrentModeType");
    std::size_t end = good_.find("    </Subnet>");
    std::string edited = good_;
    edited.erase(start, end - start);
    ExpectRefused(edited, "nothing after ProtocalType");

    // A fieldbus element without its list.
    start = good_.find("    <Profilebus");
    end = good_.find("</Norrin>");
    edited = good_;
    edited.replace(start, end - start, "    <Profilebus Value=\"Profilebus\" />\r\n");
    ExpectRefused(edited, "empty Profilebus");
}

TEST_F(LoadFaults, HostileFilesAreRefusedQuickly) {
    std::string deep = "<?xml version=\"1.0\" ?>\n";
    for (int i = 0; i < 100000; ++i)
        deep += "<a Value=\"a\">";
    ExpectRefused(deep, "100000 levels, unterminated");
    for (int i = 0; i < 100000; ++i)
        deep += "</a>";
    ExpectRefused(deep, "100000 levels, well formed");
    // The same depth behind a quoted '>' in the declaration, a quote after a
    // '<' that starts no element, or a character reference that the parser
    // runs on to a far ';'.
    for (const std::string head :
         {"<?xml version='><z q=' ?>\n", "<?xml version=\"1.0\" ?>\n<r><1 '>",
          "<?xml version=\"1.0\" ?>\n<r v=\"&#x\"><z 'x41;\">"}) {
        std::string hidden = head;
        for (int i = 0; i < 100000; ++i)
            hidden += "<a Value=\"a\">";
        ExpectRefused(hidden, head);
    }

    // Larger than any configuration could be.
    std::string big = good_.substr(0, good_.find("</Norrin>"));
    const std::string pad = "    <Pad Value=\"" + std::string(1000, 'x') + "\" />\r\n";
    while (big.size() < 17u * 1024 * 1024)
        big += pad;
    big += "</Norrin>\r\n";
    ExpectRefused(big, "17 MB");

    std::mt19937 random(12345);
    for (int round = 0; round < 20; ++round) {
        std::string noise(1000 + round * 500, '\0');
        for (char& c : noise)
            c = static_cast<char>(random() & 0xFF);
        if (round % 2)
            noise = "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n<Norrin" + noise;
        ExpectRefused(noise, "random bytes " + std::to_string(round));
    }
    // Random damage to a good file: each either loads or is refused, and a
    // refusal leaves the model alone.
    for (int round = 0; round < 50; ++round) {
        std::string damaged = good_;
        for (int k = 0; k < 5; ++k)
            damaged[random() % damaged.size()] = static_cast<char>(random() & 0xFF);
        WriteBytes(dir_.File("damaged.xml"), damaged);
        Project target;
        test::FillSample(target);
        std::string snapshot = Snapshot(target);
        std::string error;
        if (LoadFile(target, dir_.File("damaged.xml"), &error) == 0) {
            if (error.empty()) {
                EXPECT_FALSE(messages_.messages.empty()); // only the language message is silent
            }
            EXPECT_EQ(Snapshot(target), snapshot);
        }
        messages_.messages.clear();
    }
}

TEST_F(LoadFaults, AGoodLoadAfterRefusalsStillWorks) {
    ExpectRefused("garbage", "garbage");
    std::string error;
    ASSERT_EQ(LoadFile(model_, dir_.File("good.xml"), &error), 1) << error;
    EXPECT_EQ(model_.GetSubnet().GetProtocolType(), ProtocolType::ModbusMaster);
    EXPECT_NE(Snapshot(model_), before_);
}

} // namespace
} // namespace varkel
