#pragma once

class QTableView;

// SelectRow — a table's row selected whole and made current, in either
// writing direction. QTableView::selectRow takes its column from the
// viewport's leading edge, which in a right-to-left table not yet laid out
// holds no column, and then selects nothing.
void SelectRow(QTableView* table, int row);
