// Inputs the fuzz targets in tests/fuzz found faults with, kept as tests of
// the normal suite.
#include "model/Project.h"
#include "persist/ModelXml.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

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

} // namespace
} // namespace varkel
