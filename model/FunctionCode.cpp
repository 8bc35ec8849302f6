#include "model/FunctionCode.h"

#include "model/TextTable.h"

#include <iterator>

namespace varkel {
namespace {

using F = FunctionFacts;

// Position is the function index the file stores. Columns: code, name key,
// supported, access, output, single, largest RTU data number.
constexpr FunctionFacts kFunctions[] = {
    {1, 33, true, F::Bit, false, false, 400}, // read coils
    {2, 34, true, F::Bit, false, false, 400}, // read discrete inputs
    {3, 35, true, F::Word, false, false, 84}, // read holding registers
    {4, 36, true, F::Word, false, false, 84}, // read input registers
    {5, 37, true, F::Bit, true, true, 0},     // write single coil
    {6, 38, true, F::Word, true, true, 0},    // write single register
    {7, 39, false, F::Word, true, false, 0},  // the rest up to 14: not supported
    {8, 40, false, F::Word, true, false, 0},
    {11, 41, false, F::Word, true, false, 0},
    {12, 42, false, F::Word, true, false, 0},
    {13, 43, false, F::Word, true, false, 0},
    {14, 44, false, F::Word, true, false, 0},
    {15, 45, true, F::Bit, true, false, 400}, // write multiple coils
    {16, 46, true, F::Word, true, false, 84}, // write multiple registers
};

constexpr FunctionFacts kUnknown{};

} // namespace

const FunctionFacts& FactsOfIndex(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kFunctions)))
        return kUnknown;
    return kFunctions[index];
}

const FunctionFacts& FactsOfCode(int code) {
    for (const FunctionFacts& row : kFunctions)
        if (row.code == code)
            return row;
    return kUnknown;
}

FunctionInfo LookupFunctionCode(int index) {
    const FunctionFacts& row = FactsOfIndex(index);
    return {row.code, row.supported, LocalText(row.nameKey)};
}

int FunctionIndexOfCode(int code) {
    for (int i = 0; i < static_cast<int>(std::size(kFunctions)); ++i)
        if (kFunctions[i].code == code && kFunctions[i].supported)
            return i;
    return -1;
}

} // namespace varkel
