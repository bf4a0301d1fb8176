#include "customers/customer_model.h"

#include "data/sql_query.h"

CustomerModel::CustomerModel(SqlQuery *query, QList<Column> columns, QObject *parent)
    : QAbstractTableModel(parent), m_query(query), m_columns(std::move(columns))
{
    for (const Column &c : m_columns)
        m_fields << c.field;
    m_fields << QStringLiteral("Num");
}

void CustomerModel::reload()
{
    beginResetModel();
    m_rows.clear();
    if (m_query->isOpen()) {
        QList<int> index;
        for (const QString &f : m_fields)
            index << m_query->fieldIndex(f);
        const int at = m_query->recNo();
        for (int row = 0; m_query->moveTo(row); ++row) {
            QStringList values;
            values.reserve(index.size());
            for (int i : index)
                values << (i >= 0 ? SqlField(m_query->value(i)).asString() : QString());
            m_rows << values;
        }
        // Back to where the query stood (a failed seek past the end leaves it nowhere).
        if (at >= 0)
            m_query->moveTo(at);
        else
            m_query->first();
    }
    endResetModel();
}

int CustomerModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CustomerModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString CustomerModel::text(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return QString();
    return m_rows.at(row).at(column);
}

QString CustomerModel::value(int row, const QString &field) const
{
    if (row < 0 || row >= m_rows.size())
        return QString();
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return m_rows.at(row).at(i);
    return QString();
}

int CustomerModel::rowOfNum(const QString &num) const
{
    if (num.isEmpty())
        return -1;
    const int at = int(m_fields.size()) - 1;
    for (int row = 0; row < m_rows.size(); ++row)
        if (m_rows.at(row).at(at) == num)
            return row;
    return -1;
}

QVariant CustomerModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return QVariant();
}

QVariant CustomerModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    if (section < 0 || section >= m_columns.size())
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_columns.at(section).title;
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QVariant();
}
