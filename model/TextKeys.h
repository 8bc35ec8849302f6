#pragma once

namespace varkel {

// Names of the keys of the key-to-text table, for code that looks texts up
// (LocalText); named after the English text.
inline constexpr int kKeyDownloadSuccessfully = 29;
inline constexpr int kKeyUploadSuccessfully = 30;
inline constexpr int kKeyUpload = 31;
inline constexpr int kKeyDownload = 32;
inline constexpr int kKeyNoSwapping = 52;
inline constexpr int kKeyTwoBytesSwapping = 53;
inline constexpr int kKeyFourBytesSwapping = 54;
inline constexpr int kKeySlowScan = 55;
inline constexpr int kKeyQuickScan = 56;
inline constexpr int kKeyUniversalModeNotSupported = 5013;

} // namespace varkel
