#pragma once
#include "probe/ProbeSession.h"
#include "probe/ValueDecoder.h"
#include "ui/PortBox.h"
#include "ui/WorkerPost.h"

#include <QDateTime>
#include <QDialog>
#include <QList>

#include <map>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QSplitter;
class QTableWidget;

namespace varkel {

class Project;
class ProbeImageGrid;
class TrendView;

// "Test Commands": runs the node's commands from the PC against the slaves
// (reads only), with a live table, the input memory image, a trend of
// ticked values and a log. Not modal; closing it stops the test.
class ProbeDialog : public QDialog {
    Q_OBJECT
public:
    enum Column {
        TrendColumn,
        CommandColumn,
        FunctionColumn,
        SlaveColumn,
        AddressColumn,
        StatusColumn,
        ValuesColumn,
        FormatColumn,
        OrderColumn,
        MemoryColumn,
        TimeColumn,
        ColumnCount
    };

    explicit ProbeDialog(Project& project, QWidget* parent = nullptr);
    ~ProbeDialog() override;

    // The ports offered: the system's, then the virtual slave; or a device
    // path typed in the box.
    using Port = PortBox::Port;
    // Lists the system's ports under these roots, then the virtual slave
    // (tests give folders of their own).
    void ListSystemPorts(const QString& devRoot, const QString& sysRoot);
    void SelectVirtualSlave();
    PortBox* PortList() const { return portList_; }

    // Reads the configuration again unless a test runs.
    void Refresh();
    void Start();
    // Asks the test to end and returns at once; it ends within one response
    // time-out, and the port is given back when the worker ends.
    void Stop();
    // From Start until the test has ended and its last results are shown.
    bool IsRunning() const { return running_; }
    bool SaveLog(const QString& path) const;

    // For tests and screenshots.
    QTableWidget* Table() const { return table_; }
    ProbeImageGrid* ImageGrid() const { return image_; }
    // nullptr when the chart module could not be loaded.
    TrendView* Trend() const { return trend_; }
    QString StatusText() const;
    QString PassText() const;
    QString DecodedText() const;
    // The decoding picked for each register command, by its position in the
    // node; hex (the registers as they came) is no decoding and left out.
    std::map<int, ValueDecoder::Format> ChosenFormats() const;
    int ResultCount() const { return static_cast<int>(log_.size()); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // What the worker thread reports, run on the window's thread.
    WorkerPost* post_ = new WorkerPost(this);
    QSplitter* split_ = nullptr;
    QSplitter* lower_ = nullptr;
    struct LogEntry {
        QDateTime time;
        ProbeResult result;
    };

    // Remembers how the table and the panes below share the dialog.
    void SaveLayout() const;
    void BuildTable();
    void OnResult(const ProbeResult& result);
    void OnPass(const PassSummary& summary, const MemoryImage& image);
    void OnFinished(const ProbeOutcome& outcome);
    void OnOpened(const ProbeOpened& opened);
    void ShowValues(int row);
    void ShowSelected();
    void OnSaveLog();
    void SetRunning(bool running);
    ValueDecoder::Format FormatOf(int row) const;
    ValueDecoder::Order OrderOf(int row) const;
    std::vector<std::string> Values(int row, const ProbeResult& result) const;

    Project& project_;
    ProbePlan plan_;
    std::unique_ptr<ProbeSession> session_;
    QString device_; // the port of the test running
    std::vector<LogEntry> log_;
    std::vector<ProbeResult> latest_; // by plan index
    QDateTime started_;
    double estimateMs_ = -1; // the polling-cycle estimate, -1 when there is none
    bool running_ = false;

    PortBox* portList_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QLabel* passLabel_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QTableWidget* table_ = nullptr;
    ProbeImageGrid* image_ = nullptr;
    QLabel* decoded_ = nullptr;
    TrendView* trend_ = nullptr;
    QCheckBox* pause_ = nullptr;
};

} // namespace varkel
