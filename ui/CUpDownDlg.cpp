#include "ui/CUpDownDlg.h"

#include "link/Download.h"
#include "link/PortList.h"
#include "link/TraceLine.h"
#include "model/Catalog.h"
#include "model/Command.h"
#include "model/ConfigCheck.h"
#include "model/Messages.h"
#include "model/Node.h"
#include "model/PortOpenError.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/Subnet.h"
#include "model/TextKeys.h"
#include "ui/QtMessageSink.h"
#include "ui/UiText.h"
#include "ui/VirtualGateway.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QToolButton>
#include <QVBoxLayout>

#include <set>

namespace varkel {

namespace {

const char* const kLastPortSetting = "transfer/lastPort";
const char* const kVirtualKey = "virtual";

} // namespace

CUpDownDlg::CUpDownDlg(Project& project, int mode, QWidget* parent)
    : QDialog(parent), project_(project), mode_(mode == DownloadMode ? DownloadMode : UploadMode) {
    setObjectName(QStringLiteral("upDownDialog"));
    // The caption and the OK button say what the transfer does.
    const QString title = Local(mode_ == DownloadMode ? kKeyDownload : kKeyUpload);
    setWindowTitle(title);

    auto* portLabel = new QLabel(tr("Serial port:"), this);
    portList_ = new PortBox(this);
    portList_->setObjectName(QStringLiteral("portList"));
    portList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    portList_->setMinimumContentsLength(26);
    portLabel->setBuddy(portList_);

    progressLabel_ = new QLabel(this);
    progressLabel_->setObjectName(QStringLiteral("progressLabel"));
    progressLabel_->setText(tr("Choose the port the gateway is connected to, or type its path."));
    progressLabel_->setWordWrap(true);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setFormat(QStringLiteral("%v / %m"));
    // Shown once frames are counted: empty, it looks like a text field, and
    // a port that cannot be opened has no frames to count. Its place is
    // kept, so the dialog does not jump when it appears.
    QSizePolicy keepPlace = progress_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    progress_->setSizePolicy(keepPlace);
    progress_->hide();

    logToggle_ = new QToolButton(this);
    logToggle_->setObjectName(QStringLiteral("logToggle"));
    logToggle_->setText(tr("Frame log"));
    logToggle_->setCheckable(true);
    logToggle_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    logToggle_->setArrowType(Qt::RightArrow);
    logToggle_->setAutoRaise(true);
    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("frameLog"));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    log_->setMinimumHeight(200);
    // Room for a whole command record frame on one line.
    log_->setMinimumWidth(log_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 90 + 30);
    log_->setMaximumBlockCount(5000);
    log_->hide();
    connect(logToggle_, &QToolButton::toggled, this, &CUpDownDlg::SetLogExpanded);

