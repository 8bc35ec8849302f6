#pragma once
#include "link/SerialLink.h"
#include "link/TransferSession.h"
#include "ui/PortBox.h"
#include "ui/WorkerPost.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <thread>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace varkel {

class Project;

// The Upload/Download dialog: the user picks a serial port, or the built-in
// virtual gateway, or types a device path, and starts one transfer of the
// project. The transfer runs on a worker thread while the dialog shows its
// progress and, on demand, the frames on the line; it cannot be started
// twice or closed while it runs, and Cancel stops it between frames.
class CUpDownDlg : public QDialog {
    Q_OBJECT
public:
    enum Mode { UploadMode = 0, DownloadMode = 1 };

    // One entry of the port list; the virtual gateway's is marked virtual.
    using Port = PortBox::Port;

    CUpDownDlg(Project& project, int mode, QWidget* parent = nullptr);
    ~CUpDownDlg() override;

    int GetMode() const { return mode_; }

    static Port VirtualPort();
    // Replaces the list (tests, or a list made elsewhere) and selects the
    // last port used again.
    void SetPorts(const QList<Port>& ports);
    // Lists the system's ports under these roots, then the virtual gateway,
    // and follows adapters plugged in or out (tests give folders of their own).
    void ListSystemPorts(const QString& devRoot, const QString& sysRoot);
    QList<Port> Ports() const { return portList_->Ports(); }
    // The remembered last port, kept in the program's settings.
    static QString LastPortKey();
    static void SetLastPortKey(const QString& key);

    // Called after a successful upload has replaced the configuration, before
    // the success message: the editor shows the new configuration.
    void SetUploadRefresh(std::function<void()> refresh) { uploadRefresh_ = std::move(refresh); }
    // The pause between a frame and its acknowledgement (tests use 0).
    void SetPaceMs(int ms) { paceMs_ = ms; }
    // Makes the byte pipe of each transfer; without one the system's serial
    // port is used. A seam for tests.
    using TransportFactory = std::function<std::unique_ptr<Transport>()>;
    void SetTransportFactory(TransportFactory factory) { transportFactory_ = std::move(factory); }

    // Starts the transfer on the selected port or the path typed; what OK
    // does. A typed path that cannot be opened is refused with the reason,
    // and the dialog stays for another.
    void StartTransfer();
    // Stops a running transfer between frames; what Cancel does meanwhile.
    void CancelTransfer();
    bool IsBusy() const { return busy_; }
    // Result code of the last transfer (the port-open failure included).
    int LastResult() const { return lastResult_; }
    // The frame log's text and whether it is shown.
    QString LogText() const;
    bool LogExpanded() const;
    void SetLogExpanded(bool expanded);

    // A download refused for a mapping conflict or overflow, and the user
    // asked to see the memory maps: the caller opens Conflict Detect.
    bool WantsConflictDetect() const { return openConflictDetect_; }
    // The commands whose mapping makes a download fail with that result
    // (conflict or overflow), named as the node and position in it.
    static QStringList CommandsAtFault(const Project& project, int result);

    PortBox* PortList() const { return portList_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    QProgressBar* ProgressBar() const { return progress_; }
    QLabel* ProgressLabel() const { return progressLabel_; }

    void reject() override;

signals:
    // The transfer ended with this result code; its messages have been shown.
    void TransferFinished(int result);

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // What the worker thread reports, run on the window's thread.
    WorkerPost* post_ = new WorkerPost(this);
    void OnProgress(const Progress& progress, std::chrono::steady_clock::time_point when);
    void OnTrace(const TraceEvent& event);
    void OnWorkerDone();
    void OnFinished(TransferOutcome outcome);
    void SetControlsEnabled(bool enabled);
    void RestoreIdle();
    void FitAround();
    void AppendLog(const QString& line);
    QString Stamp(std::chrono::steady_clock::time_point time) const;

    Project& project_;
    int mode_;
    PortBox* portList_ = nullptr;
    QString portName_; // what messages call the port of the transfer
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* progressLabel_ = nullptr;
    QToolButton* logToggle_ = nullptr;
    QPlainTextEdit* log_ = nullptr;

    std::function<void()> uploadRefresh_;
    TransportFactory transportFactory_;
    int paceMs_ = SerialLink::kDefaultPaceMs;
    int minimumWidth_ = 0;
    QPoint centre_;        // kept while the dialog grows and shrinks
    bool fitting_ = false; // the dialog is moving itself, not the user
    bool busy_ = false;
    bool cancelling_ = false;
    bool openConflictDetect_ = false;
    int lastResult_ = 0;
    std::chrono::steady_clock::time_point started_;
    // The transfer under way; it works on its own copy of the project, and
    // the user's configuration is replaced on this thread only when an
    // upload succeeded.
    std::unique_ptr<TransferSession> session_;
    std::thread worker_;
};

} // namespace varkel
