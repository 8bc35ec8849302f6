#pragma once
#include <QDialog>

#include <functional>

class QKeyEvent;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace varkel {

// The list of Modbus functions; every double-clicked entry (or the selected
// one on Return or Add) adds one command of that function, and the dialog
// stays open for more until it is closed. Functions the gateway does not
// support are shown greyed.
class SelectCommandDialog : public QDialog {
    Q_OBJECT
public:
    using AddCommand = std::function<void(int functionIndex)>;

    explicit SelectCommandDialog(AddCommand add, QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }
    QPushButton* AddButton() const { return addButton_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnDoubleClick(QListWidgetItem* entry);
    // The selected entry, or null.
    QListWidgetItem* Chosen() const;

    QListWidget* list_;
    QPushButton* addButton_;
    AddCommand add_;
};

} // namespace varkel
