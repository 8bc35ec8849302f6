// varkel-cli run as a program: exit statuses, outputs and the files it
// leaves behind.
#include "CliRun.h"
#include "model/FunctionCode.h"
#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace varkel::test {
namespace {

using Json = nlohmann::json;

class CliTest : public ::testing::Test {
protected:
    void SetUp() override { SetTextLanguage(TextLanguage::English); }
    void TearDown() override { SetTextLanguage(TextLanguage::Chinese); }

    // Runs the program with the English texts.
    CliOutput Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--lang", "en"});
        return RunProgram(VARKEL_CLI, args, dir.Path());
    }
    // Runs it in a Chinese locale, without --lang.
    CliOutput CliZh(const std::vector<std::string>& args) {
        return RunProgram(VARKEL_CLI, args, dir.Path(),
                          {{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "zh_CN.UTF-8"}});
    }
    std::string File(const std::string& name) { return dir.File(name); }

    Json Show(const std::string& file) {
        CliOutput shown = Cli({"show", file, "--json"});
        EXPECT_EQ(shown.status, 0) << shown.err;
        return Json::parse(shown.out, nullptr, false);
    }
    // A master-mode file with one node and one read command (function index 2).
    std::string MasterFile(const std::string& name = "m.xml") {
        std::string file = File(name);
        EXPECT_EQ(Cli({"new", "-o", file}).status, 0);
        EXPECT_EQ(Cli({"add-node", file}).status, 0);
        EXPECT_EQ(Cli({"add-command", file, "--function", "2"}).status, 0);
        return file;
    }
    // A configuration a gateway takes: addresses set and mapped.
    std::string ReadyFile() {
        std::string file = MasterFile("ready.xml");
        EXPECT_EQ(Cli({"set", file, "command:0:0", "1", "100"}).status, 0);
        EXPECT_EQ(Cli({"set", file, "command:0:0", "2", "4"}).status, 0);
        EXPECT_EQ(Cli({"add-command", file, "--function", "4"}).status, 0);
        EXPECT_EQ(Cli({"set", file, "command:0:1", "1", "5"}).status, 0);
        EXPECT_EQ(Cli({"set", file, "command:0:0", "9", "tank level"}).status, 0);
        EXPECT_EQ(Cli({"set", file, "subnet", "3", "Even"}).status, 0);
        EXPECT_EQ(Cli({"automap", file}).status, 0);
        return file;
    }
    // A file built in this process, for shapes that take many steps.
    std::string SaveProject(Project& project, const std::string& name) {
        std::string file = File(name);
        std::string error;
        EXPECT_EQ(SaveFile(project, file, &error), 1) << error;
        return file;
    }
    static Command* AddCommand(Project& project, int functionIndex, const std::string& count,
                               const std::string& offset = "0") {
        Subnet& subnet = project.GetSubnet();
        Node* node = subnet.GetNodeAt(0) ? subnet.GetNodeAt(0) : subnet.CreateNode();
        Command* command = node->CreateCommand(functionIndex);
        command->GetItem(Command::RegisterRow)->SetValue("0");
        command->GetItem(Command::DataNumberRow)->SetValue(count);
        command->GetItem(Command::BitOffsetRow)->SetValue(offset);
        command->GetItem(Command::MappingRow)->SetValue("0000H");
        return command;
    }
    // A refused edit must leave the file byte for byte.
    void ExpectRefused(const std::string& file, const std::vector<std::string>& args, int status) {
        const std::string before = ReadFile(file);
        CliOutput result = Cli(args);
        EXPECT_EQ(result.status, status) << result.err;
        EXPECT_FALSE(result.err.empty());
        EXPECT_EQ(ReadFile(file), before);
    }

    TempFolder dir;
};

TEST_F(CliTest, HelpDocumentsEveryCommandAndTheExitStatus) {
    CliOutput help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"new", "show", "check", "map", "automap", "add-node", "add-command",
                                "set", "download", "upload", "diff", "ports", "export", "import"})
        EXPECT_NE(help.out.find(std::string("  ") + command + " "), std::string::npos) << command;
    EXPECT_NE(help.out.find("73 output cannot be written"), std::string::npos);
    CliOutput chinese = CliZh({"--help"});
    EXPECT_EQ(chinese.status, 0);
    EXPECT_NE(chinese.out.find("退出状态"), std::string::npos);
    CliOutput setHelp = Cli({"set", "--help"});
    EXPECT_EQ(setHelp.status, 0);
    EXPECT_NE(setHelp.out.find("command:N:M"), std::string::npos);
}

TEST_F(CliTest, VersionAndUsageErrors) {
    CliOutput version = Cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_NE(version.out.find("varkel-cli "), std::string::npos);
    EXPECT_EQ(Cli({}).status, 64);
    EXPECT_EQ(Cli({"frobnicate"}).status, 64);
    EXPECT_EQ(CliZh({"--lang", "fr", "ports"}).status, 64);
    EXPECT_EQ(Cli({"show"}).status, 64);
    EXPECT_EQ(Cli({"set", File("x.xml"), "subnet", "7"}).status, 64);
    CliOutput range = Cli({"add-command", File("x.xml"), "--function", "14"});
    EXPECT_EQ(range.status, 64);
    EXPECT_FALSE(range.err.empty());
}

// Bytes that start a CJK character or full-width punctuation in UTF-8.
bool HasChineseCharacters(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0xE3 && c <= 0xEF)
            return true;
    return false;
}

// A file made in one language reads in the other: names, values and
// choices that are their key's text follow --lang; the file's data does not.
TEST_F(CliTest, ShowReadsStoredTextsInTheActiveLanguage) {
    const std::string zhFile = std::string(VARKEL_DOCS) + "/plant_zh.xml";
    const std::string enFile = std::string(VARKEL_DOCS) + "/plant_en.xml";
    const std::string english = Cli({"show", zhFile}).out;
    const std::string chinese = CliZh({"show", enFile}).out;
    for (int key : {17, 18, 4001, 4007, 3051, 3014, 52}) {
        SCOPED_TRACE(key);
        EXPECT_NE(english.find(TextIn(TextLanguage::English, key)), std::string::npos);
        EXPECT_EQ(english.find(TextIn(TextLanguage::Chinese, key)), std::string::npos);
        EXPECT_NE(chinese.find(TextIn(TextLanguage::Chinese, key)), std::string::npos);
    }
    // Shown in the same language, each file reads as the other one does.
    EXPECT_EQ(Cli({"show", enFile}).out.find(TextIn(TextLanguage::Chinese, 4001)),
              std::string::npos);
    // The file's own data stays as stored.
    EXPECT_NE(Cli({"show", zhFile, "--json"}).out.find(TextIn(TextLanguage::Chinese, 4001)),
              std::string::npos);
}

