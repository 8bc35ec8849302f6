#pragma once
#include <QColor>

namespace varkel {

// Colours of the memory maps and their legend.
inline const QColor kNotUseColour{255, 255, 255};
inline const QColor kLegalColour{200, 200, 200};
inline const QColor kConflictColour{255, 0, 0};
inline const QColor kOverflowColour{255, 255, 0};
inline const QColor kSelectedColour{49, 106, 197};
inline const QColor kConflictBackground{216, 219, 220};
inline const QColor kConflictLabelText{0, 88, 235};

} // namespace varkel
