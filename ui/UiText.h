#pragma once
#include "model/TextTable.h"

#include <QString>

namespace varkel {

// A text of the key-to-text table as a Qt string.
inline QString Local(int key) {
    return QString::fromStdString(LocalText(key));
}

// A message the program builds that the key table does not hold: the text
// of the table language in use.
inline QString Pick(const char* chinese, const char* english) {
    return QString::fromUtf8(GetTextLanguage() == TextLanguage::English ? english : chinese);
}

} // namespace varkel
