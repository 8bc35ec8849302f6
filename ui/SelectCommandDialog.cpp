#include "ui/SelectCommandDialog.h"

#include "ui/UiText.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

namespace varkel {

SelectCommandDialog::SelectCommandDialog(AddCommand add, QWidget* parent)
    : QDialog(parent), add_(std::move(add)) {
    setObjectName(QStringLiteral("selectCommandDialog"));
    setWindowTitle(tr("Select Command"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("functionList"));
    // Function index i has its name under key 33 + i.
    for (int index = 0; index < 14; ++index) {
        auto* entry = new QListWidgetItem(Local(33 + index), list_);
        entry->setData(Qt::UserRole, index);
    }
    list_->setCurrentRow(-1);
    list_->setToolTip(tr("Double-click a function to add a command of it to the node."));
    connect(list_, &QListWidget::itemDoubleClicked, this, &SelectCommandDialog::OnDoubleClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    resize(300, 360);
}

void SelectCommandDialog::keyPressEvent(QKeyEvent* event) {
    // Return does what a double-click does, so that commands can be added
    // without the mouse. Without this the dialog would swallow the key.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        QListWidgetItem* current = list_->currentItem();
        if (current && current->isSelected())
            OnDoubleClick(current);
        return;
    }
    QDialog::keyPressEvent(event);
}

void SelectCommandDialog::OnDoubleClick(QListWidgetItem* entry) {
    if (!entry || !add_)
        return;
    add_(entry->data(Qt::UserRole).toInt());
}

} // namespace varkel
