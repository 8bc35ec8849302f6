#pragma once
#include "model/TextTable.h"

#include <QString>

namespace varkel {

// A text of the key-to-text table as a Qt string.
inline QString Local(int key) {
    return QString::fromStdString(LocalText(key));
}

} // namespace varkel
