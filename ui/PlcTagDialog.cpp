#include "ui/PlcTagDialog.h"

#include "export/PlcTagFiles.h"
#include "model/Catalog.h"
#include "model/Messages.h"
#include "model/Subnet.h"
#include "ui/UiText.h"
#include "ui/UserDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace varkel {
namespace {

// Stored by name, so that a later order of the list reads them right.
const char* const kFormatKeys[] = {"csv", "s7", "iec"};
const char* const kSuffixes[] = {"csv", "xlsx", "st"};

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

enum TypesColumn {
    CommandColumn,
    SlaveColumn,
    FunctionColumn,
    AddressColumn,
    TypeColumn,
    TypesColumns
};

} // namespace

PlcTagDialog::PlcTagDialog(const Subnet& subnet, const QString& configurationPath,
                           const std::map<int, PlcTagType>& decoded, QWidget* parent)
    : QDialog(parent), subnet_(subnet), configurationPath_(configurationPath),
      settingsGroup_(SettingsGroup(configurationPath)) {
    setObjectName(QStringLiteral("plcTagDialog"));
    setWindowTitle(tr("Export PLC Tags"));
    suggestedName_ = configurationPath.isEmpty()
                         ? QStringLiteral("tags")
                         : QFileInfo(configurationPath).completeBaseName() + QLatin1String("_tags");

    format_ = new QComboBox(this);
    format_->setObjectName(QStringLiteral("plcTagFormat"));
    format_->addItem(tr("CSV: name, type, address, comment"));
    format_->addItem(tr("S7 tag table (.xlsx)"));
    format_->addItem(tr("IEC 61131-3 global variables (text)"));
    inputBase_ = new QSpinBox(this);
    outputBase_ = new QSpinBox(this);
    for (QSpinBox* base : {inputBase_, outputBase_}) {
        base->setRange(0, 65535);
        base->setToolTip(tr("The byte address at which the PLC maps this area of the gateway"));
        base->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    tableName_ = new QLineEdit(QStringLiteral("Varkel"), this);
    tableName_->setToolTip(tr("The Path column of the S7 table; the heading of the IEC text"));
    byteAddressing_ = new QCheckBox(
        tr("IEC &byte addressing (the word at byte 256 is %IW256, not %IW128)"), this);

    auto* form = new QFormLayout;
    form->addRow(tr("&Format:"), format_);
    form->addRow(tr("&Input area at PLC byte:"), inputBase_);
    form->addRow(tr("&Output area at PLC byte:"), outputBase_);
    form->addRow(tr("Table &name:"), tableName_);
    form->addRow(QString(), byteAddressing_);

    types_ = new QTableWidget(0, TypesColumns, this);
    types_->setObjectName(QStringLiteral("plcTagTypes"));
    types_->setHorizontalHeaderLabels(
        {tr("Command"), tr("Slave"), tr("Function"), tr("Modbus address"), tr("Type")});
    types_->verticalHeader()->setVisible(false);
    types_->setSelectionMode(QAbstractItemView::NoSelection);
    types_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    types_->horizontalHeader()->setSectionResizeMode(CommandColumn, QHeaderView::Stretch);
    auto* typesLabel = new QLabel(tr("Register &types:"), this);
    typesLabel->setBuddy(types_);

    preview_ = new QTableWidget(0, 4, this);
    preview_->setObjectName(QStringLiteral("plcTagPreview"));
    preview_->setHorizontalHeaderLabels({tr("Name"), tr("Type"), tr("Address"), tr("Comment")});
    preview_->verticalHeader()->setVisible(false);
    // Text rows only: as many of them in sight as the space allows.
    preview_->verticalHeader()->setDefaultSectionSize(preview_->fontMetrics().height() + 6);
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    preview_->horizontalHeader()->setStretchLastSection(true);
    previewTitle_ = new QLabel(this);
    previewTitle_->setBuddy(preview_);
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("plcTagNotes"));
    notes_->setWordWrap(true);
    notes_->setTextFormat(Qt::PlainText);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    export_ = buttons->addButton(tr("&Export..."), QDialogButtonBox::AcceptRole);
    export_->setObjectName(QStringLiteral("plcTagExport"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(export_, &QPushButton::clicked, this, &PlcTagDialog::OnExport);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(typesLabel);
    layout->addWidget(types_, 2);
    layout->addWidget(previewTitle_);
    layout->addWidget(preview_, 3);
    layout->addWidget(notes_);
    layout->addWidget(buttons);

    BuildTypes(decoded);
    Restore();
    connect(format_, &QComboBox::currentIndexChanged, this, &PlcTagDialog::Refresh);
    connect(inputBase_, &QSpinBox::valueChanged, this, &PlcTagDialog::Refresh);
    connect(outputBase_, &QSpinBox::valueChanged, this, &PlcTagDialog::Refresh);
    connect(tableName_, &QLineEdit::textChanged, this, &PlcTagDialog::Refresh);
    connect(byteAddressing_, &QCheckBox::toggled, this, &PlcTagDialog::Refresh);
    for (const auto& [number, box] : typeBoxes_)
        connect(box, &QComboBox::currentIndexChanged, this, &PlcTagDialog::Refresh);
    Refresh();
    resize(1000, 760);
}

bool PlcTagDialog::TypeOfDecoding(ValueDecoder::Format format, PlcTagType& type) {
    switch (format) {
    case ValueDecoder::Format::Unsigned16:
        type = PlcTagType::Uint;
        return true;
    case ValueDecoder::Format::Signed16:
        type = PlcTagType::Int;
        return true;
    case ValueDecoder::Format::Int32:
        type = PlcTagType::Dint;
        return true;
    case ValueDecoder::Format::Float32:
        type = PlcTagType::Real;
        return true;
    case ValueDecoder::Format::Hex:
        break;
    }
    return false;
}

QString PlcTagDialog::SettingsGroup(const QString& configurationPath) {
    if (configurationPath.isEmpty())
        return QString();
    const QFileInfo file(configurationPath);
    const QString path =
        file.canonicalFilePath().isEmpty() ? file.absoluteFilePath() : file.canonicalFilePath();
    // A path holds the separators settings keys are made of.
    return QLatin1String("plcTags/") +
           QString::fromLatin1(
               QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex());
}

void PlcTagDialog::BuildTypes(const std::map<int, PlcTagType>& decoded) {
    const PlcTagTable all = BuildPlcTags(subnet_, PlcTagOptions{});
    for (const PlcTagCommand& command : all.commands) {
        if (!command.registers)
            continue;
        const int row = types_->rowCount();
        types_->insertRow(row);
        types_->setItem(row, CommandColumn,
                        Cell(QStringLiteral("#%1 %2").arg(command.number).arg(Q(command.name))));
        types_->setItem(row, SlaveColumn, Cell(QString::number(command.slave)));
        types_->setItem(row, FunctionColumn, Cell(QString::number(command.function)));
        types_->setItem(row, AddressColumn,
                        Cell(command.count > 1
                                 ? QStringLiteral("%1 x%2").arg(command.start).arg(command.count)
                                 : QString::number(command.start)));
        auto* box = new QComboBox;
        for (PlcTagType type : RegisterTagTypes())
            box->addItem(QString::fromLatin1(PlcTagTypeName(type)), static_cast<int>(type));
        auto found = decoded.find(command.number);
        const PlcTagType offered = found != decoded.end() && TagTypeRegisters(found->second) > 0
                                       ? found->second
                                       : PlcTagType::Int;
        offered_[command.number] = offered;
        box->setCurrentIndex(box->findData(static_cast<int>(offered)));
        types_->setCellWidget(row, TypeColumn, box);
        typeBoxes_[command.number] = box;
    }
}

QComboBox* PlcTagDialog::TypeBox(int commandNumber) const {
    auto found = typeBoxes_.find(commandNumber);
    return found == typeBoxes_.end() ? nullptr : found->second;
}

void PlcTagDialog::Restore() {
    if (settingsGroup_.isEmpty())
        return;
    QSettings settings;
    settings.beginGroup(settingsGroup_);
    const QString format = settings.value(QStringLiteral("format")).toString();
    for (int i = 0; i < 3; ++i)
        if (format == QLatin1String(kFormatKeys[i]))
            format_->setCurrentIndex(i);
    inputBase_->setValue(settings.value(QStringLiteral("inputBase"), 0).toInt());
    outputBase_->setValue(settings.value(QStringLiteral("outputBase"), 0).toInt());
    tableName_->setText(settings.value(QStringLiteral("table"), tableName_->text()).toString());
    byteAddressing_->setChecked(settings.value(QStringLiteral("iecByteAddressing")).toBool());
    // Only types picked here are kept: the others follow Test Commands.
    for (const QString& entry : settings.value(QStringLiteral("types")).toStringList()) {
        const QStringList parts = entry.split(QLatin1Char('='));
        PlcTagType type = PlcTagType::Int;
        if (parts.size() != 2 || !ParseRegisterTagType(parts[1].toStdString(), type))
            continue;
        if (QComboBox* box = TypeBox(parts[0].toInt()))
            box->setCurrentIndex(box->findData(static_cast<int>(type)));
    }
}

void PlcTagDialog::Remember() const {
    if (settingsGroup_.isEmpty())
        return;
    QSettings settings;
    settings.beginGroup(settingsGroup_);
    settings.setValue(QStringLiteral("format"),
                      QLatin1String(kFormatKeys[std::max(format_->currentIndex(), 0)]));
    settings.setValue(QStringLiteral("inputBase"), inputBase_->value());
    settings.setValue(QStringLiteral("outputBase"), outputBase_->value());
    settings.setValue(QStringLiteral("table"), tableName_->text());
    settings.setValue(QStringLiteral("iecByteAddressing"), byteAddressing_->isChecked());
    QStringList types;
    const PlcTagOptions options = Options();
    for (const auto& [number, type] : options.types)
        if (offered_.at(number) != type)
            types << QStringLiteral("%1=%2").arg(number).arg(
                QString::fromLatin1(PlcTagTypeName(type)));
    settings.setValue(QStringLiteral("types"), types);
}

PlcTagOptions PlcTagDialog::Options() const {
    PlcTagOptions options;
    options.format = static_cast<PlcTagFormat>(std::max(format_->currentIndex(), 0));
    options.inputBase = inputBase_->value();
    options.outputBase = outputBase_->value();
    options.table = tableName_->text().toStdString();
    options.iecByteAddressing = byteAddressing_->isChecked();
    for (const auto& [number, box] : typeBoxes_)
        options.types[number] = static_cast<PlcTagType>(box->currentData().toInt());
    return options;
}

void PlcTagDialog::Refresh() {
    const PlcTagOptions options = Options();
    tableName_->setEnabled(options.format != PlcTagFormat::Csv);
    byteAddressing_->setEnabled(options.format == PlcTagFormat::Iec);
    table_ = BuildPlcTags(subnet_, options);

    const int total = static_cast<int>(table_.tags.size());
    const int shown = std::min(total, kPreviewRows);
    previewTitle_->setText(tr("&Preview: the first %1 of %2 tags").arg(shown).arg(total));
    preview_->setRowCount(shown);
    for (int row = 0; row < shown; ++row) {
        const PlcTag& tag = table_.tags[static_cast<std::size_t>(row)];
        preview_->setItem(row, 0, Cell(Q(tag.name)));
        preview_->setItem(row, 1,
                          Cell(QString::fromLatin1(options.format == PlcTagFormat::S7
                                                       ? PlcTagTypeS7Name(tag.type)
                                                       : PlcTagTypeName(tag.type))));
        preview_->setItem(row, 2, Cell(Q(tag.address)));
        preview_->setItem(row, 3, Cell(Q(tag.comment)));
        preview_->item(row, 3)->setToolTip(Q(tag.comment));
    }

    QStringList lines;
    for (const std::string& problem : table_.problems)
        lines << Q(problem);
    for (const std::string& note : table_.notes)
        lines << Q(note);
    for (const PlcTagOverlap& overlap : FindPlcTagOverlaps(table_))
        lines << Q(PlcTagOverlapText(table_, overlap));
    if (table_.tags.empty())
        lines << Q(Text(Msg::PlcTagsNone));
    notes_->setText(lines.join(QLatin1Char('\n')));
    notes_->setStyleSheet(table_.problems.empty() ? QString() : QStringLiteral("color: #b00000;"));
    export_->setEnabled(table_.problems.empty() && total > 0);
}

bool PlcTagDialog::ExportTo(const QString& path) {
    Refresh();
    std::string error;
    if (!WritePlcTagFile(table_, path.toStdString(), error)) {
        ShowMessage(error);
        return false;
    }
    Remember();
    written_ = path;
    return true;
}

void PlcTagDialog::OnExport() {
    const int format = std::max(format_->currentIndex(), 0);
    const QString filters[] = {tr("CSV files (*.csv)"), tr("Workbooks (*.xlsx)"),
                               tr("IEC 61131-3 text (*.st *.txt)")};
    const QString suffix = QLatin1String(kSuffixes[format]);
    const QString path = UserDialogs::Get().SaveFileName(
        this, tr("Export PLC Tags"), filters[format], suffix,
        UserDialogs::StartPath(configurationPath_, suggestedName_ + QLatin1Char('.') + suffix));
    if (path.isEmpty())
        return;
    UserDialogs::RememberFolder(path);
    if (ExportTo(path))
        accept();
}

} // namespace varkel
