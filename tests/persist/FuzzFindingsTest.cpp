// Inputs the fuzz targets in tests/fuzz found faults with, kept as tests of
// the normal suite.
#include "model/Project.h"
#include "persist/ModelXml.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

using test::FillSample;
using test::ReadBytes;
using test::ReplaceOnce;
using test::Snapshot;
using test::TempDir;
using test::WriteBytes;

// A file that loads can always be saved. Byte pairs of the code page's
// user-defined areas (AC BD came from shuffling a help text) and character
// references to characters the code page lacks (&#xA0; in a slave address)
// are refused at load or written back.
TEST(FuzzFindings, TextsTheCodePageCannotHoldAreRefusedOrSavedBack) {
    TempDir dir;
    const std::string original = ReadBytes(std::string(VARKEL_PERSIST_DATA) + "/default.xml");
    for (const char* text :
         {"\xAC\xBD", "\xAA\xA1", "\xF8\xA1", "\xA1\x40", "&#xA0;", "&#x20AC;", "&#x1F600;"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        const std::string bytes =
            ReplaceOnce(original, "<Ref Value=\"", std::string("<Ref Value=\"") + text);
        WriteBytes(dir.File("in.xml"), bytes);
        Project project;
        std::string error;
        if (!LoadFile(project, dir.File("in.xml"), &error)) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        ASSERT_TRUE(SaveFile(project, dir.File("out.xml"), &error)) << error;
        Project again;
        ASSERT_TRUE(LoadFile(again, dir.File("out.xml"), &error)) << error;
        EXPECT_EQ(Snapshot(again), Snapshot(project));
    }
}

// Whole numbers (state, enable flag, function index, protocol type) are
// written with "%d" and nothing else: a value with blanks, a sign, hex,
// trailing letters or bytes of another text used to load as 0. It is
// refused, naming the element and the value, and the configuration in
// memory stays as it was.
TEST(FuzzFindings, NumbersTheWriterCannotHaveWrittenAreRefused) {
    TempDir dir;
    Project sample;
    FillSample(sample);
    std::string error;
    ASSERT_TRUE(SaveFile(sample, dir.File("sample.xml"), &error)) << error;
    const std::string original = ReadBytes(dir.File("sample.xml"));
    struct Case {
        const char* element;
        const char* value;
    };
    const Case cases[] = {
        {"Enable", "\xA0\xB7"
                   "1"},
        {"Enable", "12abc"},
        {"State", " 1"},
        {"State", "1 "},
        {"State", "+1"},
        {"Enable", "0x1"},
        {"Enable", ""},
        {"State", "-1"},
        {"CommandType", "2a"},
        {"CommandType", "99999999999"},
        {"CurrentModeType", "1 (universal)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.element) + "=" + testing::PrintToString(std::string(c.value)));
        const std::string from = std::string("<") + c.element + " Value=\"";
        const std::size_t at = original.find(from);
        ASSERT_NE(at, std::string::npos);
        const std::size_t end = original.find('"', at + from.size());
        std::string bytes = original;
        bytes.replace(at + from.size(), end - at - from.size(), c.value);
        WriteBytes(dir.File("in.xml"), bytes);
        Project project;
        FillSample(project);
        const std::string before = Snapshot(project);
        EXPECT_FALSE(LoadFile(project, dir.File("in.xml"), &error));
        EXPECT_NE(error.find(c.element), std::string::npos) << error;
        EXPECT_EQ(Snapshot(project), before);
    }
    // What the writer does print, leading zeros included, loads.
    std::string zeros = ReplaceOnce(original, "<Enable Value=\"1\"", "<Enable Value=\"01\"");
    WriteBytes(dir.File("in.xml"), zeros);
    Project loaded;
    EXPECT_TRUE(LoadFile(loaded, dir.File("in.xml"), &error)) << error;
    EXPECT_EQ(Snapshot(loaded), Snapshot(sample, true));
}

} // namespace
} // namespace varkel
