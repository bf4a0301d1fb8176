#pragma once
// The grids of the customer windows over the shared customer query: the window's columns, read once
// per (re)opening of the query. Reading never moves the query's current row, so the row the grid
// selects stays the row the customer window and the prints work on.

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

class SqlQuery;

class CustomerModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString field;
        QString title;
        int width = 0; // 0 = the grid's default width
    };

    CustomerModel(SqlQuery *query, QList<Column> columns, QObject *parent = nullptr);

    // The query was (re)opened or closed: read its rows again.
    void reload();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const Column &column(int i) const { return m_columns.at(i); }
    QString text(int row, int column) const;
    // The text of a displayed column (any case), or of Num, in a row.
    QString value(int row, const QString &field) const;
    QString numAt(int row) const { return value(row, QStringLiteral("Num")); }
    // The row whose Num is `num`; -1 when none.
    int rowOfNum(const QString &num) const;

private:
    SqlQuery *m_query;
    QList<Column> m_columns;
    QStringList m_fields; // the columns' fields, then Num
    QList<QStringList> m_rows;
};