TEST_F(CliTest, MessagesFollowTheTextLanguage) {
    const std::string empty = File("empty.xml");
    WriteFile(empty, "");
    const std::string master = MasterFile();
    struct Case {
        std::vector<std::string> args;
        const char* english;
        const char* chinese;
    };
    const std::vector<Case> cases = {
        {{"show", File("missing.xml")}, "File not found: ", "找不到文件: "},
        {{"show", empty}, "is empty.", "是空的。"},
        {{"set", master, "subnet", "x", "1"}, "Invalid row: \"x\"", "行号无效: \"x\""},
        {{"add-node", master}, "The subnet already has the node", "子网已有节点"},
    };
    for (const Case& c : cases) {
        CliOutput en = Cli(c.args);
        EXPECT_NE(en.status, 0) << c.english;
        EXPECT_NE(en.err.find(c.english), std::string::npos) << en.err;
        EXPECT_FALSE(HasChineseCharacters(en.err)) << en.err;
        CliOutput zh = CliZh(c.args);
        EXPECT_EQ(zh.status, en.status) << c.chinese;
        EXPECT_NE(zh.err.find(c.chinese), std::string::npos) << zh.err;
    }
    CliOutput help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Exit status: 0 success"), std::string::npos);
    EXPECT_FALSE(HasChineseCharacters(help.out)) << help.out;
}

TEST_F(CliTest, NewWritesTheConstructionDefaults) {
    ASSERT_EQ(Cli({"new", "-o", File("a.xml")}).status, 0);
    Json json = Show(File("a.xml"));
    ASSERT_FALSE(json.is_discarded());
    EXPECT_EQ(json["protocolType"], 0);
    EXPECT_EQ(json["fieldbus"]["items"].size(), 5u);
    EXPECT_EQ(json["subnet"]["items"].size(), 12u);
    EXPECT_EQ(json["subnet"]["alwaysItems"].size(), 6u);
    EXPECT_EQ(json["subnet"]["masterItems"].size(), 6u);
    EXPECT_EQ(json["subnet"]["universalItems"].size(), 14u);
    EXPECT_TRUE(json["subnet"]["nodes"].empty());
    // The constructed polling mode, not the one a reset gives.
    EXPECT_EQ(json["subnet"]["items"][9]["value"], "Change-of-state output");
    const Json& item = json["subnet"]["items"][0];
    EXPECT_EQ(item["name"], "Protocol type");
    EXPECT_EQ(item["state"], 2);
    EXPECT_EQ(item["enable"], 1);
    EXPECT_EQ(item["choices"], Json::array({"Modbus master", "Universal mode"}));
    EXPECT_TRUE(item.contains("help"));
}

TEST_F(CliTest, NewUniversalSwitchesAsTheGridWould) {
    ASSERT_EQ(Cli({"new", "-o", File("u.xml"), "--universal"}).status, 0);
    Json json = Show(File("u.xml"));
    EXPECT_EQ(json["protocolType"], 1);
    EXPECT_EQ(json["subnet"]["items"].size(), 20u);
    EXPECT_EQ(json["subnet"]["items"][0]["value"], "Universal mode");
    EXPECT_EQ(json["fieldbus"]["items"][3]["enable"], 1);
    EXPECT_EQ(json["fieldbus"]["items"][4]["enable"], 0);
}

TEST_F(CliTest, OutputThatCannotBeWrittenIsRefused) {
    CliOutput missing = Cli({"new", "-o", File("no/such/a.xml")});
    EXPECT_EQ(missing.status, 73);
    EXPECT_FALSE(missing.err.empty());
    EXPECT_FALSE(FileExists(File("no")));
    ::mkdir(File("sub").c_str(), 0700);
    EXPECT_EQ(Cli({"new", "-o", File("sub")}).status, 73);
}

TEST_F(CliTest, InputsThatAreNotConfigurations) {
    CliOutput missing = Cli({"show", File("missing.xml")});
    EXPECT_EQ(missing.status, 66);
    EXPECT_NE(missing.err.find("missing.xml"), std::string::npos);
    EXPECT_EQ(Cli({"show", dir.Path()}).status, 66);

    WriteFile(File("garbage.xml"), "this is not xml <<<");
    EXPECT_EQ(Cli({"show", File("garbage.xml")}).status, 65);
    WriteFile(File("empty.xml"), "");
    EXPECT_EQ(Cli({"check", File("empty.xml")}).status, 65);
    WriteFile(File("bare.xml"), "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\n"
                                "<Norrin Value=\"Norrin\"><Product Value=\"Product\">"
                                "<ProductName Value=\"TRX10\" /><Language Value=\"Chinese\" />"
                                "</Product></Norrin>\n");
    CliOutput bare = Cli({"show", File("bare.xml")});
    EXPECT_EQ(bare.status, 65);
    EXPECT_NE(bare.err.find("Subnet"), std::string::npos) << bare.err;

    ASSERT_EQ(Cli({"new", "-o", File("en.xml")}).status, 0);
    std::string text = ReadFile(File("en.xml"));
    auto at = text.find("Value=\"Chinese\"");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 15, "Value=\"English\"");
    WriteFile(File("en.xml"), text);
    CliOutput foreign = Cli({"show", File("en.xml")});
    EXPECT_EQ(foreign.status, 65);
    EXPECT_NE(foreign.err.find("Language does not match!"), std::string::npos);
    CliOutput foreignZh = CliZh({"show", File("en.xml")});
    EXPECT_EQ(foreignZh.status, 65);
    EXPECT_NE(foreignZh.err.find("配置文件语言与当前软件不匹配!"), std::string::npos);
}

// A FIFO would block the read for ever: every command that reads a file
// refuses it (66) before opening it, as it does a folder.
TEST_F(CliTest, SpecialFilesAreRefusedWithoutWaiting) {
    const std::string file = MasterFile();
    ASSERT_EQ(::mkfifo(File("pipe.xml").c_str(), 0600), 0);
    ASSERT_EQ(::symlink(File("pipe.xml").c_str(), File("to-pipe.xml").c_str()), 0);
    for (const std::string& special :
         {File("pipe.xml"), File("to-pipe.xml"), std::string("/dev/null")}) {
        SCOPED_TRACE(special);
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"show", special},
              {"check", special},
              {"set", special, "subnet", "1", "9600"},
              {"automap", special},
              {"add-node", special},
              {"diff", file, special},
              {"map", special},
              {"export", special, "-o", File("out.xlsx")},
              {"import", file, "--from", special},
              {"download", file, "--ports-from", special},
              {"upload", "--ports-from", special, "-o", File("rack")}}) {
            CliOutput result = Cli(args);
            EXPECT_EQ(result.status, 66) << args[0] << ": " << result.err;
            EXPECT_NE(result.err.find("not a regular file"), std::string::npos) << result.err;
        }
        CliOutput zh = CliZh({"show", special});
        EXPECT_EQ(zh.status, 66);
        EXPECT_NE(zh.err.find("不是普通文件"), std::string::npos) << zh.err;
        // A template that is no regular file is refused too.
        CliOutput workbook = Cli({"export", file, "-o", File("out.xlsx"), "--template", special});
        EXPECT_EQ(workbook.status, 66) << workbook.err;
        EXPECT_FALSE(FileExists(File("out.xlsx")));
    }
}

