// The command line's load and save pair: an in-place edit never replaces a
// file another program changed after it was read, and two edits of this
// tool take turns instead of one losing the other.
#include "CliRun.h"
#include "cli/CliApp.h"
#include "cli/ConfigurationFile.h"
#include "model/FileWrite.h"
#include "model/Project.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>
#include <unistd.h>

namespace varkel::cli {
namespace {

using test::CliOutput;
using test::ReadFile;
using test::RunProgram;
using test::TempFolder;
using test::WriteFile;

// varkel-cli's own code run in this process, where the write's hook reaches.
int RunHere(std::vector<std::string> args) {
    std::vector<char*> argv;
    std::string name = "varkel-cli";
    argv.push_back(name.data());
    for (std::string& arg : args)
        argv.push_back(arg.data());
    return RunCli(static_cast<int>(argv.size()), argv.data());
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class CliFileGuard : public ::testing::Test {
protected:
    void SetUp() override {
        SetTextLanguage(TextLanguage::English);
        path_ = folder_.File("d.xml");
        for (const std::vector<std::string>& args : {std::vector<std::string>{"new", "-o", path_},
                                                     {"add-node", path_},
                                                     {"add-command", path_, "--function", "2"},
                                                     {"add-command", path_, "--function", "2"}})
            ASSERT_EQ(Cli(args).status, 0) << args[0];
    }
    void TearDown() override {
        SetBeforeReplaceHook(nullptr);
        SetTextLanguage(TextLanguage::Chinese);
    }
    CliOutput Cli(const std::vector<std::string>& args) {
        std::vector<std::string> all{"--lang", "en"};
        all.insert(all.end(), args.begin(), args.end());
        return RunProgram(VARKEL_CLI, all, folder_.Path());
    }
    // Row 1 of a command of the first node, as the file holds it now.
    std::string StartAddress(int command) {
        Project project;
        if (!LoadFile(project, path_))
            return "(not loaded)";
        return project.GetSubnet().GetNodeAt(0)->GetCommandAt(command)->GetItem(1)->GetValue();
    }
    TempFolder folder_;
    std::string path_;
};

// Whatever another program does to the file while an edit is about to
// replace it survives, and the edit says so with 73.
TEST_F(CliFileGuard, AnotherProgramsChangeAtTheRenameSurvivesAndTheEditExits73) {
    const std::string theirs = "<!-- theirs -->\r\n";
    struct Case {
        const char* what;
        std::function<void(const std::string&)> act;
        bool removed;
    };
    const Case cases[] = {
        {"replaced by a rename",
         [&](const std::string& target) {
             WriteFile(target + ".new", theirs);
             std::filesystem::rename(target + ".new", target);
         },
         false},
        {"rewritten in place", [&](const std::string& target) { WriteFile(target, theirs); },
         false},
        {"appended to",
         [&](const std::string& target) {
             std::ofstream(target, std::ios::app | std::ios::binary) << theirs;
         },
         false},
        {"removed", [](const std::string& target) { std::filesystem::remove(target); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(Cli({"new", "-o", path_}).status, 0);
        ASSERT_EQ(Cli({"add-node", path_}).status, 0);
        std::string expected;
        SetBeforeReplaceHook([&](const std::string& target) {
            c.act(target);
            expected = c.removed ? std::string() : ReadFile(target);
        });
        testing::internal::CaptureStderr();
        const int status = RunHere({"--lang", "en", "add-command", path_, "--function", "2"});
        const std::string said = testing::internal::GetCapturedStderr();
        SetBeforeReplaceHook(nullptr);
        EXPECT_EQ(status, 73) << said;
        EXPECT_NE(said.find("changed on disk"), std::string::npos) << said;
        EXPECT_EQ(test::FileExists(path_), !c.removed);
        if (!c.removed) {
            EXPECT_NE(expected.find(theirs), std::string::npos);
            EXPECT_TRUE(ReadFile(path_) == expected) << "their file was replaced";
        }
        // No temporary file is left beside it.
        EXPECT_EQ(Entries(folder_.Path()),
                  c.removed ? std::vector<std::string>{} : std::vector<std::string>{"d.xml"});
    }
}

// Two edits of this tool at once, the first held up just before its rename:
// the second waits for it and edits its result, so both values are kept.
TEST_F(CliFileGuard, TwoEditsTakeTurnsAndNeitherIsLost) {
    std::atomic<bool> waiting{false};
    SetBeforeReplaceHook([&](const std::string&) {
        if (waiting.exchange(true))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    });
    testing::internal::CaptureStdout();
    int first = -1;
    std::thread held([&] {
        first = RunHere({"--lang", "en", "set", path_, "command:0:0", "1", "111"});
    });
    while (!waiting)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const auto start = std::chrono::steady_clock::now();
    const CliOutput second = Cli({"set", path_, "command:0:1", "1", "2222"});
    const auto waited = std::chrono::steady_clock::now() - start;
    held.join();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "111\n");
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(StartAddress(0), "111");
    EXPECT_EQ(StartAddress(1), "2222");
    // The second one waited for the first rather than failing.
    EXPECT_GT(waited, std::chrono::milliseconds(500));
    EXPECT_EQ(Entries(folder_.Path()), std::vector<std::string>{"d.xml"});
}

// The guard itself, without the command line around it: read again, the
// same edit goes through; a new output file is not compared.
TEST_F(CliFileGuard, AnEditOfTheFileAsItIsNowIsWritten) {
    Project project;
    FileIdentity readAs;
    ASSERT_EQ(LoadConfiguration(path_, project, &readAs), 0);
    std::ofstream(path_, std::ios::app | std::ios::binary) << "<!-- theirs -->\r\n";
    project.GetSubnet().GetNodeAt(0)->CreateCommand(2);
    testing::internal::CaptureStderr();
    EXPECT_EQ(SaveConfiguration(project, path_, &readAs), 73);
    testing::internal::GetCapturedStderr();
    EXPECT_NE(ReadFile(path_).find("theirs"), std::string::npos);

    Project again;
    ASSERT_EQ(LoadConfiguration(path_, again, &readAs), 0);
    again.GetSubnet().GetNodeAt(0)->CreateCommand(2);
    EXPECT_EQ(SaveConfiguration(again, path_, &readAs), 0);
    EXPECT_EQ(ReadFile(path_).find("theirs"), std::string::npos);
    EXPECT_EQ(SaveConfiguration(again, folder_.File("other.xml")), 0);
}

} // namespace
} // namespace varkel::cli
