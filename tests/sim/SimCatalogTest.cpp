#include "sim/SimCatalog.h"
#include "CatalogCheck.h"

namespace varkel {
namespace {

TEST(Catalogs, EverySimulatorTextHasBothLanguagesWithTheSamePlaceholders) {
    test::ExpectCompleteCatalogue(SimMsg::Count, "sim");
}

} // namespace
} // namespace varkel
