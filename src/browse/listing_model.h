#pragma once
// The grid's view of the shared list query: the window's columns, read row by row as the grid
// scrolls (256 rows at a time), with the calculated columns (address, floors, contact, row number).

#include "catalogue/list_catalogue.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>

class SqlQuery;

class ListingModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ListingModel(SqlQuery *query, QList<ListColumnSpec> columns, QObject *parent = nullptr);

    // The query was (re)opened or closed: start again from its first rows.
    void reload();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    // Rows of these states draw their text in the given colour, over the columns' own colours.
    void setStateColors(const QHash<QString, QColor> &colors) { m_stateColors = colors; }
    // The colour of a row's state; invalid when the row keeps the normal colours.
    QColor rowColor(int row) const;

    const ListColumnSpec &column(int i) const { return m_columns.at(i); }
    // The text a cell shows (calculated columns included).
    QString text(int row, int column) const;
    qint64 idSeqAt(int row) const;
    // The row whose Id_seq is `id`, fetching as needed; -1 when none.
    int rowOf(qint64 id);

    static constexpr int kBatch = 256;

private:
    SqlQuery *m_query;
    QList<ListColumnSpec> m_columns;
    QList<int> m_fieldIndex; // per column: the query field, -1 for a calculated column
    QHash<QString, QColor> m_stateColors;
    int m_stateField = -1;
    // Query field positions by lower-case name, taken once per opening: asking the query for a
    // position copies its whole current row.
    QHash<QString, int> m_fieldsByName;
    int fieldNamed(const QString &name) const { return m_fieldsByName.value(name, -1); }
    int m_fetched = 0;
    bool m_atEnd = true;
};
