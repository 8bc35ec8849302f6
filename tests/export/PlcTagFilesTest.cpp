// Every format of the tag table read back by a reader of its own (the
// workbook with libzip and TinyXML, the CSV with the import's list reader,
// the IEC text with a parser here) and held against the I/O list.
#include "export/PlcTagFiles.h"
#include "../PlcTagPlant.h"
#include "TempFolderTest.h"
#include "WorkbookReader.h"
#include "model/IoList.h"
#include "model/MemoryMap.h"
#include "persist/CsvList.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <tuple>

using namespace varkel;

namespace {

// A tag as the file gives it, its address taken apart.
struct ReadTag {
    std::string name, type, comment;
    int memory = 0; // InputDirection or OutputDirection
    int byte = 0;   // PLC byte
    int bit = -1;   // BOOL only
    int width = 0;  // bytes the address names: 0 for a bit, 2 (W) or 4 (D)
};

int TypeBytes(const std::string& type) {
    static const std::map<std::string, int> bytes = {{"BOOL", 0},  {"INT", 2},  {"UINT", 2},
                                                     {"WORD", 2},  {"DINT", 4}, {"UDINT", 4},
                                                     {"DWORD", 4}, {"REAL", 4}};
    auto found = bytes.find(type);
    return found == bytes.end() ? -1 : found->second;
}

// Letters, digits and single underscores, no digit first; ASCII only
// for the IEC text, which also has no underscore at the end.
bool ValidName(const std::string& name, bool ascii) {
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])))
        return false;
    for (unsigned char ch : name)
        if (ch < 0x80 ? !std::isalnum(ch) && ch != '_' : ascii)
            return false;
    return !ascii || (name.find("__") == std::string::npos && name.back() != '_');
}

int Characters(const std::string& text) {
    int n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// "%IW256", "%I256.3", "%QD8" and the IEC forms "%IX256.3", "%IW128".
bool ParseAddress(const std::string& address, bool iec, bool wordIndexed, ReadTag& tag) {
    static const std::regex plain(R"(%([IQ])([WD]?)(\d+)(?:\.([0-7]))?)");
    static const std::regex iecForm(R"(%([IQ])([XWD])(\d+)(?:\.([0-7]))?)");
    std::smatch m;
    if (!std::regex_match(address, m, iec ? iecForm : plain))
        return false;
    tag.memory = m[1] == "Q" ? OutputDirection : InputDirection;
    const std::string size = m[2];
    const bool bit = size.empty() || size == "X";
    if (bit != m[4].matched)
        return false;
    tag.byte = std::stoi(m[3]);
    if (wordIndexed && size == "W")
        tag.byte *= 2;
    if (wordIndexed && size == "D")
        tag.byte *= 4;
    tag.bit = bit ? std::stoi(m[4]) : -1;
    tag.width = bit ? 0 : size == "W" ? 2 : 4;
    return true;
}

// The IEC text: a heading comment, VAR_GLOBAL, declarations, END_VAR.
std::vector<ReadTag> ParseIec(const std::string& text, bool wordIndexed, std::string& heading) {
    static const std::regex declaration(
        R"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s+AT\s+(%\S+)\s*:\s*([A-Z]+)\s*;\s*\(\*\s?(.*?)\s?\*\)\s*$)");
    std::vector<ReadTag> tags;
    std::istringstream in(text);
    std::string line;
    int state = 0; // 0 heading, 1 VAR_GLOBAL expected, 2 declarations, 3 done
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::smatch m;
        if (state == 0 && line.rfind("(* ", 0) == 0) {
            heading = line.substr(3, line.size() - 6);
            state = 1;
        } else if (state == 1 && line == "VAR_GLOBAL") {
            state = 2;
        } else if (state == 2 && line == "END_VAR") {
            state = 3;
        } else if (state == 2 && std::regex_match(line, m, declaration)) {
            ReadTag tag{m[1], m[3], m[4]};
            EXPECT_TRUE(ParseAddress(m[2], true, wordIndexed, tag)) << line;
            tags.push_back(tag);
        } else {
            ADD_FAILURE() << "unexpected line: " << line;
        }
    }
    EXPECT_EQ(state, 3);
    return tags;
}

