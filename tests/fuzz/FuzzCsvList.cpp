// The CSV reader of the command import on arbitrary bytes, and the import
// of what it reads: refused with a reason or read within the table's
// limits; an import that is not accepted leaves the project unchanged.
#include "FuzzSupport.h"
#include "model/CommandImport.h"
#include "persist/CsvList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varkel;
    CommandTable table;
    std::string error;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (CsvList::Parse(bytes, "fuzz.csv", table, error) != CommandTable::Read) {
        VARKEL_FUZZ_EXPECT(!error.empty(), "a list refused without a reason");
        return 0;
    }
    VARKEL_FUZZ_EXPECT(table.rows.size() <= static_cast<std::size_t>(CommandTable::kMaxRows),
                       "a list read past its row limit");
    Project project;
    project.GetSubnet().CreateNode();
    const std::string before = fuzz::Snapshot(project);
    const ImportOutcome outcome = CommandImport::Apply(project, table, ImportOptions{});
    if (!outcome.applied)
        VARKEL_FUZZ_EXPECT(fuzz::Snapshot(project) == before,
                           "a refused import changed the project");
    for (const ImportProblem& problem : outcome.problems)
        VARKEL_FUZZ_EXPECT(fuzz::Printable(problem.Describe()),
                           "a problem quoting a control character raw");
    return 0;
}
