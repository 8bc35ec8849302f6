// varkel-cli with several gateways at once: one virtual gateway a port.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace varkel::test {
namespace {

#ifdef VARKEL_SIM
namespace fs = std::filesystem;

class ManyGatewaysTest : public ::testing::Test {
protected:
    CliOutput Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--lang", "en"});
        return RunProgram(VARKEL_CLI, args, dir.Path());
    }
    std::string File(const std::string& name) { return dir.File(name); }

    // A configuration a gateway takes: one read command, mapped.
    std::string ReadyFile() {
        const std::string file = File("plant.xml");
        EXPECT_EQ(Cli({"new", "-o", file}).status, 0);
        EXPECT_EQ(Cli({"add-node", file}).status, 0);
        EXPECT_EQ(Cli({"add-command", file, "--function", "2"}).status, 0);
        EXPECT_EQ(Cli({"set", file, "command:0:0", "1", "100"}).status, 0);
        EXPECT_EQ(Cli({"set", file, "command:0:0", "2", "4"}).status, 0);
        EXPECT_EQ(Cli({"automap", file}).status, 0);
        return file;
    }
    // Gateway `name` on the link <dir>/<name>/<name>, keeping its state in
    // <dir>/<name>/state; each in a folder of its own for its outputs.
    std::string Start(const std::string& name, std::vector<std::string> extra = {}) {
        fs::create_directories(File(name));
        const std::string link = File(name + "/" + name);
        extra.insert(extra.end(), {"--state", File(name + "/state")});
        gateways.push_back(std::make_unique<SimGateway>(VARKEL_SIM, link, extra));
        EXPECT_TRUE(gateways.back()->Ready());
        return link;
    }
    bool Downloaded(const std::string& name) { return FileExists(File(name + "/state")); }

    TempFolder dir;
    std::vector<std::unique_ptr<SimGateway>> gateways;
};

TEST_F(ManyGatewaysTest, OneSilentGatewayFailsAloneAndGivesTheExitStatus) {
    const std::string file = ReadyFile();
    const std::string a = Start("gw-a"), b = Start("gw-b");
    const std::string c = Start("gw-c", {"--fault", "silent"}), d = Start("gw-d");

    // The status a silent gateway gives on its own.
    const CliOutput alone = Cli({
        "download",
        file,
        "--port",
        c,
    });
    ASSERT_NE(alone.status, 0);

    const CliOutput all = Cli({
        "download",
        file,
        "--port",
        a,
        "--port",
        b,
        "--port",
        c,
        "--port",
        d,
    });
    EXPECT_EQ(all.status, alone.status) << all.out << all.err;
    EXPECT_TRUE(Downloaded("gw-a"));
    EXPECT_TRUE(Downloaded("gw-b"));
    EXPECT_FALSE(Downloaded("gw-c"));
    EXPECT_TRUE(Downloaded("gw-d")) << "a failing port stops no other";

    // The table: a header, then every port in order with its result.
    const std::vector<std::string> rows = {a, b, c, d};
    std::size_t at = all.out.find("Port");
    ASSERT_NE(at, std::string::npos) << all.out;
    for (const std::string& port : rows) {
        at = all.out.find(port, at);
        ASSERT_NE(at, std::string::npos) << port << "\n" << all.out;
        const std::string row = all.out.substr(at, all.out.find('\n', at) - at);
        if (port == c)
            EXPECT_EQ(row.find("  ok  "), std::string::npos) << row;
        else
            EXPECT_NE(row.find("  ok  "), std::string::npos) << row;
    }
    // Not on a terminal: plain lines, no cursor moves.
    EXPECT_EQ(all.err.find("\x1b["), std::string::npos);
    EXPECT_NE(all.err.find(a + ": ok"), std::string::npos) << all.err;
}

TEST_F(ManyGatewaysTest, FirstFailureInPortOrderDecides) {
    const std::string file = ReadyFile();
    const std::string ok = Start("gw-ok");
    const std::string old = Start("gw-old", {"--fault", "bad-version"});
    const CliOutput all = Cli({
        "download",
        file,
        "--port",
        ok,
        "--port",
        File("nothing-here"),
        "--port",
        old,
    });
    EXPECT_EQ(all.status, 4) << all.out << all.err; // the missing port comes before the old one
    EXPECT_TRUE(Downloaded("gw-ok"));
    EXPECT_NE(all.out.find("Version does not match"), std::string::npos) << all.out;
}

