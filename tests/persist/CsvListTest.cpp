// Reading command lists from CSV: encodings, delimiters, quotes, and the
// limits that refuse hostile files.
#include "persist/CsvList.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

using namespace varkel;

namespace {

class CsvListTest : public ::testing::Test {
protected:
    void SetUp() override { SetTextLanguage(TextLanguage::English); }
    void TearDown() override { SetTextLanguage(TextLanguage::Chinese); }

    CommandTable::Status Csv(const std::string& bytes) {
        error_.clear();
        return CsvList::Parse(bytes, "list.csv", table_, error_);
    }
    const std::string& At(std::size_t row, int column) const {
        return CommandTable::Cell(table_.rows.at(row), column);
    }

    CommandTable table_;
    std::string error_;
};

TEST_F(CsvListTest, CsvEncodingsDelimitersAndQuotes) {
    // UTF-8 with a byte-order mark, semicolons, quoted fields holding the
    // delimiter, a doubled quote and a line break, CR LF line ends.
    ASSERT_EQ(Csv("\xEF\xBB\xBF"
                  "function;mnemonic;start\r\n"
                  "3;\"a;b \"\"c\"\"\r\nd\";7\r\n\r\n"
                  "16;;\"\"\r\n"),
              CommandTable::Read)
        << error_;
    ASSERT_EQ(table_.rows.size(), 3u);
    EXPECT_EQ(At(0, 1), "function");
    EXPECT_EQ(At(1, 2), "a;b \"c\"\r\nd");
    EXPECT_EQ(At(1, 3), "7");
    // The quoted line break stays in row 2; the empty line is row 3.
    EXPECT_EQ(table_.rows[2].number, 4);
    EXPECT_EQ(At(2, 1), "16");

    // Commas win when the header has more of them; a bare CR ends a line.
    ASSERT_EQ(Csv("function,mnemonic\r3,x;y"), CommandTable::Read) << error_;
    EXPECT_EQ(At(1, 2), "x;y");

    // GB18030 without a mark: the Chinese header and choice come out as UTF-8.
    ASSERT_EQ(Csv("\xB9\xA6\xC4\xDC\xC2\xEB,\xD7\xD6\xBD\xDA\xBD\xBB\xBB\xBB\n3,"
                  "\xB6\xFE\xD7\xD6\xBD\xDA\xBD\xBB\xBB\xBB\n"),
              CommandTable::Read)
        << error_;
    EXPECT_EQ(At(0, 1), "功能码");
    EXPECT_EQ(At(0, 2), "字节交换");
    EXPECT_EQ(At(1, 2), "二字节交换");
}

TEST_F(CsvListTest, BrokenCsvIsRefused) {
    EXPECT_EQ(Csv("function\n\"3\n"), CommandTable::Unreadable); // never closed
    EXPECT_NE(error_.find("row 2"), std::string::npos) << error_;
    EXPECT_EQ(Csv("function\n\"3\"x\n"), CommandTable::Unreadable); // text after the quote
    EXPECT_EQ(Csv(std::string("function\n3\0,4\n", 13)), CommandTable::Unreadable);
    EXPECT_NE(error_.find("NUL"), std::string::npos) << error_;
    EXPECT_EQ(Csv(std::string("\xFF\xFE"
                              "f\0u\0",
                              6)),
              CommandTable::Unreadable);
    EXPECT_NE(error_.find("UTF-16"), std::string::npos) << error_;
    // Bytes that are neither UTF-8 nor GB18030.
    EXPECT_EQ(Csv("function\n3,\xFF\xFF\n"), CommandTable::Unreadable);
    EXPECT_EQ(Csv("\xEF\xBB\xBF"
                  "function\n\xB9\xA6\n"),
              CommandTable::Unreadable);
}

TEST_F(CsvListTest, LimitsRefuseRatherThanCut) {
    // A cell of 10 MB, quoted or not.
    const std::string big(10u * 1024u * 1024u, 'x');
    EXPECT_EQ(Csv("function,mnemonic\n3," + big + "\n"), CommandTable::Unreadable);
    EXPECT_NE(error_.find("B2"), std::string::npos) << error_;
    EXPECT_EQ(Csv("function,mnemonic\n3,\"" + big + "\"\n"), CommandTable::Unreadable);
    // Just over the cell limit is refused; at the limit it is read.
    const std::string limit(CommandTable::kMaxCellSize, 'y');
    EXPECT_EQ(Csv("mnemonic\n" + limit + "\n"), CommandTable::Read) << error_;
    EXPECT_EQ(Csv("mnemonic\n" + limit + "y\n"), CommandTable::Unreadable);
    // Too many rows, too far a column, too large a file.
    std::string rows = "function\n";
    for (int i = 0; i < CommandTable::kMaxRows; ++i)
        rows += "3\n";
    EXPECT_EQ(Csv(rows), CommandTable::Unreadable);
    EXPECT_NE(error_.find("1000"), std::string::npos) << error_;
    EXPECT_EQ(Csv("function" + std::string(CommandTable::kMaxColumns, ',') + "x\n"),
              CommandTable::Unreadable);
    EXPECT_EQ(Csv(std::string(CommandTable::kMaxFileSize + 1, '\n')), CommandTable::Unreadable);
    // Empty lines alone hold no rows and are no problem.
    EXPECT_EQ(Csv("function\n" + std::string(100000, '\n') + "3\n"), CommandTable::Read);
    EXPECT_EQ(table_.rows.back().number, 100002);
}

} // namespace