    auto* buttons = new QDialogButtonBox(this);
    okButton_ = buttons->addButton(title.trimmed(), QDialogButtonBox::AcceptRole);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    cancelButton_ = buttons->addButton(QDialogButtonBox::Cancel);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    connect(okButton_, &QPushButton::clicked, this, &CUpDownDlg::StartTransfer);
    connect(cancelButton_, &QPushButton::clicked, this, &CUpDownDlg::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(portLabel, 0, 0);
    grid->addWidget(portList_, 0, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(progressLabel_);
    layout->addWidget(progress_);
    layout->addWidget(logToggle_, 0, Qt::AlignLeft);
    layout->addWidget(log_, 1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    ListSystemPorts(QStringLiteral("/dev"), QStringLiteral("/sys/class/tty"));
    minimumWidth_ = qMax(sizeHint().width(), 440);
    resize(minimumWidth_, sizeHint().height());
}

CUpDownDlg::~CUpDownDlg() {
    // Closed with the program in the middle of a transfer: stop it at its
    // next frame; what it would still tell the dialog is dropped with the
    // dialog.
    if (worker_.joinable()) {
        session_->Cancel();
        worker_.join();
    }
}

CUpDownDlg::Port CUpDownDlg::VirtualPort() {
    Port port;
    port.label = tr("Virtual gateway (built in)");
    port.key = QLatin1String(kVirtualKey);
    port.isVirtual = true;
    port.name = tr("the built-in virtual gateway");
    return port;
}

void CUpDownDlg::SetPorts(const QList<Port>& ports) {
    portList_->SetVirtualPort(Port{});
    portList_->SetPorts(ports);
    portList_->SelectKey(LastPortKey(), false);
}

void CUpDownDlg::ListSystemPorts(const QString& devRoot, const QString& sysRoot) {
    portList_->SetVirtualPort(VirtualPort());
    portList_->ListSystemPorts(devRoot, sysRoot);
    portList_->SelectKey(LastPortKey());
}

QString CUpDownDlg::LastPortKey() {
    return QSettings().value(QLatin1String(kLastPortSetting)).toString();
}

void CUpDownDlg::SetLastPortKey(const QString& key) {
    QSettings settings;
    settings.setValue(QLatin1String(kLastPortSetting), key);
    settings.sync();
}

QString CUpDownDlg::LogText() const {
    return log_->toPlainText();
}

bool CUpDownDlg::LogExpanded() const {
    return logToggle_->isChecked();
}

void CUpDownDlg::SetLogExpanded(bool expanded) {
    if (logToggle_->isChecked() != expanded) {
        logToggle_->setChecked(expanded); // comes back here through toggled
        return;
    }
    logToggle_->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
    // Taken before the log shows: showing it grows the window at once.
    centre_ = geometry().center();
    log_->setVisible(expanded);
    FitAround();
}

void CUpDownDlg::FitAround() {
    // Grows and shrinks with what it shows, about the same centre, so that
    // it stays over the window that opened it.
    const bool shown = isVisible();
    layout()->activate();
    QRect fitted(QPoint(0, 0), sizeHint().expandedTo(minimumSizeHint()));
    fitted.setWidth(qMax(fitted.width(), minimumWidth_));
    if (!shown) {
        resize(fitted.size());
        return;
    }
    fitted.moveCenter(centre_);
    fitting_ = true;
    setGeometry(fitted);
    fitting_ = false;
}

void CUpDownDlg::moveEvent(QMoveEvent* event) {
    // Moved by the user while a transfer runs: the size fitted at its end
    // stays where the user put the dialog.
    if (!fitting_ && isVisible())
        centre_ += event->pos() - event->oldPos();
    QDialog::moveEvent(event);
}

void CUpDownDlg::SetControlsEnabled(bool enabled) {
    okButton_->setEnabled(enabled);
    portList_->setEnabled(enabled);
}

void CUpDownDlg::RestoreIdle() {
    unsetCursor();
    busy_ = false;
    cancelling_ = false;
    SetControlsEnabled(true);
    cancelButton_->setEnabled(true);
}

void CUpDownDlg::CancelTransfer() {
    if (!busy_ || !session_ || cancelling_)
        return;
    cancelling_ = true;
    session_->Cancel();
    cancelButton_->setEnabled(false);
    progressLabel_->setText(tr("Cancelling…"));
}

void CUpDownDlg::StartTransfer() {
    if (busy_)
        return;
    SetControlsEnabled(false);
    const bool typed = portList_->IsTyped();
    const Port port = portList_->Current();
    // A listed port is remembered before anything can fail, so that the
    // next attempt offers the same port; a typed one once it opened.
    if (!typed && !port.key.isEmpty())
        SetLastPortKey(port.key);

    busy_ = true;
    lastResult_ = 0;
    // Where it stands before the texts of this transfer change its size.
    centre_ = geometry().center();
    setCursor(Qt::BusyCursor);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->hide();
    log_->clear();
    started_ = std::chrono::steady_clock::now();

    std::string device = port.device.toStdString();
    portName_ = port.name;
    if (port.isVirtual) {
        std::string error;
        device = VirtualGateway::Shared().Device(&error);
        if (device.empty()) {
            const QString why = tr("The virtual gateway could not be started: %1")
                                    .arg(QString::fromStdString(error));
            AppendLog(why);
            TransferOutcome outcome;
            outcome.result = PortOpenFailed;
            outcome.openFailure.failure = OpenFailure::Other;
            outcome.openFailure.detail = why.toStdString();
            OnFinished(std::move(outcome));
            return;
        }
    }
    // The built-in gateway's pseudo-terminal means nothing to the user.
    const QString where =
        port.isVirtual ? tr("the built-in virtual gateway") : QString::fromStdString(device);
    AppendLog(
        tr("%1 on %2 at %3")
            .arg(Local(mode_ == DownloadMode ? kKeyDownload : kKeyUpload).trimmed(), where,
                 QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    progressLabel_->setText(tr("Opening %1").arg(where));

    session_ = std::make_unique<TransferSession>(mode_ == DownloadMode ? TransferKind::Download
                                                                       : TransferKind::Upload,
                                                 transportFactory_ ? transportFactory_() : nullptr);
    session_->SetPaceMs(paceMs_);
    // Both come on the worker thread and are shown on this one.
    session_->SetProgressCallback([this](const Progress& p) {
        const auto when = std::chrono::steady_clock::now();
        post_->Post([this, p, when] { OnProgress(p, when); });
    });
    session_->SetTraceCallback(
        [this](const TraceEvent& e) { post_->Post([this, e] { OnTrace(e); }); });
    // A typed path is checked by opening it: one that does not open is
    // refused with the reason, and the user may correct it.
    if (typed && !session_->Open(device)) {
        TransferOutcome outcome = session_->TakeOutcome();
        session_.reset();
        lastResult_ = outcome.result;
        const std::string reason = PortOpenText(outcome.openFailure);
        const QString why = QString::fromStdString(reason);
        progressLabel_->setText(why);
        AppendLog(why.split(QLatin1Char('\n')).join(QLatin1Char(' ')));
        ShowMessage(reason);
        RestoreIdle();
        FitAround();
        portList_->setFocus();
        portList_->lineEdit()->selectAll();
        emit TransferFinished(lastResult_);
        return;
    }
    if (typed)
        SetLastPortKey(port.key);
    // Cancel stops the transfer from now on.
    cancelButton_->setEnabled(true);
    // Opening and the checks run here: the checks may show a message.
    if (!session_->Begin(project_, device)) {
        OnFinished(session_->TakeOutcome());
        return;
    }
    worker_ = std::thread([this] {
        session_->Run();
        post_->Post([this] { OnWorkerDone(); });
    });
}

void CUpDownDlg::OnWorkerDone() {
    if (worker_.joinable())
        worker_.join();
    OnFinished(session_->TakeOutcome());
}

QString CUpDownDlg::Stamp(std::chrono::steady_clock::time_point time) const {
    return QString::fromStdString(TraceStamp(time, started_, TraceForm::Log));
}

void CUpDownDlg::AppendLog(const QString& line) {
    log_->appendPlainText(line);
}

void CUpDownDlg::OnProgress(const Progress& p, std::chrono::steady_clock::time_point when) {
    // The bar shows the frames finished; the label the one on its way.
    progress_->show();
    progress_->setRange(0, qMax(p.total, 1));
    progress_->setValue(qMax(p.step - 1, 0));
    const QString what = QString::fromStdString(p.what);
    progressLabel_->setText(tr("%1 of %2: %3").arg(p.step).arg(p.total).arg(what));
    AppendLog(QStringLiteral("%1  [%2/%3] %4").arg(Stamp(when)).arg(p.step).arg(p.total).arg(what));
}

void CUpDownDlg::OnTrace(const TraceEvent& e) {
    AppendLog(QString::fromStdString(TraceLine(e, started_, TraceForm::Log)));
}

void CUpDownDlg::OnFinished(TransferOutcome outcome) {
    session_.reset();
    const int result = outcome.result;
    lastResult_ = result;
    // What the transfer met on its way comes before its result.
    for (const std::string& notice : outcome.notices)
        ShowMessage(notice);

    // The outcome is on the dialog before the message box covers it, so the
    // bar and the label behind the box agree with what it says.
    const std::string openFailure =
        outcome.openFailure.Failed() ? PortOpenText(outcome.openFailure) : std::string();
    const std::string failure =
        FailureText(outcome, mode_ == DownloadMode ? TransferKind::Download : TransferKind::Upload,
                    portName_.toStdString());
    const QString text = QString::fromStdString(
        result == Success
            ? LocalText(mode_ == DownloadMode ? kKeyDownloadSuccessfully : kKeyUploadSuccessfully)
            : failure);
    if (result == Success)
        progress_->setValue(progress_->maximum());
    progressLabel_->setText(text);
    AppendLog(QStringLiteral("%1  %2").arg(Stamp(std::chrono::steady_clock::now()),
                                           text.split(QLatin1Char('\n')).join(QLatin1Char(' '))));

    if (!openFailure.empty()) {
        ShowMessage(openFailure);
    } else if (mode_ == DownloadMode && (result == MappingConflict || result == MappingOverflow)) {
        // Which commands are at fault, and the way to the map that shows it.
        const QString commands = CommandsAtFault(project_, result).join(QLatin1Char('\n'));
        const QString question =
            (result == MappingConflict
                 ? tr("The mapping addresses of these commands conflict; nothing was sent to "
                      "the gateway:\n%1")
                 : tr("These commands are mapped beyond the gateway's memory; nothing was sent "
                      "to the gateway:\n%1"))
                .arg(commands) +
            QStringLiteral("\n\n") + tr("Open Conflict Detect now?");
        openConflictDetect_ = AskQuestion(question, Buttons::YesNo) == Answer::Yes;
    } else if (result != Success) {
        ShowMessage(failure);
    } else if (mode_ == DownloadMode) {
        ShowMessage(LocalText(kKeyDownloadSuccessfully));
    } else {
        project_.TakeFrom(*outcome.uploaded);
        if (uploadRefresh_)
            uploadRefresh_();
        ShowMessage(LocalText(kKeyUploadSuccessfully));
        // Taken as the gateway holds them; the user learns which.
        if (!outcome.refused.empty())
            ShowWarning(RefusedValuesText(Text(Msg::LinkRefusedUpload), outcome.refused));
    }

    RestoreIdle();
    // A long error text made it taller; the next one may be short.
    FitAround();
    emit TransferFinished(result);
    // One attempt per visit; with the frame log open the user is reading
    // it, so the dialog stays until closed.
    if (LogExpanded() && !openConflictDetect_)
        cancelButton_->setText(tr("Close"));
    else if (result == UserCancelled)
        QDialog::reject();
    else
        QDialog::accept();
}

QStringList CUpDownDlg::CommandsAtFault(const Project& project, int result) {
    // The configuration check names every command of a conflict or an
    // overflow; the message lists each once, in the node's order.
    std::set<int> positions;
    for (const ConfigProblem& problem : CheckConfiguration(project).problems)
        if (problem.code == result)
            positions.insert(problem.commands.begin(), problem.commands.end());
    QStringList names;
    const Node* node = project.GetSubnet().GetNodeAt(0);
    for (int c : positions)
        if (node && c < node->GetCommandCount())
            names << QString::fromStdString(node->GetName() + " / " +
                                            CommandLabel(c, node->GetCommandAt(c)->GetName()));
    return names;
}

void CUpDownDlg::reject() {
    // Cancel, Escape: while a transfer runs they stop it; the dialog closes
    // when it has ended and said how.
    if (busy_) {
        CancelTransfer();
        return;
    }
    QDialog::reject();
}

void CUpDownDlg::closeEvent(QCloseEvent* event) {
    if (busy_) {
        CancelTransfer();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace varkel
