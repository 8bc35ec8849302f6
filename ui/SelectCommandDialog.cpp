#include "ui/SelectCommandDialog.h"

#include "model/Catalog.h"
#include "model/FunctionCode.h"
#include "ui/UiText.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
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
        // Offered but greyed: the gateway has no use for them, and a command
        // of one would get no parameters.
        if (!FactsOfIndex(index).supported) {
            entry->setFlags(entry->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
            entry->setToolTip(
                tr("The gateway does not support this function; it cannot be added."));
        }
    }
    list_->setCurrentRow(-1);
    list_->setToolTip(tr("Double-click a function to add a command of it to the node."));
    connect(list_, &QListWidget::itemDoubleClicked, this, &SelectCommandDialog::OnDoubleClick);

    auto* buttons = new QDialogButtonBox(this);
    addButton_ = buttons->addButton(tr("&Add"), QDialogButtonBox::ActionRole);
    addButton_->setObjectName(QStringLiteral("addButton"));
    addButton_->setAutoDefault(false);
    addButton_->setEnabled(false);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setAutoDefault(false);
    connect(addButton_, &QPushButton::clicked, this, [this] { OnDoubleClick(Chosen()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemSelectionChanged, this,
            [this] { addButton_->setEnabled(Chosen() != nullptr); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(300, 400);
}

QListWidgetItem* SelectCommandDialog::Chosen() const {
    QListWidgetItem* current = list_->currentItem();
    return current && current->isSelected() ? current : nullptr;
}

void SelectCommandDialog::keyPressEvent(QKeyEvent* event) {
    // Return does what a double-click does, so that commands can be added
    // without the mouse. Without this the dialog would swallow the key.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        OnDoubleClick(Chosen());
        return;
    }
    QDialog::keyPressEvent(event);
}

void SelectCommandDialog::OnDoubleClick(QListWidgetItem* entry) {
    if (!entry || !add_ || !(entry->flags() & Qt::ItemIsEnabled))
        return;
    add_(entry->data(Qt::UserRole).toInt());
}

} // namespace varkel
