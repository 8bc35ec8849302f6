#pragma once
#include "cli/ProjectJson.h"

namespace varkel {
struct CycleEstimate;
struct IoList;
} // namespace varkel

namespace varkel::cli {

// The estimate under the names scripts rely on: char_bits, char_ms,
// turnaround_ms, quick_cycle_ms, slow_cycle_ms, worst_cycle_ms, commands.
Json EstimateJson(const CycleEstimate& estimate);

// The I/O list as a list of objects with the CSV's column names.
Json IoListJson(const IoList& list);

} // namespace varkel::cli
