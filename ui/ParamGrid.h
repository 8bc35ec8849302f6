#pragma once
#include "ui/GridFill.h"

#include <QTableWidget>

namespace varkel {

class ParamDelegate;
class ParamItem;

// The two-column parameter grid: the name of each parameter item and its
// value, the value on grey while the item is disabled. Each row remembers its
// item, so that a click on a row finds the parameter it shows.
class ParamGrid : public QTableWidget, public GridSink {
    Q_OBJECT
public:
    enum Column { NameColumn = 0, ValueColumn = 1 };

    explicit ParamGrid(QWidget* parent = nullptr);

    void ShowRow(int row, const std::string& name, const std::string& value, Rgb valueBackground,
                 ParamItem* item) override;
    // Empties every row.
    void ClearGrid();

    // The editors of the value cells.
    ParamDelegate* Delegate() const { return delegate_; }
    ParamItem* RowItem(int row) const;
    QString NameText(int row) const;
    QString ValueText(int row) const;
    void SetValueText(int row, const QString& text);
    Rgb ValueBackground(int row) const;
    void SetValueBackground(int row, Rgb colour);
    // The tip of a row's cells: why its value is marked or cannot be edited.
    QString RowToolTip(int row) const;
    void SetRowToolTip(int row, const QString& tip);
    // The rectangle of a value cell in this widget's coordinates.
    QRect ValueCellRect(int row) const;
    // Opens the item delegate's editor on a row's value; false when the
    // value has none.
    bool OpenValueEditor(int row);

signals:
    // F2, Return or Enter on the grid itself: the current row's value
    // should be edited.
    void EditKeyPressed(int row);
    // Up or Down moved the current row.
    void RowStepped(int row);
    // An editor was closed, whichever way (its commit is complete then).
    void EditorClosed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void ShowHeaders();

    ParamDelegate* delegate_;
};

} // namespace varkel
