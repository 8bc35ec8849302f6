#pragma once
#include "model/TextTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace varkel::test {

// A fixture with a fresh folder of its own, removed after the test, and the
// text language the test reads in (Chinese again afterwards).
class TempFolderTest : public ::testing::Test {
protected:
    explicit TempFolderTest(TextLanguage language) : language_(language) {}

    void SetUp() override {
        SetTextLanguage(language_);
        std::string pattern =
            (std::filesystem::temp_directory_path() / "varkel-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        SetTextLanguage(TextLanguage::Chinese);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    std::filesystem::path dir_;

private:
    TextLanguage language_;
};

} // namespace varkel::test
