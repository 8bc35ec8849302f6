#pragma once
#include "model/Messages.h"
#include "model/TextTable.h"

#include <QString>

namespace varkel {

// A text of the key-to-text table as a Qt string.
inline QString Local(int key) {
    return QString::fromStdString(LocalText(key));
}

// A UTF-8 text of the core as a Qt string.
inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The message sink's calls for the window's own (translated) texts.
inline void ShowMessage(const QString& text) {
    ShowMessage(text.toStdString());
}
inline Answer AskQuestion(const QString& text, Buttons buttons) {
    return AskQuestion(text.toStdString(), buttons);
}

} // namespace varkel
