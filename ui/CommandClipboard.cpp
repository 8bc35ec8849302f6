#include "ui/CommandClipboard.h"

#include "model/Node.h"
#include "persist/ModelXml.h"
#include "persist/XmlUtil.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <tinyxml.h>

namespace varkel {

namespace {
// A fragment is a root, a node, its lists and items: far below this.
constexpr std::size_t kMaxDepth = 16;
constexpr const char* kRootTag = "VarkelCommands";
} // namespace

const QString CommandClipboard::kMimeType = QStringLiteral("application/x-varkel-commands+xml");

std::string CommandClipboard::ToXml(const std::vector<const Command*>& commands) {
    Node holder;
    for (const Command* command : commands)
        if (command)
            holder.AddCommand(command->Clone());
    TiXmlDocument document;
    document.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", ""));
    auto* root = new TiXmlElement(kRootTag);
    document.LinkEndChild(root);
    SaveXml(holder, root);
    return PrintXml(document);
}

CommandList CommandClipboard::FromXml(const std::string& text) {
    CommandList commands;
    if (text.empty() || NestingDepth(text, kMaxDepth) > kMaxDepth)
        return commands;
    TiXmlDocument document;
    document.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    const TiXmlElement* root = document.RootElement();
    if (document.Error() || !root || std::string(root->Value()) != kRootTag)
        return commands;
    const TiXmlElement* nodeElement = root->FirstChildElement("Node");
    if (!nodeElement)
        return commands;
    Node holder;
    NumberFault fault;
    LoadXml(holder, nodeElement, &fault);
    // Garbage where a number belongs is no command of ours.
    if (fault.found)
        return commands;
    for (int i = 0; i < holder.GetCommandCount(); ++i) {
        const Command* command = holder.GetCommandAt(i);
        // A command without its ten items would break the grid and the file.
        if (command->GetItemCount() == Command::MnemonicRow + 1)
            commands.push_back(command->Clone());
    }
    return commands;
}

void CommandClipboard::Put(const std::vector<const Command*>& commands) {
    const QByteArray xml = QByteArray::fromStdString(ToXml(commands));
    auto* data = new QMimeData;
    data->setData(kMimeType, xml);
    data->setText(QString::fromUtf8(xml));
    QGuiApplication::clipboard()->setMimeData(data);
}

CommandList CommandClipboard::FromMime(const QMimeData* data) {
    if (!data)
        return {};
    if (data->hasFormat(kMimeType))
        return FromXml(data->data(kMimeType).toStdString());
    if (data->hasText())
        return FromXml(data->text().toStdString());
    return {};
}

CommandList CommandClipboard::Take() {
    return FromMime(QGuiApplication::clipboard()->mimeData());
}

} // namespace varkel