struct FormatCase {
    const char* label;
    PlcTagFormat format;
    bool byteAddressing;
    // The first tags of commands 12 (a CJK mnemonic), 24 (a leading digit),
    // 28 ("PUMP" after "Pump") and 33 (a mnemonic of 150 characters).
    std::vector<std::string> names;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.label;
}

class PlcTagFilesTest : public test::TempFolderTest,
                        public ::testing::WithParamInterface<FormatCase> {
protected:
    PlcTagFilesTest() : TempFolderTest(TextLanguage::English) {}
};

TEST_P(PlcTagFilesTest, EveryRegisterAndCoilHasOneTagAtItsPlace) {
    const FormatCase& c = GetParam();
    Project project;
    varkel::testing::BuildTagPlant(project);
    PlcTagOptions options;
    options.format = c.format;
    options.iecByteAddressing = c.byteAddressing;
    options.inputBase = 256;
    options.outputBase = 64;
    options.table = "Line 2";
    options.types = varkel::testing::TagPlantTypes();
    const PlcTagTable table = BuildPlcTags(project.GetSubnet(), options);
    ASSERT_TRUE(table.problems.empty()) << table.problems.front();
    const std::string path = Path(std::string("tags.") + c.label);
    std::string error;
    ASSERT_TRUE(WritePlcTagFile(table, path, error)) << error;

    std::vector<ReadTag> tags;
    if (c.format == PlcTagFormat::Csv) {
        CommandTable csv;
        ASSERT_EQ(CsvList::ReadFile(path, csv, error), CommandTable::Read) << error;
        ASSERT_EQ(csv.rows.front().cells,
                  (std::vector<std::string>{"name", "type", "address", "comment"}));
        for (std::size_t r = 1; r < csv.rows.size(); ++r) {
            const auto& row = csv.rows[r];
            ReadTag tag{CommandTable::Cell(row, 1), CommandTable::Cell(row, 2),
                        CommandTable::Cell(row, 4)};
            EXPECT_TRUE(ParseAddress(CommandTable::Cell(row, 3), false, false, tag));
            tags.push_back(tag);
        }
    } else if (c.format == PlcTagFormat::S7) {
        WorkbookReader book;
        ASSERT_TRUE(book.Open(path));
        ASSERT_EQ(book.SheetNames(), std::vector<std::string>{"PLC Tags"});
        bool ok = false;
        const CellMap cells = book.Cells("PLC Tags", &ok);
        ASSERT_TRUE(ok);
        for (int col = 1; col <= 10; ++col)
            EXPECT_EQ(At(cells, 1, col).text, S7TagColumns()[static_cast<std::size_t>(col - 1)]);
        for (int row = 2; !At(cells, row, 1).text.empty(); ++row) {
            EXPECT_EQ(At(cells, row, 2).text, "Line 2");
            for (int col = 6; col <= 8; ++col)
                EXPECT_EQ(At(cells, row, col).text, "True");
            ReadTag tag{At(cells, row, 1).text, Upper(At(cells, row, 3).text),
                        At(cells, row, 5).text};
            EXPECT_TRUE(ParseAddress(At(cells, row, 4).text, false, false, tag));
            tags.push_back(tag);
        }
    } else {
        std::ifstream in(path, std::ios::binary);
        const std::string text(std::istreambuf_iterator<char>(in), {});
        std::string heading;
        tags = ParseIec(text, !c.byteAddressing, heading);
        EXPECT_EQ(heading, "Line 2");
    }
    ASSERT_EQ(tags.size(), table.tags.size());
    std::vector<std::string> firsts;
    for (int number : {12, 24, 28, 33})
        for (std::size_t t = 0; t < tags.size(); ++t)
            if (table.tags[t].command == number) {
                firsts.push_back(tags[t].name);
                break;
            }
    EXPECT_EQ(firsts, c.names);

    // Each register (two bytes) and each coil of the I/O list, plus the
    // base, is covered by exactly one tag, and every tag starts at one:
    // the types' sizes add up to the mapped bytes.
    const IoList list = BuildIoList(project.GetSubnet());
    ASSERT_EQ(list.outside, 0);
    using Place = std::tuple<int, int, int>; // memory, PLC byte, bit (-1: a register)
    std::map<Place, const IoRow*> rows;
    std::map<Place, int> covered;
    for (const IoRow& row : list.rows) {
        const bool registers = row.bitLast - row.bitFirst == 15;
        const int base = row.memory == OutputDirection ? 64 : 256;
        const Place at{row.memory, base + row.byte, registers ? -1 : row.bitFirst};
        rows[at] = &row;
        covered[at] = 0;
    }
    std::set<std::string> names;
    for (const ReadTag& tag : tags) {
        const int size = TypeBytes(tag.type);
        ASSERT_GE(size, 0) << tag.type;
        EXPECT_EQ(tag.width, size) << tag.name;
        const Place at{tag.memory, tag.byte, size ? -1 : tag.bit};
        ASSERT_TRUE(rows.count(at)) << tag.name << " starts at no element";
        for (int b = 0; b < std::max(size, 1); b += 2) {
            const Place part{tag.memory, tag.byte + b, size ? -1 : tag.bit};
            EXPECT_TRUE(covered.count(part)) << tag.name << " covers a byte of no register";
            ++covered[part];
        }

        EXPECT_TRUE(ValidName(tag.name, c.format == PlcTagFormat::Iec)) << tag.name;
        EXPECT_LE(Characters(tag.name), c.format == PlcTagFormat::Iec ? 64 : 128);
        EXPECT_TRUE(names.insert(Upper(tag.name)).second) << tag.name;

        // The comment says where the value comes from and, for swapped
        // registers, how the PLC gets them back; four-byte swapping leaves
        // an odd last register as it is.
        const IoRow& row = *rows[at];
        EXPECT_NE(tag.comment.find("Slave 1, function " + std::to_string(row.function) +
                                   ", Modbus address " + std::to_string(row.modbusAddress)),
                  std::string::npos)
            << tag.comment;
        EXPECT_NE(tag.comment.find("command " + std::to_string(row.command + 1) + " ("),
                  std::string::npos)
            << tag.comment;
        // The type asked for; a two-register type's odd last register is a WORD.
        if (size > 0) {
            auto chosen = options.types.find(row.command + 1);
            std::string wanted =
                chosen == options.types.end() ? "INT" : PlcTagTypeName(chosen->second);
            if (TypeBytes(wanted) == 4 && row.element + 1 == row.count)
                wanted = "WORD";
            EXPECT_EQ(tag.type, wanted) << tag.name;
        }
        const bool oddLast =
            row.swap == 2 && size == 2 && row.element % 2 == 0 && row.element + 1 == row.count;
        const bool matters = size > 0 && row.swap != 0 && !oddLast;
        EXPECT_EQ(tag.comment.find("swapping") != std::string::npos, matters) << tag.comment;
        std::string says;
        if (matters && size == 4)
            says = row.swap == 1 ? "order BADC" : "order DCBA";
        else if (matters && row.swap == 2)
            says = "Modbus address " +
                   std::to_string(row.modbusAddress + (row.element % 2 ? -1 : 1)) + " with";
        if (!says.empty()) {
            EXPECT_NE(tag.comment.find(says), std::string::npos) << tag.comment;
        }
    }
    for (const auto& [place, count] : covered)
        EXPECT_EQ(count, 1) << std::get<0>(place) << " " << std::get<1>(place) << "."
                            << std::get<2>(place);
}

const std::string kLong(150, 'v');
INSTANTIATE_TEST_SUITE_P(
    Formats, PlcTagFilesTest,
    ::testing::Values(
        FormatCase{"csv",
                   PlcTagFormat::Csv,
                   false,
                   {"温度_值_0", "_1st_pump_main_0", "PUMP_0_2", kLong.substr(0, 126) + "_0"}},
        FormatCase{"xlsx",
                   PlcTagFormat::S7,
                   false,
                   {"温度_值_0", "_1st_pump_main_0", "PUMP_0_2", kLong.substr(0, 126) + "_0"}},
        FormatCase{"st",
                   PlcTagFormat::Iec,
                   false,
                   {"S1_IR301", "_1st_pump_main_0", "PUMP_0_2", kLong.substr(0, 62) + "_0"}},
        FormatCase{"txt",
                   PlcTagFormat::Iec,
                   true,
                   {"S1_IR301", "_1st_pump_main_0", "PUMP_0_2", kLong.substr(0, 62) + "_0"}}),
    [](const auto& info) {
        return std::string(info.param.byteAddressing ? "iec_bytes" : info.param.label);
    });

} // namespace
