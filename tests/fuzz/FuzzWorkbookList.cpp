// The workbook reader of the command import on arbitrary files (a zip
// package or anything else): refused with a reason or read within the
// table's limits.
#include "FuzzSupport.h"
#include "export/ListReader.h"

#include <fstream>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varkel;
    const char* dir = std::getenv("TMPDIR");
    static const std::string path = std::string(dir && *dir ? dir : "/tmp") + "/varkel-fuzz-" +
                                    std::to_string(::getpid()) + "-list.xlsx";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    CommandTable table;
    std::string error;
    (void)ListReader::IsWorkbookFile(path);
    if (ListReader::ReadWorkbook(path, table, error) != CommandTable::Read) {
        VARKEL_FUZZ_EXPECT(!error.empty(), "a workbook refused without a reason");
        VARKEL_FUZZ_EXPECT(fuzz::Printable(error), "a reason quoting a control character raw");
        return 0;
    }
    VARKEL_FUZZ_EXPECT(table.rows.size() <= static_cast<std::size_t>(CommandTable::kMaxRows),
                       "a workbook read past its row limit");
    for (const auto& row : table.rows)
        for (const auto& cell : row.cells)
            VARKEL_FUZZ_EXPECT(cell.size() <= CommandTable::kMaxCellSize,
                               "a cell read past its size limit");
    return 0;
}
