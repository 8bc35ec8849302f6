#include "ui/ImportDialog.h"

#include "export/ListReader.h"
#include "model/Command.h"
#include "model/Messages.h"
#include "model/Project.h"
#include "model/Utf8.h"
#include "persist/CsvList.h"
#include "persist/Gb2312.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace varkel {

namespace {

// Names of the command's items from row 1 on, as the grid shows them.
constexpr int kItemNameKeys[] = {3053, 3005, 3007, 3010, 3012, 3014, 3016, 3018, 3020};
const QColor kRefused(255, 214, 214);
const QColor kRefusedCell(255, 150, 150);
constexpr int kFirstItemColumn = 3; // item 1 of a command; row, status and name before it
constexpr int kMaxColumnWidth = 170;

} // namespace

ImportDialog::ImportDialog(Project& project, const QString& listPath, QWidget* parent)
    : QDialog(parent), project_(project) {
    setObjectName(QStringLiteral("importDialog"));
    setWindowTitle(tr("Import Commands"));

    auto* file = new QLabel(tr("List: %1").arg(QFileInfo(listPath).fileName()), this);
    file->setToolTip(listPath);
    replace_ = new QRadioButton(tr("&Replace the node's commands"), this);
    append_ = new QRadioButton(tr("A&ppend to the node's commands"), this);
    replace_->setChecked(true);
    autoMap_ = new QCheckBox(tr("Run Auto &Mapping after the import"), this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("importSummary"));
    summary_->setWordWrap(true);

    preview_ = new QTableWidget(this);
    preview_->setObjectName(QStringLiteral("importPreview"));
    QStringList headers{tr("Row"), tr("Status"), tr("Command")};
    for (int key : kItemNameKeys)
        headers << Local(key);
    preview_->setColumnCount(static_cast<int>(headers.size()));
    preview_->setHorizontalHeaderLabels(headers);
    for (int c = 0; c < preview_->columnCount(); ++c)
        preview_->horizontalHeaderItem(c)->setToolTip(headers[c]);
    preview_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    preview_->verticalHeader()->hide();
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setSelectionBehavior(QAbstractItemView::SelectRows);
    preview_->setWordWrap(false);

    problems_ = new QListWidget(this);
    problems_->setObjectName(QStringLiteral("importProblems"));
    problems_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    import_ = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    import_->setObjectName(QStringLiteral("importButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(import_, &QPushButton::clicked, this, [this] {
        if (ApplyImport())
            accept();
    });

    auto* modes = new QHBoxLayout;
    modes->addWidget(replace_);
    modes->addWidget(append_);
    modes->addStretch(1);
    modes->addWidget(autoMap_);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(preview_);
    split->addWidget(problems_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addLayout(modes);
    layout->addWidget(summary_);
    layout->addWidget(split, 1);
    layout->addWidget(buttons);
    resize(900, 520);

    std::string error;
    const std::string path = QFile::encodeName(listPath).toStdString();
    const CommandTable::Status status = ListReader::IsWorkbookFile(path)
                                            ? ListReader::ReadWorkbook(path, table_, error)
                                            : CsvList::ReadFile(path, table_, error);
    listRead_ = status == CommandTable::Read;
    if (!listRead_) {
        summary_->setText(QString::fromStdString(error));
        replace_->setEnabled(false);
        append_->setEnabled(false);
        autoMap_->setEnabled(false);
        import_->setEnabled(false);
        return;
    }
    connect(append_, &QRadioButton::toggled, this, &ImportDialog::Refresh);
    Refresh();
}

ImportOptions ImportDialog::Options() const {
    return {append_->isChecked(), autoMap_->isChecked(), IsGb2312Text};
}

void ImportDialog::Refresh() {
    // The preview leaves the mapping as the list gives it: Auto Mapping
    // runs on the import itself.
    ImportOptions options = Options();
    options.autoMap = false;
    Project scratch;
    outcome_ = CommandImport::Check(project_, table_, options, scratch);
    ShowOutcome();
}

void ImportDialog::ShowOutcome() {
    preview_->clearContents();
    preview_->setRowCount(static_cast<int>(outcome_.commands.size()));
    int r = 0;
    for (const ImportedCommand& command : outcome_.commands) {
        QStringList cells{QString::number(command.row), command.refused ? tr("Refused") : tr("OK"),
                          QString::fromStdString(command.name)};
        for (std::size_t i = 1; i < command.values.size(); ++i)
            cells << QString::fromStdString(command.values[i]);
        QStringList reasons;
        for (const ImportProblem& problem : outcome_.problems)
            if (problem.row == command.row)
                reasons << QString::fromStdString(problem.Describe());
        for (int c = 0; c < static_cast<int>(cells.size()) && c < preview_->columnCount(); ++c) {
            auto* cell = new QTableWidgetItem(cells[c]);
            if (command.refused) {
                cell->setBackground(kRefused);
                cell->setToolTip(reasons.join(QLatin1Char('\n')));
            }
            preview_->setItem(r, c, cell);
        }
        // A refused cell shows the text that was refused, not the value
        // the item kept.
        for (const ImportProblem& problem : outcome_.problems) {
            const int c = kFirstItemColumn + problem.item - 1;
            if (problem.row != command.row || problem.item < 1 || c >= preview_->columnCount())
                continue;
            auto* cell = new QTableWidgetItem(QString::fromStdString(EscapedText(problem.value)));
            cell->setBackground(kRefusedCell);
            cell->setToolTip(QString::fromStdString(problem.Describe()));
            preview_->setItem(r, c, cell);
        }
        ++r;
    }
    preview_->resizeColumnsToContents();
    // Parameter names are long; the header's tooltip gives them whole.
    for (int c = kFirstItemColumn; c < preview_->columnCount(); ++c) {
        if (preview_->columnWidth(c) > kMaxColumnWidth)
            preview_->setColumnWidth(c, kMaxColumnWidth);
    }

    problems_->clear();
    for (const ImportProblem& problem : outcome_.problems) {
        auto* line = new QListWidgetItem(QString::fromStdString(problem.Describe()), problems_);
        line->setBackground(kRefused);
    }
    for (const std::string& note : outcome_.notes)
        new QListWidgetItem(QString::fromStdString(note), problems_);

    if (outcome_.Accepted()) {
        summary_->setText(
            tr("%1 commands will be imported into the first node.").arg(outcome_.commands.size()));
    } else {
        summary_->setText(tr("%1 problems found: nothing is imported until the list is corrected.")
                              .arg(outcome_.problems.size()));
    }
    // A list that makes no command has nothing to import.
    import_->setEnabled(outcome_.Accepted() && !outcome_.commands.empty());
}

bool ImportDialog::ApplyImport() {
    if (!listRead_)
        return false;
    // One change of the configuration: the list goes in whole or not at all.
    ImportOutcome outcome = CommandImport::Apply(project_, table_, Options());
    if (!outcome.mapFits)
        ShowMessage(outcome.mapOverflow);
    if (!outcome.applied) {
        outcome_ = std::move(outcome);
        ShowOutcome();
        return false;
    }
    outcome_ = std::move(outcome);
    return true;
}

} // namespace varkel