// download, upload and probe say why a path is no serial port, in the
// active language, and never wait on a FIFO.
TEST_F(CliTest, APathThatIsNoPortIsRefusedWithItsReason) {
    const std::string file = ReadyFile();
    ASSERT_EQ(::mkfifo(File("fifo").c_str(), 0600), 0);
    WriteFile(File("plain"), "not a port\n");
    struct Case {
        std::string port;
        const char* english;
        const char* chinese;
    };
    const Case cases[] = {
        {File("fifo"), " is not a serial port: it is a named pipe (FIFO).", "命名管道"},
        {File("plain"), " is not a serial port: it is a regular file.", "普通文件"},
        {dir.Path(), " is not a serial port: it is a folder.", "文件夹"},
        {"/dev/null", " is not a serial port: it is a device that is not a terminal.",
         "不是终端的设备"},
        {"/dev/zero", " is not a serial port: it is a device that is not a terminal.",
         "不是终端的设备"},
        {File("none"), " does not exist.", "不存在"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"download", file, "--port", c.port},
              {"upload", "--port", c.port, "-o", File("up.xml")},
              {"probe", file, "--port", c.port}}) {
            const CliOutput result = Cli(args);
            EXPECT_EQ(result.status, 4) << args[0] << ": " << result.err;
            EXPECT_NE(result.err.find("Failed to open serial port\n" + c.port + c.english),
                      std::string::npos)
                << args[0] << ": " << result.err;
        }
        const CliOutput zh = CliZh({"download", file, "--port", c.port});
        EXPECT_EQ(zh.status, 4);
        EXPECT_NE(zh.err.find("打开串口失败\n" + c.port), std::string::npos) << zh.err;
        EXPECT_NE(zh.err.find(c.chinese), std::string::npos) << zh.err;
    }
    EXPECT_FALSE(FileExists(File("up.xml")));
    // With several ports each row of the table says its own reason.
    const CliOutput rack = Cli({"download", file, "--port", File("fifo"), "--port", File("plain")});
    EXPECT_EQ(rack.status, 4);
    EXPECT_NE(rack.out.find("named pipe (FIFO)"), std::string::npos) << rack.out;
    EXPECT_NE(rack.out.find("regular file"), std::string::npos) << rack.out;
}

