#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QString>

#include <vector>

// The People window's table: one row a person, its texts made once when the
// book is read, and a view of it that sorts by any column (the mansion by its
// number) and keeps the rows whose name, place or mansion holds the text
// searched for. A view over the rows, not a table of items: thousands of
// people show, and a keystroke's search runs, without an item or a hidden
// row each.
class PeopleTable : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, Birth, Place, Mansion, ColumnCount };
    static constexpr int SortRole = Qt::UserRole + 1;  // what a column sorts by
    static constexpr int EntryRole = Qt::UserRole;     // the row's index in the book's list

    struct Row {
        QString texts[ColumnCount];
        int mansion = 0;
    };

    explicit PeopleTable(QObject* parent = nullptr);
    void SetRows(std::vector<Row> rows);
    const Row& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Row> rows_;
};

class PeopleSearch : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit PeopleSearch(PeopleTable* table, QObject* parent = nullptr);
    // The text searched for; "" keeps everyone.
    void SetWanted(const QString& wanted);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    // By the rows' own texts (the mansion by its number), without a QVariant a comparison.
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    PeopleTable* table_;
    QString wanted_;
};
