#pragma once
#include <string>

namespace varkel {

// Texts of the link that the key-to-text table does not have; each exists in
// Chinese and English and follows the active text language.
enum class LinkTextId {
    VersionQuery,
    SerialSettings,
    UniversalSettings,
    CommandListStart,
    CommandRecord, // %d: record number from 1
    FieldbusSwitch,
    ReadSerialSettings,
    ReadUniversalSettings,
    ReadRecordCount,
    ReadRecordPage, // %d: page number from 0
    ReadFieldbusSwitch,
    PermissionHint,        // %s: device, %s: group
    PermissionHintNoGroup, // %s: device
    PortBusy,              // %s: device
    PortMissing,           // %s: device
};

// The text with its placeholders filled from the arguments given.
std::string LinkText(LinkTextId id);
std::string LinkText(LinkTextId id, int number);
std::string LinkText(LinkTextId id, const std::string& a, const std::string& b = {});

} // namespace varkel