// "new -o link" with the link's target still to be made creates the target
// through the link; the link stays.
TEST_F(CliTest, ADanglingOutputLinkGetsItsTarget) {
    ::mkdir(File("real").c_str(), 0700);
    ASSERT_EQ(::symlink("real/made.xml", File("link.xml").c_str()), 0);
    CliOutput made = Cli({"new", "-o", File("link.xml")});
    ASSERT_EQ(made.status, 0) << made.err;
    struct stat st {};
    ASSERT_EQ(::lstat(File("link.xml").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::lstat(File("real/made.xml").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(Cli({"set", File("link.xml"), "subnet", "1", "9600"}).status, 0);
    ASSERT_EQ(::lstat(File("link.xml").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST_F(CliTest, ShowListsTheTree) {
    std::string file = MasterFile();
    CliOutput shown = Cli({"show", file});
    EXPECT_EQ(shown.status, 0);
    EXPECT_NE(shown.out.find("Node(1)  (node:0)"), std::string::npos);
    EXPECT_NE(shown.out.find("#1 03 Read Holding Registers  (command:0:0"), std::string::npos);
    EXPECT_NE(shown.out.find("[3] Parity: None"), std::string::npos);
    Json json = Show(file);
    const Json& command = json["subnet"]["nodes"][0]["commands"][0];
    EXPECT_EQ(command["functionIndex"], 2);
    EXPECT_EQ(command["items"].size(), 10u);
    EXPECT_EQ(command["items"][0]["value"], "3");
}

TEST_F(CliTest, TypedValuesAreCheckedAndRewritten) {
    std::string file = MasterFile();
    auto value = [&](const char* object, int row) {
        Json json = Show(file);
        if (std::string(object) == "subnet")
            return json["subnet"]["items"][row]["value"].get<std::string>();
        if (std::string(object) == "node")
            return json["subnet"]["nodes"][0]["items"][row]["value"].get<std::string>();
        return json["subnet"]["nodes"][0]["commands"][0]["items"][row]["value"].get<std::string>();
    };

    CliOutput kept = Cli({"set", file, "subnet", "8", "2500"});
    EXPECT_EQ(kept.status, 0);
    EXPECT_EQ(kept.out, "2500\n");
    ExpectRefused(file, {"set", file, "subnet", "8", "2501"}, 8);
    ExpectRefused(file, {"set", file, "subnet", "8", "-1"}, 7);
    ExpectRefused(file, {"set", file, "subnet", "7", ""}, 6);
    EXPECT_EQ(value("subnet", 8), "2500");
    EXPECT_EQ(Cli({"set", file, "subnet", "8", "7"}).out, "0\n");
    EXPECT_EQ(value("subnet", 8), "0");

    EXPECT_EQ(Cli({"set", file, "command:0:0", "3", "a7"}).out, "A7H\n");
    EXPECT_EQ(value("command", 3), "A7H");
    ExpectRefused(file, {"set", file, "command:0:0", "3", "00A8"}, 8);
    EXPECT_EQ(Cli({"set", file, "command:0:0", "3", ""}).out, "H\n");
    EXPECT_EQ(value("command", 3), "H");

    ASSERT_EQ(Cli({"add-command", file, "--function", "13"}).status, 0);
    ExpectRefused(file, {"set", file, "command:0:1", "3", ""}, 8);

    ASSERT_EQ(Cli({"set", file, "subnet", "6", "ASCII"}).status, 0);
    ExpectRefused(file, {"set", file, "command:0:0", "2", "46"}, 8);
    ExpectRefused(file, {"set", file, "command:0:1", "2", "46"}, 8);
    EXPECT_EQ(Cli({"set", file, "command:0:1", "2", "45"}).status, 0);

    CliOutput renamed = Cli({"set", file, "node:0", "0", "010"});
    EXPECT_EQ(renamed.status, 0);
    EXPECT_NE(renamed.out.find("Node(010)"), std::string::npos);
    EXPECT_EQ(Show(file)["subnet"]["nodes"][0]["name"], "Node(010)");
    EXPECT_EQ(value("node", 0), "010");
    ExpectRefused(file, {"set", file, "node:0", "0", "248"}, 8);
}

TEST_F(CliTest, SameValueLeavesTheFileUntouched) {
    std::string file = MasterFile();
    const std::string before = ReadFile(file);
    CliOutput same = Cli({"set", file, "subnet", "7", "300"});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(ReadFile(file), before);
}

TEST_F(CliTest, SavingThroughALinkKeepsTheLink) {
    std::string file = MasterFile();
    ASSERT_EQ(::symlink(file.c_str(), File("link.xml").c_str()), 0);
    ASSERT_EQ(Cli({"set", File("link.xml"), "subnet", "7", "400"}).status, 0);
    struct stat info {};
    ASSERT_EQ(::lstat(File("link.xml").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(Show(file)["subnet"]["items"][7]["value"], "400");
}

TEST_F(CliTest, ChoiceRulesOfTheUniversalMode) {
    std::string file = File("u.xml");
    ASSERT_EQ(Cli({"new", "-o", file, "--universal"}).status, 0);
    ASSERT_EQ(Cli({"set", file, "subnet", "19", "Open"}).status, 0);
    CliOutput delimiter = Cli({"set", file, "subnet", "12", "Delimiter"});
    EXPECT_EQ(delimiter.status, 0);
    EXPECT_NE(delimiter.out.find("row 19 CRC check: Close"), std::string::npos) << delimiter.out;
    Json json = Show(file);
    const Json& items = json["subnet"]["items"];
    EXPECT_EQ(items[19]["value"], "Close");
    EXPECT_EQ(items[19]["enable"], 0);
    EXPECT_EQ(items[14]["enable"], 0);
    EXPECT_EQ(items[15]["enable"], 1);
    EXPECT_EQ(items[16]["enable"], 1);
    ExpectRefused(file, {"set", file, "subnet", "19", "Open"}, 64);
    EXPECT_EQ(Cli({"set", file, "subnet", "15", "2"}).status, 0);

    ASSERT_EQ(Cli({"set", file, "subnet", "12", "Character timeout"}).status, 0);
    json = Show(file);
    EXPECT_EQ(json["subnet"]["items"][19]["enable"], 1);
    EXPECT_EQ(json["subnet"]["items"][19]["value"], "Close");

    ASSERT_EQ(Cli({"set", file, "subnet", "17", "Open"}).status, 0);
    EXPECT_EQ(Show(file)["subnet"]["items"][18]["enable"], 1);
}

TEST_F(CliTest, ProtocolSwitchKeepsBothModeLists) {
    std::string file = MasterFile();
    ASSERT_EQ(Cli({"set", file, "subnet", "7", "500"}).status, 0);
    CliOutput toUniversal = Cli({"set", file, "subnet", "0", "Universal mode"});
    EXPECT_EQ(toUniversal.status, 0);
    EXPECT_NE(toUniversal.out.find("protocol type: 1"), std::string::npos);
    ASSERT_EQ(Cli({"set", file, "subnet", "13", "250"}).status, 0);
    // The node stays in the file while universal mode hides it.
    EXPECT_EQ(Show(file)["subnet"]["nodes"].size(), 1u);
    ASSERT_EQ(Cli({"set", file, "subnet", "0", "Modbus master"}).status, 0);
    Json json = Show(file);
    EXPECT_EQ(json["protocolType"], 0);
    EXPECT_EQ(json["subnet"]["items"].size(), 12u);
    EXPECT_EQ(json["subnet"]["items"][7]["value"], "500");
    EXPECT_EQ(json["subnet"]["universalItems"][7]["value"], "250");
    EXPECT_EQ(json["fieldbus"]["items"][3]["enable"], 0);
    EXPECT_EQ(json["fieldbus"]["items"][4]["enable"], 1);
}

TEST_F(CliTest, ChineseChoicesInTheChineseTable) {
    std::string file = File("zh.xml");
    ASSERT_EQ(CliZh({"new", "-o", file}).status, 0);
    CliOutput switched = CliZh({"set", file, "subnet", "0", "通用模式"});
    EXPECT_EQ(switched.status, 0);
    EXPECT_EQ(Show(file)["protocolType"], 1);
    CliOutput refused = CliZh({"set", file, "subnet", "12", "Delimiter"});
    EXPECT_EQ(refused.status, 64);
    EXPECT_NE(refused.err.find("分隔符"), std::string::npos);
}

TEST_F(CliTest, EditsThatCannotBeMade) {
    std::string file = MasterFile();
    ExpectRefused(file, {"set", file, "fieldbus", "0", "x"}, 64);        // shown only
    ExpectRefused(file, {"set", file, "fieldbus", "3", "Open"}, 64);     // greyed
    ExpectRefused(file, {"set", file, "subnet", "1", "4800"}, 64);       // not a choice
    ExpectRefused(file, {"set", file, "subnet", "12", "Delimiter"}, 64); // no row 12 here
    ExpectRefused(file, {"set", file, "subnet", "x", "1"}, 64);
    ExpectRefused(file, {"set", file, "node:1", "0", "5"}, 64);
    ExpectRefused(file, {"set", file, "command:0:5", "1", "5"}, 64);
    ExpectRefused(file, {"set", file, "gateway", "0", "5"}, 64);
    EXPECT_EQ(Cli({"set", file, "fieldbus", "4", "Open"}).status, 0);
}

TEST_F(CliTest, AddNodeAndAddCommandFollowTheEditor) {
    std::string file = File("n.xml");
    ASSERT_EQ(Cli({"new", "-o", file}).status, 0);
    ExpectRefused(file, {"add-command", file, "--function", "2"}, 64); // no node yet
    CliOutput node = Cli({"add-node", file});
    EXPECT_EQ(node.status, 0);
    EXPECT_EQ(node.out, "Node(1)\n");
    ExpectRefused(file, {"add-node", file}, 64);
    ExpectRefused(file, {"add-command", file, "--function", "7"}, 64);
    ExpectRefused(file, {"add-command", file, "--function", "2", "--node", "1"}, 64);
    CliOutput command = Cli({"add-command", file, "--function", "12"});
    EXPECT_EQ(command.status, 0);
    EXPECT_EQ(command.out, "Node(1) #1 15 Force Multiple Coils\n");
    EXPECT_EQ(Show(file)["subnet"]["nodes"][0]["commands"][0]["functionIndex"], 12);

    std::string universal = File("u.xml");
    ASSERT_EQ(Cli({"new", "-o", universal, "--universal"}).status, 0);
    ExpectRefused(universal, {"add-node", universal}, 64);
}

TEST_F(CliTest, TheFirstNodeHoldsAtMost48Commands) {
    auto project = std::make_unique<Project>();
    for (int i = 0; i < 48; ++i)
        AddCommand(*project, 2, "1");
    std::string file = SaveProject(*project, "full.xml");
    const std::string before = ReadFile(file);
    CliOutput refused = Cli({"add-command", file, "--function", "2"});
    EXPECT_EQ(refused.status, 8);
    EXPECT_NE(refused.err.find("Allows a maximum of 48 commands"), std::string::npos);
    EXPECT_EQ(ReadFile(file), before);
    CliOutput chinese = CliZh({"add-command", file, "--function", "2"});
    EXPECT_EQ(chinese.status, 8);
    EXPECT_NE(chinese.err.find("最多允许48条命令"), std::string::npos);
}

TEST_F(CliTest, AutoMapWritesConsecutiveAddresses) {
    auto project = std::make_unique<Project>();
    AddCommand(*project, 0, "10", "3"); // code 1: 2 bytes
    AddCommand(*project, 2, "4");       // code 3: 8 bytes
    AddCommand(*project, 13, "2");      // code 16: 4 bytes
    AddCommand(*project, 4, "1", "7");  // code 5: 1 byte
    std::string file = SaveProject(*project, "map.xml");
    const std::string before = ReadFile(file);

    CliOutput other = Cli({"automap", file, "-o", File("mapped.xml")});
    EXPECT_EQ(other.status, 0) << other.err;
    EXPECT_EQ(ReadFile(file), before);

    EXPECT_EQ(Cli({"automap", file}).status, 0);
    Json commands = Show(file)["subnet"]["nodes"][0]["commands"];
    EXPECT_EQ(commands[0]["items"][3]["value"], "0000H");
    EXPECT_EQ(commands[1]["items"][3]["value"], "0002H");
    EXPECT_EQ(commands[2]["items"][3]["value"], "4000H");
    EXPECT_EQ(commands[3]["items"][3]["value"], "4004H");
    EXPECT_EQ(commands[0]["items"][5]["value"], "2");
    EXPECT_EQ(commands[1]["items"][5]["value"], "8");
    EXPECT_EQ(commands[3]["items"][5]["value"], "1");
    EXPECT_EQ(ReadFile(File("mapped.xml")).size() > 0, true);
    EXPECT_EQ(Show(File("mapped.xml"))["subnet"]["nodes"][0]["commands"][3]["items"][3]["value"],
              "4004H");

    std::string universal = File("u.xml");
    ASSERT_EQ(Cli({"new", "-o", universal, "--universal"}).status, 0);
    ExpectRefused(universal, {"automap", universal}, 64);
}

TEST_F(CliTest, AutoMapOverflowKeepsTheMapping) {
    auto project = std::make_unique<Project>();
    for (int i = 0; i < 22; ++i) // 22 x 8 bytes = 176 > 168
        AddCommand(*project, 2, "4");
    std::string file = SaveProject(*project, "over.xml");
    CliOutput over = Cli({"automap", file});
    EXPECT_EQ(over.status, 13);
    EXPECT_NE(over.err.find("Input mapping address overflow!"), std::string::npos);
    Json commands = Show(file)["subnet"]["nodes"][0]["commands"];
    EXPECT_EQ(commands[21]["items"][3]["value"], "00A8H");
    EXPECT_EQ(Cli({"check", file}).status, 13);
}

TEST_F(CliTest, CheckReportsEveryProblem) {
    std::string file = MasterFile();
    CliOutput empty = Cli({"check", file});
    EXPECT_EQ(empty.status, 6);
    // Register, data number and mapping of the one command are all empty.
    EXPECT_NE(empty.out.find("[6] An item is empty: Node(1) / #1 03 Read Holding Registers: "
                             "The starting address of Modbus register"),
              std::string::npos)
        << empty.out;
    EXPECT_NE(empty.out.find(": Data number"), std::string::npos);
    EXPECT_NE(empty.out.find(": The starting address of mapping memory(HEX)"), std::string::npos);

    auto project = std::make_unique<Project>();
    AddCommand(*project, 2, "2");
    AddCommand(*project, 2, "1");
    AddCommand(*project, 5, "1")->GetItem(Command::MappingRow)->SetValue("4000H");
    std::string conflicting = SaveProject(*project, "c.xml");
    CliOutput conflict = Cli({"check", conflicting});
    EXPECT_EQ(conflict.status, 11);
    EXPECT_NE(conflict.out.find("[11] Mapping address conflict: Node(1) / #1 03 Read Holding "
                                "Registers <> Node(1) / #2 03 Read Holding Registers: input "
                                "memory bits 0-15"),
              std::string::npos)
        << conflict.out;
    EXPECT_EQ(conflict.out.find("#3"), std::string::npos); // the write command is clear

    ASSERT_EQ(Cli({"automap", conflicting}).status, 0);
    CliOutput clean = Cli({"check", conflicting});
    EXPECT_EQ(clean.status, 0);
    EXPECT_NE(clean.out.find("No problems found"), std::string::npos);
}

TEST_F(CliTest, MapShowsBitsUsedInConflictAndOverflowing) {
    auto project = std::make_unique<Project>();
    AddCommand(*project, 2, "2")->GetItem(Command::MappingRow)->SetValue("00A6H");
    AddCommand(*project, 0, "3")->GetItem(Command::MappingRow)->SetValue("00A7H");
    AddCommand(*project, 4, "1", "2")->GetItem(Command::MappingRow)->SetValue("4001H");
    std::string file = SaveProject(*project, "bits.xml");
    CliOutput mapped = Cli({"map", file, "--json"});
    ASSERT_EQ(mapped.status, 0);
    Json json = Json::parse(mapped.out);
    EXPECT_EQ(json["input"]["conflict"], Json::array({1336, 1337, 1338}));
    EXPECT_EQ(json["input"]["used"].size(), 13u);
    EXPECT_EQ(json["input"]["overflow"].size(), 16u);
    EXPECT_EQ(json["input"]["overflow"][0], 1344);
    EXPECT_EQ(json["output"]["used"], Json::array({10}));
    EXPECT_TRUE(json["output"]["conflict"].empty());

    CliOutput readable = Cli({"map", file});
    EXPECT_EQ(readable.status, 0);
    EXPECT_NE(readable.out.find("00A0H  ........"), std::string::npos) << readable.out;
    EXPECT_NE(readable.out.find("######## XXX#####"), std::string::npos);
    EXPECT_NE(readable.out.find("4000H  ........ ..#....."), std::string::npos);
    EXPECT_NE(readable.out.find("1344-1359"), std::string::npos);
}

TEST_F(CliTest, DiffComparesFieldByField) {
    std::string a = MasterFile("a.xml");
    CliOutput same = Cli({"diff", a, a});
    EXPECT_EQ(same.status, 0);
    EXPECT_NE(same.out.find("equal"), std::string::npos);

    std::string b = File("b.xml");
    WriteFile(b, ReadFile(a));
    ASSERT_EQ(Cli({"set", b, "command:0:0", "9", "pump 1"}).status, 0);
    ASSERT_EQ(Cli({"set", b, "subnet", "3", "Even"}).status, 0);
    CliOutput differ = Cli({"diff", a, b});
    EXPECT_EQ(differ.status, 1);
    EXPECT_NE(differ.out.find("subnet[3] Parity value: \"None\" -> \"Even\""), std::string::npos)
        << differ.out;
    EXPECT_NE(differ.out.find("node[0].command[0][9] Mnemonic value: \"\" -> \"pump 1\""),
              std::string::npos);
    CliOutput json = Cli({"diff", a, b, "--json"});
    EXPECT_EQ(json.status, 1);
    Json parsed = Json::parse(json.out);
    EXPECT_EQ(parsed["equal"], false);
    EXPECT_EQ(parsed["differences"].size(), 2u);
    EXPECT_EQ(Cli({"diff", a, File("nothing.xml")}).status, 66);
}

// A file made in Chinese and one made in English of the same configuration
// hold the same settings: choices and function names compare by their key,
// and what differs in texts only is listed on request.
TEST_F(CliTest, DiffComparesSettingsNotTheLanguageAFileWasMadeIn) {
    const auto en = [](int key) { return TextIn(TextLanguage::English, key); };
    const auto zh = [](int key) { return TextIn(TextLanguage::Chinese, key); };
    const auto make = [this](const std::string& name, TextLanguage language) {
        const auto run = [&](const std::vector<std::string>& args) {
            return language == TextLanguage::English ? Cli(args) : CliZh(args);
        };
        const std::string file = File(name);
        EXPECT_EQ(run({"new", "-o", file}).status, 0);
        EXPECT_EQ(run({"add-node", file}).status, 0);
        EXPECT_EQ(run({"add-command", file, "--function", "2"}).status, 0);
        EXPECT_EQ(run({"add-command", file, "--function", "4"}).status, 0);
        const std::vector<std::vector<std::string>> edits = {
            {"subnet", "3", TextIn(language, kKeyParityEven)},
            {"command:0:0", "1", "100"},
            {"command:0:0", "2", "4"},
            {"command:0:0", "6", TextIn(language, kKeyTwoBytesSwapping)},
            {"command:0:1", "8", TextIn(language, kKeySlowScan)}};
        for (const auto& edit : edits)
            EXPECT_EQ(run({"set", file, edit[0], edit[1], edit[2]}).status, 0) << edit[0];
        EXPECT_EQ(run({"automap", file}).status, 0);
        return file;
    };
    const std::string chinese = make("zh.xml", TextLanguage::Chinese);
    const std::string english = make("en.xml", TextLanguage::English);
    const std::string readName = en(FactsOfIndex(2).nameKey);

    struct Case {
        const char* what;
        std::vector<std::string> edit; // set on a copy of the English file
        bool texts;
        int status;
        std::vector<std::string> differences; // path field "a" "b", in English
        std::vector<std::string> textsFound;  // among the differences in texts only
    };
    const std::vector<Case> cases = {
        {"the same configuration", {}, false, 0, {}, {}},
        {"another choice of the same item",
         {"subnet", "3", en(kKeyParityOdd)},
         false,
         1,
         {"subnet[3] value \"" + en(kKeyParityEven) + "\" \"" + en(kKeyParityOdd) + "\""},
         {}},
        {"another choice in a command",
         {"command:0:1", "8", en(kKeyQuickScan)},
         false,
         1,
         {"node[0].command[1][8] value \"" + en(kKeySlowScan) + "\" \"" + en(kKeyQuickScan) + "\""},
         {}},
        {"another number",
         {"command:0:0", "1", "101"},
         false,
         1,
         {"node[0].command[0][1] value \"100\" \"101\""},
         {}},
        {"texts listed, settings equal",
         {},
         true,
         0,
         {},
         {"subnet[3] value \"" + zh(kKeyParityEven) + "\" \"" + en(kKeyParityEven) + "\"",
          "node[0].command[0][6] value \"" + zh(kKeyTwoBytesSwapping) + "\" \"" +
              en(kKeyTwoBytesSwapping) + "\"",
          "node[0].command[0] name \"" + zh(FactsOfIndex(2).nameKey) + "\" \"" + readName + "\"",
          "subnet[3] name \"" + zh(4007) + "\" \"" + en(4007) + "\""}},
    };
    const auto line = [](const Json& d) {
        return d["path"].get<std::string>() + " " + d["field"].get<std::string>() + " \"" +
               d["a"].get<std::string>() + "\" \"" + d["b"].get<std::string>() + "\"";
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string other = File("other.xml");
        WriteFile(other, ReadFile(english));
        if (!c.edit.empty()) {
            ASSERT_EQ(Cli({"set", other, c.edit[0], c.edit[1], c.edit[2]}).status, 0);
        }
        std::vector<std::string> args = {"diff", chinese, other, "--json"};
        if (c.texts)
            args.push_back("--texts");
        const CliOutput diff = Cli(args);
        EXPECT_EQ(diff.status, c.status) << diff.out << diff.err;
        const Json json = Json::parse(diff.out, nullptr, false);
        ASSERT_FALSE(json.is_discarded()) << diff.out;
        EXPECT_EQ(json["equal"], c.status == 0);
        std::vector<std::string> found;
        for (const Json& d : json["differences"])
            found.push_back(line(d));
        EXPECT_EQ(found, c.differences);
        ASSERT_EQ(json.contains("texts"), c.texts);
        if (!c.texts)
            continue;
        std::vector<std::string> texts;
        for (const Json& d : json["texts"]) {
            EXPECT_NE(d["a"], d["b"]) << line(d);
            texts.push_back(line(d));
        }
        for (const std::string& expected : c.textsFound)
            EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
        // The readable form lists them apart; they change nothing of the status.
        const CliOutput readable = Cli({"diff", chinese, other, "--texts"});
        EXPECT_EQ(readable.status, 0);
        EXPECT_NE(readable.out.find("  node[0].command[0] name: \"" + zh(FactsOfIndex(2).nameKey) +
                                    "\" -> \"" + readName + "\""),
                  std::string::npos)
            << readable.out;
        EXPECT_NE(readable.out.find(std::to_string(texts.size()) + " differences in texts only"),
                  std::string::npos);
    }
}

TEST_F(CliTest, PortsListsOnePerLine) {
    CliOutput ports = Cli({"ports"});
    EXPECT_EQ(ports.status, 0);
    for (size_t start = 0; start < ports.out.size();) {
        size_t end = ports.out.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        EXPECT_EQ(ports.out.compare(start, 5, "/dev/"), 0);
        start = end + 1;
    }
}

TEST_F(CliTest, ExportWritesAWorkbookOrNothing) {
    std::string file = MasterFile();
    CliOutput done = Cli({"export", file, "-o", File("out.xlsx")});
    EXPECT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(ReadFile(File("out.xlsx")).substr(0, 2), "PK");

    CliOutput noTemplate =
        Cli({"export", file, "-o", File("t.xlsx"), "--template", File("none.xlsx")});
    EXPECT_EQ(noTemplate.status, 66);
    EXPECT_FALSE(noTemplate.err.empty());
    EXPECT_FALSE(FileExists(File("t.xlsx")));

    WriteFile(File("fake.xlsx"), "not a workbook");
    EXPECT_EQ(Cli({"export", file, "-o", File("t.xlsx"), "--template", File("fake.xlsx")}).status,
              65);
    EXPECT_FALSE(FileExists(File("t.xlsx")));
    EXPECT_EQ(Cli({"export", file, "-o", File("no/t.xlsx")}).status, 73);
    EXPECT_EQ(Cli({"export", File("none.xml"), "-o", File("t.xlsx")}).status, 66);
    EXPECT_FALSE(FileExists(File("t.xlsx")));
}

TEST_F(CliTest, ImportTakesTheExportedWorkbookBack) {
    std::string file = MasterFile();
    ASSERT_EQ(Cli({"set", file, "command:0:0", "2", "12"}).status, 0);
    ASSERT_EQ(Cli({"add-command", file, "--function", "12"}).status, 0);
    ASSERT_EQ(Cli({"set", file, "command:0:1", "4", "3"}).status, 0);
    ASSERT_EQ(Cli({"set", file, "command:0:0", "9", "flow; \"total\""}).status, 0);
    ASSERT_EQ(Cli({"automap", file}).status, 0);
    ASSERT_EQ(Cli({"export", file, "-o", File("list.xlsx")}).status, 0);
    const Json before = Show(file);

    // Into a configuration whose node has other commands: they are replaced.
    std::string target = MasterFile("target.xml");
    CliOutput done = Cli({"import", target, "--from", File("list.xlsx"), "--automap"});
    ASSERT_EQ(done.status, 0) << done.err;
    EXPECT_NE(done.out.find("2 commands imported"), std::string::npos) << done.out;
    EXPECT_EQ(Show(target)["subnet"], before["subnet"]);

    // Appending doubles them; the Chinese texts are taken in English mode.
    ASSERT_EQ(Cli({"import", target, "--from", File("list.xlsx"), "--append"}).status, 0);
    EXPECT_EQ(Show(target)["subnet"]["nodes"][0]["commands"].size(), 4u);
    WriteFile(File("zh.csv"), "功能码,扫描方式\n03 读保持寄存器,慢速扫描\n");
    ASSERT_EQ(Cli({"import", target, "--from", File("zh.csv")}).status, 0);
    EXPECT_EQ(Show(target)["subnet"]["nodes"][0]["commands"][0]["items"][8]["value"], "Slow-scan");
}

TEST_F(CliTest, ImportRefusesAsSetDoesAndChangesNothing) {
    std::string file = MasterFile();
    WriteFile(File("range.csv"), "function,count\n3,2\n3,85\n1,x\n");
    CliOutput range = Cli({"import", file, "--from", File("range.csv")});
    EXPECT_EQ(range.status, 8);
    EXPECT_NE(
        range.err.find("range.csv row 3 column B (count): Data number: 85 is out of range 1-84"),
        std::string::npos)
        << range.err;
    EXPECT_NE(range.err.find("row 4 column B"), std::string::npos) << range.err;
    WriteFile(File("choice.csv"), "function;scan\n3;Sometimes\n");
    ExpectRefused(file, {"import", file, "--from", File("choice.csv")}, 64);
    ExpectRefused(file, {"import", file, "--from", File("range.csv")}, 8);

    // Unreadable lists, hostile or not a command list at all.
    WriteFile(File("nul.csv"), std::string("function\n3\0\n", 12));
    ExpectRefused(file, {"import", file, "--from", File("nul.csv")}, 65);
    WriteFile(File("broken.xlsx"), "PK\x03\x04 broken");
    ExpectRefused(file, {"import", file, "--from", File("broken.xlsx")}, 65);
    WriteFile(File("header.csv"), "start,count\n1,2\n");
    ExpectRefused(file, {"import", file, "--from", File("header.csv")}, 65);
    ExpectRefused(file, {"import", file, "--from", File("absent.csv")}, 66);
    ExpectRefused(File("none.xml"), {"import", File("none.xml"), "--from", File("nul.csv")}, 66);
}

#ifdef VARKEL_SIM
class CliGatewayTest : public CliTest {
protected:
    std::string Link() { return File("gw"); }
};

TEST_F(CliGatewayTest, DownloadThenUploadDiffersOnlyInWhatTheGatewayDoesNotKeep) {
    std::string file = ReadyFile();
    SimGateway gateway(VARKEL_SIM, Link());
    ASSERT_TRUE(gateway.Ready());

    CliOutput down = Cli({"download", file, "--port", Link(), "--trace"});
    EXPECT_EQ(down.status, 0) << down.err;
    EXPECT_NE(down.out.find("Download successfully"), std::string::npos);
    EXPECT_NE(down.err.find(" > 01 00 01"), std::string::npos) << down.err;
    EXPECT_NE(down.err.find(" < 10 00 10"), std::string::npos);

    CliOutput up = Cli({"upload", "--port", Link(), "-o", File("up.xml")});
    EXPECT_EQ(up.status, 0) << up.err;
    EXPECT_NE(up.out.find("Upload successfully"), std::string::npos);

    CliOutput diff = Cli({"diff", file, File("up.xml"), "--json"});
    EXPECT_EQ(diff.status, 1);
    Json json = Json::parse(diff.out);
    ASSERT_EQ(json["differences"].size(), 1u) << diff.out;
    EXPECT_EQ(json["differences"][0]["path"], "node[0].command[0][9]");
    EXPECT_EQ(json["differences"][0]["a"], "tank level");
    EXPECT_EQ(Show(File("up.xml"))["subnet"]["items"][3]["value"], "Even");

    // Uploading into a base keeps what the gateway does not send: here the
    // universal-mode values of a gateway in Modbus master mode.
    std::string base = File("base.xml");
    WriteFile(base, ReadFile(file));
    ASSERT_EQ(Cli({"set", base, "subnet", "0", "Universal mode"}).status, 0);
    ASSERT_EQ(Cli({"set", base, "subnet", "13", "250"}).status, 0);
    ASSERT_EQ(Cli({"set", base, "subnet", "0", "Modbus master"}).status, 0);
    CliOutput based = Cli({"upload", "--port", Link(), "-o", File("up2.xml"), "--base", base});
    EXPECT_EQ(based.status, 0) << based.err;
    EXPECT_EQ(Show(File("up2.xml"))["subnet"]["universalItems"][7]["value"], "250");
    EXPECT_EQ(Show(File("up.xml"))["subnet"]["universalItems"][7]["value"], "10");
}

// The example was made in Chinese; uploaded in English it is the same
// configuration, and a changed reference gives exactly its change.
TEST_F(CliGatewayTest, UploadComparesWithAReferenceMadeInTheOtherLanguage) {
    const std::string example = std::string(VARKEL_DOCS) + "/example.xml";
    SimGateway gateway(VARKEL_SIM, Link());
    ASSERT_TRUE(gateway.Ready());
    ASSERT_EQ(Cli({"download", example, "--port", Link()}).status, 0);

    CliOutput same = Cli({"upload", "--port", Link(), "-o", File("up.xml"), "--compare", example});
    EXPECT_EQ(same.status, 0) << same.out << same.err;
    EXPECT_NE(same.out.find(Link() + ": the same as " + example), std::string::npos) << same.out;

    const std::string changed = File("changed.xml");
    WriteFile(changed, ReadFile(example));
    ASSERT_EQ(
        CliZh({"set", changed, "subnet", "3", TextIn(TextLanguage::Chinese, kKeyParityOdd)}).status,
        0);
    CliOutput differs =
        Cli({"upload", "--port", Link(), "-o", File("up.xml"), "--compare", changed});
    EXPECT_EQ(differs.status, 1);
    EXPECT_NE(differs.out.find(Link() + ": 1 differences from " + changed), std::string::npos)
        << differs.out;
    EXPECT_NE(differs.out.find("subnet[3] Parity value: \"Odd\" -> \"None\""), std::string::npos)
        << differs.out;
}

TEST_F(CliGatewayTest, NothingIsSentWhenTheChecksFail) {
    std::string file = MasterFile(); // the command's values are empty
    SimGateway gateway(VARKEL_SIM, Link(), {"--state", File("gw.state")});
    ASSERT_TRUE(gateway.Ready());
    CliOutput down = Cli({"download", file, "--port", Link(), "--trace"});
    EXPECT_EQ(down.status, 6);
    EXPECT_EQ(down.err.find(" > "), std::string::npos) << down.err;
    EXPECT_NE(down.err.find("The Following data is empty!"), std::string::npos);
}

TEST_F(CliGatewayTest, FailedTransfersWriteNothing) {
    std::string file = ReadyFile();
    CliOutput noPort = Cli({"download", file, "--port", File("no-such-port")});
    EXPECT_EQ(noPort.status, 4);
    EXPECT_FALSE(noPort.err.empty());
    EXPECT_EQ(Cli({"upload", "--port", File("no-such-port"), "-o", File("up.xml")}).status, 4);
    EXPECT_FALSE(FileExists(File("up.xml")));

    SimGateway gateway(VARKEL_SIM, Link(), {"--fault", "bad-version"});
    ASSERT_TRUE(gateway.Ready());
    CliOutput down = Cli({"download", file, "--port", Link()});
    EXPECT_EQ(down.status, 9);
    EXPECT_NE(down.err.find("Version does not match"), std::string::npos);
    EXPECT_EQ(Cli({"upload", "--port", Link(), "-o", File("up.xml")}).status, 9);
    EXPECT_FALSE(FileExists(File("up.xml")));
    EXPECT_EQ(Cli({"upload", "--port", Link(), "-o", File("no/up.xml")}).status, 73);
    EXPECT_EQ(Cli({"upload", "--port", Link(), "-o", File("up.xml"), "--base", File("missing.xml")})
                  .status,
              66);
}

TEST_F(CliGatewayTest, ValuesTheEditorRefusesAreWrittenListedAndNeverDownloaded) {
    // The gateway holds baud code C8h and a response timeout of 0.
    WriteFile(File("gw.state"), "varkel-sim-state 1\n"
                                "serial 00 C8 00 00 00 00 00 00 00 00 03 00 0A\n"
                                "universal 00 00 0A 6F 00 00 00 03 E8 00 00\n"
                                "validLength 00\nclearOnFault 00\n");
    SimGateway gateway(VARKEL_SIM, Link(), {"--state", File("gw.state")});
    ASSERT_TRUE(gateway.Ready());
    CliOutput up = Cli({"upload", "--port", Link(), "-o", File("up.xml")});
    EXPECT_EQ(up.status, 2) << up.err;
    EXPECT_TRUE(FileExists(File("up.xml")));
    EXPECT_NE(up.err.find("\"200\""), std::string::npos) << up.err;
    EXPECT_NE(up.err.find("300-6000"), std::string::npos) << up.err;

    CliOutput check = Cli({"check", File("up.xml")});
    EXPECT_EQ(check.status, 8);
    EXPECT_NE(check.out.find("300-6000"), std::string::npos) << check.out;

    CliOutput down = Cli({"download", File("up.xml"), "--port", Link(), "--trace"});
    EXPECT_EQ(down.status, 8);
    EXPECT_EQ(down.err.find(" > "), std::string::npos) << down.err;
    EXPECT_NE(down.err.find("\"200\""), std::string::npos) << down.err;
}

// Ctrl+C during a transfer ends it as the window's Cancel does: the outcome
// said, exit status 130, no file from an upload. The gateway falls silent
// at a chosen frame, so that the interrupt comes while a reply is awaited.
TEST_F(CliGatewayTest, InterruptCancelsTheTransferWithItsOutcome) {
    const std::string file = ReadyFile();
    const struct {
        std::vector<std::string> args;
        const char* silentAt;
        std::string said;
    } cases[] = {
        {{"download", file, "--port", Link()},
         "5",
         "Download cancelled by the user: the gateway acknowledged 2 of the download's frames"},
        {{"upload", "--port", Link(), "-o", File("up.xml")},
         "4",
         "Upload cancelled by the user; nothing was changed."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.front());
        SimGateway gateway(VARKEL_SIM, Link(), {"--fault", "silent", "--fault-at", c.silentAt});
        ASSERT_TRUE(gateway.Ready());
        std::vector<std::string> args{"--lang", "en"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliOutput run = RunProgram(VARKEL_CLI, args, dir.Path(), {}, 1200);
        EXPECT_EQ(run.status, 130) << run.err;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
        EXPECT_FALSE(FileExists(File("up.xml")));
    }
}

TEST_F(CliGatewayTest, WrongAcknowledgementEndsTheDownload) {
    std::string file = ReadyFile();
    SimGateway gateway(VARKEL_SIM, Link(), {"--fault", "wrong-ack", "--fault-at", "4"});
    ASSERT_TRUE(gateway.Ready());
    CliOutput down = Cli({"download", file, "--port", Link(), "--pace-ms", "0"});
    EXPECT_EQ(down.status, 3);
    EXPECT_NE(down.err.find("Data uploaded check error"), std::string::npos);
}
#endif

} // namespace
} // namespace varkel::test
