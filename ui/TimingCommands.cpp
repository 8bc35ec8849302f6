#include "ui/TimingCommands.h"

#include "model/Catalog.h"
#include "model/FileWrite.h"
#include "model/IoList.h"
#include "model/Messages.h"
#include "ui/CBriskView.h"
#include "ui/CConfigApp.h"
#include "ui/CDovelDoc.h"
#include "ui/CMainFrame.h"
#include "ui/PlcTagDialog.h"
#include "ui/ProbeDialog.h"
#include "ui/StatusSummary.h"
#include "ui/TimingDialog.h"
#include "ui/UiText.h"
#include "ui/UndoHistory.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>

namespace varkel {

TimingCommands::TimingCommands(CConfigApp& app, CMainFrame& frame)
    : QObject(&frame), app_(app), frame_(frame) {
    exportIoList_ = new QAction(&frame);
    exportIoList_->setObjectName(QStringLiteral("exportIoList"));
    connect(exportIoList_, &QAction::triggered, this, &TimingCommands::OnExportIoList);
    exportTags_ = new QAction(&frame);
    exportTags_->setObjectName(QStringLiteral("exportPlcTags"));
    connect(exportTags_, &QAction::triggered, this, &TimingCommands::OnExportTags);
    timing_ = new QAction(&frame);
    timing_->setObjectName(QStringLiteral("timing"));
    connect(timing_, &QAction::triggered, this, &TimingCommands::OnTiming);

    // After Save As in the File menu; after the conflict check in Edit.
    QMenu* file = frame.FileMenu();
    const QList<QAction*> fileActions = file->actions();
    const int saveAs = fileActions.indexOf(frame.Action(CMainFrame::FileSaveAs));
    file->insertAction(saveAs >= 0 && saveAs + 1 < fileActions.size() ? fileActions[saveAs + 1]
                                                                      : nullptr,
                       exportIoList_);
    file->insertAction(file->actions().value(file->actions().indexOf(exportIoList_) + 1),
                       exportTags_);
    if (auto* edit = frame.findChild<QMenu*>(QStringLiteral("editMenu")))
        edit->addAction(timing_);

    summary_ = new StatusSummary(app.GetProject(), frame.statusBar(), this);
    connect(frame.History(), &UndoHistory::ConfigurationChanged, summary_, &StatusSummary::Refresh);
}

void TimingCommands::Retranslate() {
    exportIoList_->setText(tr("Export &I/O list..."));
    exportIoList_->setStatusTip(tr("Write where every register and coil lies in the Profibus "
                                   "data to a CSV file"));
    exportTags_->setText(tr("Export PLC &Tags..."));
    exportTags_->setStatusTip(tr("Write a tag table the PLC's engineering tool imports"));
    timing_->setText(tr("Timin&g..."));
    timing_->setStatusTip(tr("Estimated polling cycle and line time of every command"));
}

void TimingCommands::OnExportIoList() {
    // A value being typed belongs to the list that is written.
    if (frame_.View())
        frame_.View()->CommitEditor();
    const QString current = frame_.Document().GetPathName();
    const QString start =
        UserDialogs::StartPath(current, current.isEmpty() ? QString()
                                                          : QFileInfo(current).completeBaseName() +
                                                                QLatin1String("_io.csv"));
    const QString path = UserDialogs::Get().SaveFileName(
        &frame_, tr("Export I/O list"), tr("CSV File(*.csv)"), QStringLiteral("csv"), start);
    if (path.isEmpty())
        return;
    UserDialogs::RememberFolder(path);
    const IoList list = BuildIoList(app_.GetProject().GetSubnet());
    std::string error;
    if (!WriteFileAtomically(path.toStdString(), IoListCsv(list, true), error)) {
        ShowMessage(
            tr("Cannot write the I/O list %1: %2").arg(path, QString::fromStdString(error)));
        return;
    }
    // Where the file went, as the workbook export says; elements left out
    // make it a warning.
    const std::string written =
        Text(Msg::IoListWritten,
             {QDir::toNativeSeparators(path).toStdString(), std::to_string(list.rows.size())});
    frame_.statusBar()->showMessage(QString::fromStdString(written), 5000);
    if (list.outside > 0)
        ShowWarning(written + "\n\n" +
                    Text(Msg::IoListOutsideMemory, {std::to_string(list.outside)}));
    else
        ShowMessage(written);
}

void TimingCommands::OnExportTags() {
    if (frame_.View())
        frame_.View()->CommitEditor();
    // The decodings picked in Test Commands (the first node's commands,
    // which the numbering counts first) are the default types.
    std::map<int, PlcTagType> decoded;
    if (const auto* probe = frame_.findChild<ProbeDialog*>()) {
        for (const auto& [position, format] : probe->ChosenFormats()) {
            PlcTagType type = PlcTagType::Int;
            if (PlcTagDialog::TypeOfDecoding(format, type))
                decoded[position + 1] = type;
        }
    }
    PlcTagDialog dialog(app_.GetProject().GetSubnet(), frame_.Document().GetPathName(), decoded,
                        &frame_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    frame_.statusBar()->showMessage(
        QString::fromStdString(
            Text(Msg::PlcTagsWritten,
                 {dialog.WrittenPath().toStdString(), std::to_string(dialog.Table().tags.size())})),
        5000);
}

void TimingCommands::OnTiming() {
    if (frame_.View())
        frame_.View()->CommitEditor();
    TimingDialog dialog(app_.GetProject(), &frame_);
    dialog.exec();
}

} // namespace varkel
