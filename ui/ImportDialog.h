#pragma once
#include "model/CommandImport.h"
#include "model/CommandTable.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace varkel {

class Project;

// File > Import Commands: what a command list would make of the first
// node, and every problem found, before anything changes. Importing applies
// the whole list in one step.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(Project& project, const QString& listPath, QWidget* parent = nullptr);

    // The list could be read; otherwise the dialog shows only why not.
    bool ListRead() const { return listRead_; }
    const ImportOutcome& Outcome() const { return outcome_; }

    QTableWidget* Preview() const { return preview_; }
    QListWidget* Problems() const { return problems_; }
    QRadioButton* AppendButton() const { return append_; }
    QCheckBox* AutoMapBox() const { return autoMap_; }
    QPushButton* ImportButton() const { return import_; }

    // Applies the list to the project as one change; false, with the
    // preview refreshed, when it is refused.
    bool ApplyImport();

private:
    ImportOptions Options() const;
    // Checks the list again against the project with the chosen mode.
    void Refresh();
    void ShowOutcome();

    Project& project_;
    CommandTable table_;
    bool listRead_ = false;
    ImportOutcome outcome_;

    QLabel* summary_ = nullptr;
    QTableWidget* preview_ = nullptr;
    QListWidget* problems_ = nullptr;
    QRadioButton* replace_ = nullptr;
    QRadioButton* append_ = nullptr;
    QCheckBox* autoMap_ = nullptr;
    QPushButton* import_ = nullptr;
};

} // namespace varkel
