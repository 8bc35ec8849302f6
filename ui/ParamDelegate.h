#pragma once
#include "model/ItemKeys.h"

#include <QStyledItemDelegate>

#include <functional>

class QComboBox;
class QLineEdit;

namespace varkel {

class ParamGrid;

// The in-place editors of the parameter grid's value cells: a line edit for
// typed values, a drop-down list for picked ones; greyed values, values that
// are only shown and name cells get none. The two editors are made once and
// reused, so that they keep their look and can be reached from outside.
// The delegate never writes the grid: a commit is handed on as ValueEntered,
// and whoever owns the configuration decides what the cell shows.
class ParamDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ParamDelegate(ParamGrid& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

    QLineEdit* LineEditor() const { return edit_; }
    QComboBox* ChoiceEditor() const { return chooser_; }
    // The editor open now, or null.
    QWidget* OpenEditor() const { return open_; }
    // Where the drop-down list finds the keys of a row's choices, so that it
    // lists them in the active language.
    void SetKeysOfRow(std::function<ItemKeys(int row)> keysOfRow) {
        keysOfRow_ = std::move(keysOfRow);
    }
    // Commits the open editor and closes it; false when none was open.
    bool Commit();
    // Closes the open editor without committing.
    void Close();

signals:
    // The text of a row's editor on commit: typed, or picked from the list
    // as the item's own stored choice at that place, whatever language the
    // list shows (nothingChosen when the list is left without a choice).
    void ValueEntered(int row, const QString& text, bool picked, bool nothingChosen) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HidePopup();

    ParamGrid& grid_;
    QLineEdit* edit_;
    QComboBox* chooser_;
    mutable QWidget* open_ = nullptr;
    std::function<ItemKeys(int row)> keysOfRow_;
};

} // namespace varkel
