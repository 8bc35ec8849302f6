#pragma once
#include <QComboBox>
#include <QFileSystemWatcher>
#include <QList>
#include <QString>
#include <QTimer>

namespace varkel {

// The port box of the transfer and test dialogs: the system's serial ports
// (USB adapters with what they say they are beside the kernel's name and
// their stable name), a built-in virtual device last, and any device path
// the user types or pastes. While it lists the system's ports it follows
// adapters plugged in or out: it watches the device folders and wakes only
// when they change. The port used last stays offered even when it is not
// listed (a pseudo-terminal, an adapter not plugged in).
class PortBox : public QComboBox {
    Q_OBJECT
public:
    struct Port {
        QString label;  // what the list shows
        QString device; // the path to open; empty for the virtual device
        QString key;    // what is remembered as the last port
        bool isVirtual = false;
        QString name = {}; // what messages call it (ttyUSB0)
    };

    explicit PortBox(QWidget* parent = nullptr);

    // The system's ports under these roots (tests give folders of their own),
    // listed now and again whenever the folders change.
    void ListSystemPorts(const QString& devRoot = QStringLiteral("/dev"),
                         const QString& sysRoot = QStringLiteral("/sys/class/tty"));
    // A list made elsewhere (tests): not watched.
    void SetPorts(const QList<Port>& ports);
    // Offered after the system's ports; none when its label is empty.
    void SetVirtualPort(const Port& port);
    // Selects the port remembered under this key; one not listed is
    // offered as a path of its own, unless told not to (then the first
    // entry is selected).
    void SelectKey(const QString& key, bool keepUnlisted = true);
    QList<Port> Ports() const { return ports_; }

    // What OK opens: the chosen entry, or what was typed as a port of its
    // own (key and device the path; device empty when nothing was typed).
    Port Current() const;
    bool IsTyped() const;

    static QList<Port> SystemPorts(const QString& devRoot, const QString& sysRoot);
    static Port PathPort(const QString& path);

signals:
    // The list was made again from the system's ports.
    void PortsRefreshed();

private:
    void Refresh();
    void Fill(const QString& keepKey, const QString& keepText);
    void Watch();

    QList<Port> ports_;  // as shown, the kept port included
    QList<Port> listed_; // what the system or the caller listed
    Port virtual_;
    QString keptKey_; // a remembered port not listed
    QString devRoot_;
    QString sysRoot_;
    bool watching_ = false;
    QFileSystemWatcher watcher_;
    // The stable names appear a moment after the device: one refresh
    // after the folders settle, not one a change.
    QTimer settle_;
};

} // namespace varkel
