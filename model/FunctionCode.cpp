#include "model/FunctionCode.h"

#include "model/TextTable.h"

#include <iterator>

namespace varkel {
namespace {

struct FunctionRow {
    int code;
    int nameKey;
    bool supported;
};

// Position is the function index the file stores.
constexpr FunctionRow kFunctions[] = {
    {1, 33, true},   {2, 34, true},   {3, 35, true},  {4, 36, true},   {5, 37, true},
    {6, 38, true},   {7, 39, false},  {8, 40, false}, {11, 41, false}, {12, 42, false},
    {13, 43, false}, {14, 44, false}, {15, 45, true}, {16, 46, true},
};

} // namespace

FunctionInfo LookupFunctionCode(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kFunctions)))
        return {-1, false, LocalText(48)};
    const FunctionRow& row = kFunctions[index];
    return {row.code, row.supported, LocalText(row.nameKey)};
}

int FunctionIndexOfCode(int code) {
    for (int i = 0; i < static_cast<int>(std::size(kFunctions)); ++i)
        if (kFunctions[i].code == code && kFunctions[i].supported)
            return i;
    return -1;
}

} // namespace varkel
