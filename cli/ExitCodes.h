#pragma once

namespace varkel::cli {

// Exit statuses besides the result codes (0, 3 to 11, 13), after the
// conventional sysexits values.
inline constexpr int kExitDiffers = 1;       // diff: the configurations differ
inline constexpr int kExitRefusedValues = 2; // upload: written, with values the editor refuses
inline constexpr int kExitProbeFailed = 14;  // probe: a command ended without data
inline constexpr int kExitUsage = 64;        // usage error or refused edit
inline constexpr int kExitBadInput = 65;     // input is not a valid configuration
inline constexpr int kExitNoInput = 66;      // input file missing or unreadable
inline constexpr int kExitCantWrite = 73;    // output cannot be written

} // namespace varkel::cli
