// The command line's load and save pair: an in-place edit never replaces a
// file another program changed after it was read.
#include "cli/ProjectFile.h"
#include "model/FileWrite.h"
#include "model/Project.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace varkel::cli {
namespace {

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliFileGuard : public ::testing::Test {
protected:
    void SetUp() override {
        SetTextLanguage(TextLanguage::English);
        folder_ = std::filesystem::temp_directory_path() /
                  ("varkel-guard-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "work.xml").string();
        Project fresh;
        ASSERT_EQ(SaveFile(fresh, path_), 1);
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        SetTextLanguage(TextLanguage::Chinese);
    }
    std::filesystem::path folder_;
    std::string path_;
};

TEST_F(CliFileGuard, AChangeOnDiskBetweenReadAndWriteIsRefusedWith73) {
    Project project;
    FileIdentity readAs;
    ASSERT_EQ(LoadConfiguration(path_, project, &readAs), 0);
    project.GetSubnet().CreateNode();

    // Another program appends a comment meanwhile.
    {
        std::ofstream out(path_, std::ios::app | std::ios::binary);
        out << "<!-- theirs -->\r\n";
    }
    const std::string theirs = Bytes(path_);
    testing::internal::CaptureStderr();
    EXPECT_EQ(SaveConfiguration(project, path_, &readAs), 73);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("changed on disk"), std::string::npos) << said;
    EXPECT_EQ(Bytes(path_), theirs);

    // Read again, the same edit goes through; without a guard (a new
    // output file) nothing is compared.
    Project again;
    ASSERT_EQ(LoadConfiguration(path_, again, &readAs), 0);
    again.GetSubnet().CreateNode();
    EXPECT_EQ(SaveConfiguration(again, path_, &readAs), 0);
    EXPECT_EQ(Bytes(path_).find("theirs"), std::string::npos);
    EXPECT_EQ(SaveConfiguration(again, (folder_ / "other.xml").string()), 0);
}

} // namespace
} // namespace varkel::cli
