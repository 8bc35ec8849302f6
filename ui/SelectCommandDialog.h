#pragma once
#include <QDialog>

#include <functional>

class QKeyEvent;
class QListWidget;
class QListWidgetItem;

namespace varkel {

// The list of Modbus functions; every double-clicked entry (or the current
// one on Return) adds one command of that function, and the dialog stays open
// for more until it is closed.
class SelectCommandDialog : public QDialog {
    Q_OBJECT
public:
    using AddCommand = std::function<void(int functionIndex)>;

    explicit SelectCommandDialog(AddCommand add, QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnDoubleClick(QListWidgetItem* entry);

    QListWidget* list_;
    AddCommand add_;
};

} // namespace varkel
