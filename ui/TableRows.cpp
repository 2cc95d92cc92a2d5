#include "ui/TableRows.h"

#include <QItemSelectionModel>
#include <QTableView>

void SelectRow(QTableView* table, int row)
{
    const QModelIndex first = table->model()->index(row, 0);
    if (first.isValid())
        table->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
