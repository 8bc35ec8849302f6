#pragma once
#include "model/Command.h"

#include <QString>

#include <vector>

class QMimeData;

namespace varkel {

// Commands on the clipboard: a node element of the file's own layout
// holding them, under a type of ours and as plain text, so that another
// running program can paste them and a text editor can show them.
class CommandClipboard {
public:
    static const QString kMimeType;

    // The commands as the XML fragment.
    static std::string ToXml(const std::vector<const Command*>& commands);
    // The commands of a fragment; empty when it holds none or is not one.
    static CommandList FromXml(const std::string& text);

    static void Put(const std::vector<const Command*>& commands);
    // The commands on the clipboard: our type first, else plain text.
    static CommandList Take();
    static CommandList FromMime(const QMimeData* data);
};

} // namespace varkel
