#include "ui/UiCatalog.h"
#include "CatalogCheck.h"

namespace varkel {
namespace {

TEST(Catalogs, EveryWindowTextHasBothLanguagesWithTheSamePlaceholders) {
    test::ExpectCompleteCatalogue(UiMsg::Count, "ui");
}

} // namespace
} // namespace varkel
