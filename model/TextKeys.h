#pragma once

namespace varkel {

// Names of the keys of the key-to-text table, for code that looks texts up
// (LocalText); named after the English text.
inline constexpr int kKeyTrx20aConfigurationSoftware = 2;
inline constexpr int kKeyToolbarNew = 4;
inline constexpr int kKeyToolbarSave = 5;
inline constexpr int kKeyToolbarOpen = 6;
inline constexpr int kKeyToolbarAddNode = 7;
inline constexpr int kKeyToolbarDeleteNode = 8;
inline constexpr int kKeyToolbarAddCommand = 9;
inline constexpr int kKeyToolbarDeleteCommand = 10;
inline constexpr int kKeyToolbarUpload = 11;
inline constexpr int kKeyToolbarDownload = 12;
inline constexpr int kKeyToolbarMap = 13;
inline constexpr int kKeyToolbarExport = 14;
inline constexpr int kKeyProfibus = 17;
inline constexpr int kKeySubnet = 18;
inline constexpr int kKeyReallyRecalculateMapping = 19;
inline constexpr int kKeyModbusMaster = 20;
inline constexpr int kKeyUniversalMode = 21;
inline constexpr int kKeyCharacterNumber = 22;
inline constexpr int kKeyDelimiter = 23;
inline constexpr int kKeyCharacterTimeout = 24;
inline constexpr int kKeyClose = 25;
inline constexpr int kKeyOpen = 26;
inline constexpr int kKeyDownloadSuccessfully = 29;
inline constexpr int kKeyUploadSuccessfully = 30;
inline constexpr int kKeyUpload = 31;
inline constexpr int kKeyDownload = 32;
inline constexpr int kKeyReadCoilStatus = 33;
inline constexpr int kKeyReadHoldingRegisters = 35;
inline constexpr int kKeyForceMultipleCoils = 45;
inline constexpr int kKeyPresetMultipleRegisters = 46;
inline constexpr int kKeySaveChangedConfiguration = 47;
inline constexpr int kKeyErrorCommand = 48;
inline constexpr int kKeySlaveAddress = 49;
inline constexpr int kKeyNoSwapping = 52;
inline constexpr int kKeyTwoBytesSwapping = 53;
inline constexpr int kKeyFourBytesSwapping = 54;
inline constexpr int kKeySlowScan = 55;
inline constexpr int kKeyQuickScan = 56;
inline constexpr int kKeyInputBytesSetByMaster = 63;
inline constexpr int kKeyOutputBytesSetByMaster = 66;
inline constexpr int kKeyParityNone = 71;
inline constexpr int kKeyParityOdd = 72;
inline constexpr int kKeyParityEven = 73;
inline constexpr int kKeyParityMark = 74;
inline constexpr int kKeyParitySpace = 75;
inline constexpr int kKeyChangeOfStateOutput = 76;
inline constexpr int kKeyContinuousOutput = 77;
inline constexpr int kKeyDisableOutput = 78;
inline constexpr int kKeySlaveAddressHelp = 79;
inline constexpr int kKeyAtMost48Commands = 1001;
inline constexpr int kKeyDataNumberHelp = 3006;
inline constexpr int kKeyInputMappingHelp = 3008;
inline constexpr int kKeyOutputMappingHelp = 3009;
inline constexpr int kKeyBitOffsetHelp = 3011;
inline constexpr int kKeySwappingHelp = 3015;
inline constexpr int kKeyCheckTypeHelp = 3017;
inline constexpr int kKeyScanningModeHelp = 3019;
inline constexpr int kKeyMnemonicHelp = 3021;
inline constexpr int kKeyFunctionCodeHelp = 3052;
inline constexpr int kKeyModbusStartAddress = 3053;
inline constexpr int kKeyModbusStartAddressHelp = 3054;
inline constexpr int kKeyOutOfRange = 5009;
inline constexpr int kKeyUniversalModeNotSupported = 5013;
inline constexpr int kKeyInputMappingOverflow = 5015;
inline constexpr int kKeyOutputMappingOverflow = 5016;
inline constexpr int kKeyConflict = 5017;
inline constexpr int kKeyDataEmpty = 5018;
inline constexpr int kKeyLanguageMismatch = 5019;

} // namespace varkel
