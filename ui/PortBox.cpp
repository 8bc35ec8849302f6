#include "ui/PortBox.h"

#include "link/PortList.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

namespace varkel {
namespace {

const QLatin1String kByIdKey("by-id/");

} // namespace

PortBox::PortBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // A path is typed whole; completing it from the labels would change it.
    setCompleter(nullptr);
    lineEdit()->setPlaceholderText(tr("Type or paste a device path"));
    settle_.setSingleShot(true);
    settle_.setInterval(300);
    connect(&settle_, &QTimer::timeout, this, &PortBox::Refresh);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { settle_.start(); });
}

QList<PortBox::Port> PortBox::SystemPorts(const QString& devRoot, const QString& sysRoot) {
    QList<Port> ports;
    for (const SerialPortInfo& info :
         ListSerialPorts(devRoot.toStdString(), sysRoot.toStdString())) {
        Port port;
        port.name = QString::fromStdString(info.name);
        const QString stable = QString::fromStdString(info.stableId);
        const QString description = QString::fromStdString(info.description);
        // The stable name stays the same when the adapter comes back under
        // another number: it is what is opened and remembered.
        port.device = QString::fromStdString(StablePath(info, devRoot.toStdString()));
        port.key = stable.isEmpty() ? port.device : kByIdKey + stable;
        port.label = port.name;
        if (!description.isEmpty())
            port.label += QStringLiteral(" \u2014 ") + description;
        if (!stable.isEmpty())
            port.label += QStringLiteral(" (%1)").arg(stable);
        ports << port;
    }
    return ports;
}

PortBox::Port PortBox::PathPort(const QString& path) {
    Port port;
    port.label = path;
    port.device = path;
    port.key = path;
    port.name = QFileInfo(path).fileName();
    if (port.name.isEmpty())
        port.name = path;
    return port;
}

void PortBox::ListSystemPorts(const QString& devRoot, const QString& sysRoot) {
    devRoot_ = devRoot;
    sysRoot_ = sysRoot;
    watching_ = true;
    Refresh();
}

void PortBox::SetPorts(const QList<Port>& ports) {
    watching_ = false;
    settle_.stop();
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    listed_ = ports;
    Fill(QString(), QString());
}

void PortBox::SetVirtualPort(const Port& port) {
    virtual_ = port;
    virtual_.isVirtual = true;
    Fill(Current().key, IsTyped() ? currentText() : QString());
}

void PortBox::Watch() {
    // The serial folders come and go with the first and last adapter; /dev
    // itself tells when they do.
    QStringList folders{devRoot_};
    for (const QString& sub : {QStringLiteral("/serial"), QStringLiteral("/serial/by-id")})
        if (QFileInfo(devRoot_ + sub).isDir())
            folders << devRoot_ + sub;
    const QStringList watched = watcher_.directories();
    for (const QString& folder : folders)
        if (!watched.contains(folder))
            watcher_.addPath(folder);
}

void PortBox::Refresh() {
    if (!watching_)
        return;
    Watch();
    const bool typed = IsTyped();
    const QString text = currentText();
    const QString key = typed ? QString() : Current().key;
    listed_ = SystemPorts(devRoot_, sysRoot_);
    Fill(key, typed ? text : QString());
    emit PortsRefreshed();
}

void PortBox::Fill(const QString& keepKey, const QString& keepText) {
    ports_ = listed_;
    if (!virtual_.label.isEmpty())
        ports_ << virtual_;
    const auto listed = [this](const QString& key) {
        for (const Port& port : ports_)
            if (port.key == key)
                return true;
        return false;
    };
    // The port remembered is offered where the listed ones end, before the
    // virtual device, even when nothing answers to its name now.
    if (!keptKey_.isEmpty() && !listed(keptKey_)) {
        const QString path =
            keptKey_.startsWith(kByIdKey)
                ? devRoot_ + QStringLiteral("/serial/by-id/") + keptKey_.mid(kByIdKey.size())
                : keptKey_;
        Port kept = PathPort(path);
        kept.key = keptKey_;
        ports_.insert(listed_.size(), kept);
    }
    const QSignalBlocker block(this);
    clear();
    for (const Port& port : ports_) {
        addItem(port.label, port.key);
        if (!port.device.isEmpty())
            setItemData(count() - 1, port.device, Qt::ToolTipRole);
    }
    // The list opens as wide as its longest entry: a stable name is long,
    // and cut in the middle it no longer tells two adapters apart.
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth() +
                            view()->verticalScrollBar()->sizeHint().width());
    if (!keepText.isEmpty()) {
        setCurrentIndex(-1);
        setEditText(keepText);
        return;
    }
    const int index = findData(keepKey);
    setCurrentIndex(index >= 0 ? index : (ports_.isEmpty() ? -1 : 0));
}

void PortBox::SelectKey(const QString& key, bool keepUnlisted) {
    // Only a device path, or a stable name, is worth offering unlisted.
    const bool path = key.startsWith(QLatin1Char('/')) || key.startsWith(kByIdKey);
    keptKey_ = keepUnlisted && path ? key : QString();
    Fill(key, QString());
}

bool PortBox::IsTyped() const {
    const int index = currentIndex();
    return index < 0 || index >= ports_.size() || currentText() != itemText(index);
}

PortBox::Port PortBox::Current() const {
    if (!IsTyped())
        return ports_[currentIndex()];
    const QString text = currentText().trimmed();
    return text.isEmpty() ? Port{} : PathPort(text);
}

} // namespace varkel
