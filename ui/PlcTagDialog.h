#pragma once
#include "model/PlcTags.h"
#include "probe/ValueDecoder.h"

#include <QDialog>
#include <QString>

#include <map>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace varkel {

class Subnet;

// File > Export PLC Tags: the format, where the PLC maps the gateway's two
// areas, the table name and a type for each register command, a preview of
// the first tags, then the file. The choices are remembered per
// configuration file.
class PlcTagDialog : public QDialog {
    Q_OBJECT
public:
    // decoded: types that the decodings picked in Test Commands stand for,
    // by command number; they are the default of their commands.
    PlcTagDialog(const Subnet& subnet, const QString& configurationPath,
                 const std::map<int, PlcTagType>& decoded, QWidget* parent = nullptr);

    // The type a decoding of the probe stands for; false for hex, which
    // shows the registers as they came.
    static bool TypeOfDecoding(ValueDecoder::Format format, PlcTagType& type);

    PlcTagOptions Options() const;
    const PlcTagTable& Table() const { return table_; }
    // Writes the table to the path and remembers the choices; false after
    // showing why.
    bool ExportTo(const QString& path);
    QString WrittenPath() const { return written_; }

    // For tests and screenshots.
    QComboBox* FormatBox() const { return format_; }
    QSpinBox* InputBase() const { return inputBase_; }
    QSpinBox* OutputBase() const { return outputBase_; }
    QLineEdit* TableName() const { return tableName_; }
    QCheckBox* ByteAddressing() const { return byteAddressing_; }
    QTableWidget* Types() const { return types_; }
    QTableWidget* Preview() const { return preview_; }
    QLabel* Notes() const { return notes_; }
    // The combo box of a register command's type; nullptr for another.
    QComboBox* TypeBox(int commandNumber) const;
    // The settings group of a configuration file's choices; empty when it
    // has no file yet.
    static QString SettingsGroup(const QString& configurationPath);

    static constexpr int kPreviewRows = 12;

private:
    void BuildTypes(const std::map<int, PlcTagType>& decoded);
    void Restore();
    void Remember() const;
    void Refresh();
    void OnExport();

    const Subnet& subnet_;
    QString configurationPath_;
    QString settingsGroup_;
    QString suggestedName_;
    QString written_;
    PlcTagTable table_;
    std::map<int, PlcTagType> offered_; // each register command's default
    std::map<int, QComboBox*> typeBoxes_;

    QComboBox* format_ = nullptr;
    QSpinBox* inputBase_ = nullptr;
    QSpinBox* outputBase_ = nullptr;
    QLineEdit* tableName_ = nullptr;
    QCheckBox* byteAddressing_ = nullptr;
    QTableWidget* types_ = nullptr;
    QLabel* previewTitle_ = nullptr;
    QTableWidget* preview_ = nullptr;
    QLabel* notes_ = nullptr;
    QPushButton* export_ = nullptr;
};

} // namespace varkel
