#include "ui/ParamDelegate.h"

#include "model/ParamItem.h"
#include "ui/ParamGrid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace varkel {

namespace {

// Editors are drawn on white whatever the theme, like the cells under them.
void MakeWhite(QWidget* widget) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Button, Qt::white);
    widget->setPalette(p);
}

} // namespace

ParamDelegate::ParamDelegate(ParamGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {
    // The editors live on the grid's viewport, so that they move with the
    // cell when the grid scrolls.
    edit_ = new QLineEdit(grid.viewport());
    edit_->setObjectName(QStringLiteral("valueEdit"));
    edit_->setFrame(false);
    // A thin line tells the editor from the cell it covers.
    edit_->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid #316ac5; padding-left: 2px; }"));
    edit_->hide();
    MakeWhite(edit_);

    chooser_ = new QComboBox(grid.viewport());
    chooser_->setObjectName(QStringLiteral("valueChooser"));
    chooser_->setEditable(false);
    chooser_->setInsertPolicy(QComboBox::InsertAtBottom);
    chooser_->hide();
    MakeWhite(chooser_);
    // A choice is stored at once.
    connect(chooser_, &QComboBox::activated, this, [this] {
        if (open_ == chooser_)
            Commit();
    });
}

QWidget* ParamDelegate::createEditor(QWidget*, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    if (index.column() != ParamGrid::ValueColumn)
        return nullptr;
    const ParamItem* item = grid_.RowItem(index.row());
    if (!item || item->GetEnable() == 0)
        return nullptr;
    if (item->GetState() == ParamItem::Typed)
        open_ = edit_;
    else if (item->GetState() == ParamItem::Picked)
        open_ = chooser_;
    else
        return nullptr;
    return open_;
}

void ParamDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const ParamItem* item = grid_.RowItem(index.row());
    if (!item)
        return;
    if (editor == edit_) {
        edit_->setText(QString::fromStdString(item->GetValue()));
        edit_->selectAll();
    } else if (editor == chooser_) {
        chooser_->clear();
        const ItemKeys keys = keysOfRow_ ? keysOfRow_(index.row()) : ItemKeys{};
        for (int i = 0; i < static_cast<int>(item->GetChoices().size()); ++i)
            chooser_->addItem(QString::fromStdString(ShownChoice(*item, keys, i)));
        // Nothing preselected: the user picks.
        chooser_->setCurrentIndex(-1);
    }
}

void ParamDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                 const QModelIndex& index) const {
    if (editor == edit_) {
        emit ValueEntered(index.row(), edit_->text(), false, false);
    } else if (editor == chooser_) {
        const ParamItem* item = grid_.RowItem(index.row());
        const int position = chooser_->currentIndex();
        if (!item || position < 0 || position >= static_cast<int>(item->GetChoices().size())) {
            emit ValueEntered(index.row(), QString(), true, true);
            return;
        }
        emit ValueEntered(
            index.row(),
            QString::fromStdString(item->GetChoices()[static_cast<std::size_t>(position)]), true,
            false);
    }
}

void ParamDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex&) const {
    // The whole cell, not just its text area.
    editor->setGeometry(option.rect);
}

void ParamDelegate::destroyEditor(QWidget* editor, const QModelIndex&) const {
    // Kept for the next cell: only emptied and hidden.
    if (editor == chooser_)
        chooser_->hidePopup();
    else if (editor == edit_)
        edit_->clear();
    editor->hide();
    if (editor == open_)
        open_ = nullptr;
}

bool ParamDelegate::Commit() {
    QWidget* editor = open_;
    if (!editor)
        return false;
    HidePopup();
    emit commitData(editor);
    emit closeEditor(editor, NoHint);
    return true;
}

void ParamDelegate::Close() {
    QWidget* editor = open_;
    if (!editor)
        return;
    HidePopup();
    emit closeEditor(editor, NoHint);
}

void ParamDelegate::HidePopup() {
    // Before the grid closes the editor: with its list gone the box has the
    // focus again, and the grid takes it over instead of the next widget.
    if (open_ == chooser_ && chooser_->view()->isVisible())
        chooser_->hidePopup();
}

// Replaces the standard handling: Return must commit at once rather than
// after the editor saw the key, and a drop-down list or another window taking
// the focus must leave the editor open.
bool ParamDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (watched != open_)
        return false;
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            !(watched == chooser_ && chooser_->view()->isVisible()))
            Commit();
    } else if (watched == chooser_ && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // With its list closed, Escape gives the choice up as in the line edit.
        Close();
        grid_.setFocus(Qt::OtherFocusReason);
        return true;
    } else if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // The key is kept from the line edit, which would pass it on to the
        // grid and open the editor again.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Commit();
            // A refused value has its editor open again, and keeps the focus.
            if (!open_)
                grid_.setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (key == Qt::Key_Escape) {
            // Escape drops what was typed.
            Close();
            grid_.setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}

} // namespace varkel
