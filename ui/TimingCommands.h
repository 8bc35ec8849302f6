#pragma once
#include <QObject>

class QAction;

namespace varkel {

class CConfigApp;
class CMainFrame;
class StatusSummary;

// The timing and I/O list commands of the main window: the status bar
// summary, File > Export I/O list, File > Export PLC Tags and Edit > Timing.
class TimingCommands : public QObject {
    Q_OBJECT
public:
    TimingCommands(CConfigApp& app, CMainFrame& frame);

    QAction* ExportIoListAction() const { return exportIoList_; }
    QAction* ExportTagsAction() const { return exportTags_; }
    QAction* TimingAction() const { return timing_; }
    StatusSummary* Summary() const { return summary_; }
    // The commands' texts in the active language.
    void Retranslate();

    void OnExportIoList();
    void OnExportTags();
    void OnTiming();

private:
    CConfigApp& app_;
    CMainFrame& frame_;
    QAction* exportIoList_ = nullptr;
    QAction* exportTags_ = nullptr;
    QAction* timing_ = nullptr;
    StatusSummary* summary_ = nullptr;
};

} // namespace varkel
