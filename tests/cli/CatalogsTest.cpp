#include "CatalogCheck.h"
#include "cli/CliCatalog.h"
#include "export/ExportCatalog.h"
#include "link/LinkCatalog.h"
#include "model/TextTable.h"
#include "persist/PersistCatalog.h"
#include "probe/ProbeCatalog.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

// The core's and the command line's own catalogues, made like the model's.
TEST(Catalogs, EveryFolderTextHasBothLanguagesWithTheSamePlaceholders) {
    test::ExpectCompleteCatalogue(PersistMsg::Count, "persist");
    test::ExpectCompleteCatalogue(LinkMsg::Count, "link");
    test::ExpectCompleteCatalogue(ExportMsg::Count, "export");
    test::ExpectCompleteCatalogue(ProbeMsg::Count, "probe");
    test::ExpectCompleteCatalogue(CliMsg::Count, "cli");
}

TEST(Catalogs, AFolderTextFollowsTheActiveLanguage) {
    SetTextLanguage(TextLanguage::English);
    EXPECT_EQ(Text(PersistMsg::FileEmpty, {"a.xml"}), "The file \"a.xml\" is empty.");
    SetTextLanguage(TextLanguage::Chinese);
    EXPECT_EQ(Text(PersistMsg::FileEmpty, {"a.xml"}), "文件\"a.xml\"是空的。");
}

} // namespace
} // namespace varkel
