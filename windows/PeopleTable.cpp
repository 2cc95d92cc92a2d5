#include "windows/PeopleTable.h"

PeopleTable::PeopleTable(QObject* parent) : QAbstractTableModel(parent) {}

void PeopleTable::SetRows(std::vector<Row> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int PeopleTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PeopleTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PeopleTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& r = row(index.row());
    switch (role) {
    case Qt::DisplayRole: return r.texts[index.column()];
    case SortRole: return index.column() == Mansion ? QVariant(r.mansion) : QVariant(r.texts[index.column()]);
    case EntryRole: return index.row();
    case Qt::AccessibleTextRole:
        if (index.column() != Name)
            return r.texts[index.column()];
        // What a screen reader says of the row, made when it is asked for.
        return tr("%1, born %2%3, mansion %4")
            .arg(r.texts[Name], r.texts[Birth], r.texts[Place].isEmpty() ? QString() : tr(" in %1").arg(r.texts[Place]),
                 r.texts[Mansion]);
    default: return {};
    }
}

QVariant PeopleTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name: return tr("Name");
    case Birth: return tr("Birth");
    case Place: return tr("Place");
    case Mansion: return tr("Mansion");
    default: return {};
    }
}

PeopleSearch::PeopleSearch(PeopleTable* table, QObject* parent) : QSortFilterProxyModel(parent), table_(table)
{
    setSourceModel(table);
    setSortRole(PeopleTable::SortRole);
}

void PeopleSearch::SetWanted(const QString& wanted)
{
    wanted_ = wanted;
    invalidateFilter();
}

bool PeopleSearch::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (wanted_.isEmpty())
        return true;
    const PeopleTable::Row& r = table_->row(sourceRow);
    for (int column : {PeopleTable::Name, PeopleTable::Place, PeopleTable::Mansion})
        if (r.texts[column].contains(wanted_, Qt::CaseInsensitive))
            return true;
    return false;
}

bool PeopleSearch::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const PeopleTable::Row& a = table_->row(left.row());
    const PeopleTable::Row& b = table_->row(right.row());
    const int column = left.column();
    if (column == PeopleTable::Mansion)
        return a.mansion < b.mansion;
    return a.texts[column] < b.texts[column];
}