TEST_F(ManyGatewaysTest, PortListsAndTheSamePortTwice) {
    const std::string file = ReadyFile();
    const std::string a = Start("gw-a"), b = Start("gw-b");
    WriteFile(File("ports.txt"), "# rack 1\n" + a + "\n\n   " + b + "  \r\n");
    const CliOutput listed = Cli({"download", file, "--ports-from", File("ports.txt")});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_TRUE(Downloaded("gw-a"));
    EXPECT_TRUE(Downloaded("gw-b"));

    EXPECT_EQ(Cli({"download", file, "--port", a, "--ports-from", File("ports.txt")}).status, 64)
        << "a given twice";
    EXPECT_EQ(Cli({"download", file}).status, 64);
    EXPECT_EQ(Cli({"download", file, "--ports-from", File("missing.txt")}).status, 66);
    EXPECT_EQ(Cli({"download", file, "--ports-from", dir.Path()}).status, 66);
    WriteFile(File("empty.txt"), "# nothing\n\n");
    EXPECT_EQ(Cli({"download", file, "--ports-from", File("empty.txt")}).status, 64);

    // Two names of one device: the port lock keeps the second transfer off.
    fs::create_symlink(a, File("alias"));
    const CliOutput twice = Cli({"download", file, "--port", a, "--port", File("alias")});
    EXPECT_EQ(twice.status, 4) << twice.out << twice.err;
    EXPECT_NE(twice.out.find(a), std::string::npos);
}

TEST_F(ManyGatewaysTest, UploadEveryGatewayIntoAFolderAndCompare) {
    const std::string file = ReadyFile();
    const std::string a = Start("gw-a"), b = Start("gw-b");
    ASSERT_EQ(Cli({"download", file, "--port", a}).status, 0);
    // gw-b is left with a configuration of its own.
    const std::string other = File("other.xml");
    fs::copy_file(file, other);
    ASSERT_EQ(Cli({"set", other, "subnet", "3", "Even"}).status, 0);
    ASSERT_EQ(Cli({"download", other, "--port", b}).status, 0);

    const CliOutput up = Cli({
        "upload",
        "--port",
        a,
        "--port",
        b,
        "-o",
        File("read/back"),
        "--compare",
        file,
    });
    EXPECT_EQ(up.status, 1) << "gw-b differs\n" << up.out << up.err;
    EXPECT_TRUE(FileExists(File("read/back/gw-a.xml")));
    EXPECT_TRUE(FileExists(File("read/back/gw-b.xml")));
    EXPECT_NE(up.out.find(a + ": the same as " + file), std::string::npos) << up.out;
    // The one item that differs, named with where it is and both values.
    EXPECT_NE(up.out.find(b + ": 1 differences from " + file +
                          "\n"
                          "  subnet[3] Parity value: \"None\" -> \"Even\"\n"),
              std::string::npos)
        << up.out;

    // The file of each port is what the single upload of that port gives.
    ASSERT_EQ(Cli({"upload", "--port", b, "-o", File("b.xml")}).status, 0);
    EXPECT_EQ(Cli({"diff", File("b.xml"), File("read/back/gw-b.xml")}).status, 0);

    // Two ports that would write one file are refused before anything is read.
    fs::create_directories(File("x"));
    fs::create_symlink(a, File("x/gw-a"));
    EXPECT_EQ(Cli({"upload", "--port", a, "--port", File("x/gw-a"), "-o", File("clash")}).status,
              64);
    EXPECT_FALSE(fs::exists(File("clash")));
}

TEST_F(ManyGatewaysTest, PortListUploadsIntoAFolderAndListsRefusedValuesPerPort) {
    const std::string a = Start("gw-a");
    // gw-r holds baud code C8h and a response timeout of 0, which the editor refuses.
    fs::create_directories(File("gw-r"));
    WriteFile(File("gw-r/state"), "varkel-sim-state 1\n"
                                  "serial 00 C8 00 00 00 00 00 00 00 00 03 00 0A\n"
                                  "universal 00 00 0A 6F 00 00 00 03 E8 00 00\n"
                                  "validLength 00\nclearOnFault 00\n");
    const std::string r = Start("gw-r");

    // A list of one port is still a rack: OUT is its folder.
    WriteFile(File("one.txt"), a + "\n");
    const CliOutput one = Cli({"upload", "--ports-from", File("one.txt"), "-o", File("one")});
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_TRUE(FileExists(File("one/gw-a.xml")));

    WriteFile(File("two.txt"), r + "\n" + a + "\n");
    const CliOutput two = Cli({"upload", "--ports-from", File("two.txt"), "-o", File("two")});
    EXPECT_EQ(two.status, 2) << two.out << two.err;
    EXPECT_TRUE(FileExists(File("two/gw-a.xml")));
    EXPECT_TRUE(FileExists(File("two/gw-r.xml"))) << "written as the gateway holds it";
    // Each refused value on a line of its own, after the port that holds it.
    const std::size_t range = two.err.find("300-6000");
    ASSERT_NE(range, std::string::npos) << two.err;
    const std::size_t line = two.err.rfind('\n', range) + 1;
    EXPECT_EQ(two.err.compare(line, r.size() + 2, r + ": "), 0) << two.err;
    EXPECT_EQ(two.err.find(a + ": The gateway holds"), std::string::npos) << two.err;
}
#endif

} // namespace
} // namespace varkel::test
