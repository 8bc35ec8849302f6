#pragma once
#include <string>

namespace varkel {

// Result codes of value checks and gateway operations; 0 is success.
enum ResultCode : int {
    Success = 0,
    ResponseTimeout = 1,
    ValidationError = 2,
    CheckError = 3,
    PortOpenFailed = 4,
    PortIoFailed = 5,
    ItemEmpty = 6,
    IllegalCharacter = 7,
    OutOfRange = 8,
    VersionMismatch = 9,
    CommandUploadError = 10,
    MappingConflict = 11,
    MappingOverflow = 13,
    // The user stopped a transfer; the number a shell gives a program
    // ended by Ctrl+C.
    UserCancelled = 130,
};

// The message of a result code in the active table; codes without a key
// get the fixed "unknown error" text.
std::string ResultMessage(int code);

} // namespace varkel
