#include "browse/listing_model.h"

#include "data/sql_query.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <cmath>

namespace {

// Reading rows for the grid must not move the query's current row: the entry window's navigator
// and the list print start from the row the list stands on, whatever the grid painted meanwhile.
class KeepCurrentRow {
public:
    explicit KeepCurrentRow(SqlQuery *query) : m_query(query), m_row(query->recNo()) {}
    ~KeepCurrentRow()
    {
        if (m_row >= 0 && m_query->recNo() != m_row)
            m_query->moveTo(m_row);
    }

private:
    SqlQuery *m_query;
    int m_row;
};

} // namespace

ListingModel::ListingModel(SqlQuery *query, QList<ListColumnSpec> columns, QObject *parent)
    : QAbstractTableModel(parent), m_query(query), m_columns(std::move(columns))
{
}

void ListingModel::reload()
{
    beginResetModel();
    m_fetched = 0;
    m_atEnd = !m_query->isOpen();
    m_fieldIndex.clear();
    m_fieldsByName.clear();
    const QSqlRecord fields = m_query->isOpen() ? m_query->record() : QSqlRecord();
    for (int i = 0; i < fields.count(); ++i) {
        const QString name = fields.fieldName(i).toLower();
        if (!m_fieldsByName.contains(name)) // the first of a repeated name wins
            m_fieldsByName.insert(name, i);
    }
    for (const ListColumnSpec &c : m_columns)
        m_fieldIndex << fieldNamed(c.field.toLower());
    m_stateField = fieldNamed(QStringLiteral("obj_state"));
    if (!m_atEnd) {
        // The first batch, so the grid shows rows at once; the query stays on its first row.
        KeepCurrentRow keep(m_query);
        while (m_fetched < kBatch && m_query->hasRow(m_fetched))
            ++m_fetched;
        m_atEnd = m_fetched < kBatch;
    }
    endResetModel();
}

int ListingModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_fetched;
}

int ListingModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

bool ListingModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_atEnd;
}

void ListingModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || m_atEnd)
        return;
    KeepCurrentRow keep(m_query);
    int more = 0;
    while (more < kBatch && m_query->hasRow(m_fetched + more))
        ++more;
    if (more < kBatch)
        m_atEnd = true;
    if (more == 0)
        return;
    beginInsertRows(QModelIndex(), m_fetched, m_fetched + more - 1);
    m_fetched += more;
    endInsertRows();
}

static QString numberText(const QVariant &v)
{
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        if (d == std::floor(d) && std::fabs(d) < 1e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 12);
    }
    return v.toString();
}

QString ListingModel::text(int row, int column) const
{
    if (row < 0 || row >= m_fetched || column < 0 || column >= m_columns.size())
        return QString();
    KeepCurrentRow keep(m_query);
    if (!m_query->moveTo(row))
        return QString();
    const int idx = m_fieldIndex.at(column);
    if (idx >= 0)
        return numberText(m_query->value(idx));
    auto field = [this](const char *name) {
        const int i = fieldNamed(QString::fromLatin1(name));
        return i < 0 ? QString() : numberText(m_query->value(i));
    };
    const QString f = m_columns.at(column).field.toLower();
    if (f == QLatin1String("addr_list"))
        return field("add_city") + QLatin1Char(' ') + field("add_district") + QLatin1Char(' ') + field("add_town") +
               QLatin1Char(' ') + field("addr_number");
    if (f == QLatin1String("layer_sum"))
        return field("bld_layer") + QLatin1Char('/') + field("bld_hi_layer");
    if (f == QLatin1String("phones")) {
        for (const char *c : {"sales_cnum", "sales_pnum", "sales_onum"}) {
            const QString v = field(c);
            if (!v.isEmpty())
                return v;
        }
        return QString();
    }
    if (f == QLatin1String("cnt_c"))
        return QString::number(row + 1);
    return QString();
}

qint64 ListingModel::idSeqAt(int row) const
{
    KeepCurrentRow keep(m_query);
    const int idField = fieldNamed(QStringLiteral("id_seq"));
    if (idField < 0 || !m_query->moveTo(row))
        return 0;
    return SqlField(m_query->value(idField)).asInteger();
}

int ListingModel::rowOf(qint64 id)
{
    for (int row = 0;; ++row) {
        while (row >= m_fetched && canFetchMore(QModelIndex()))
            fetchMore(QModelIndex());
        if (row >= m_fetched)
            return -1;
        if (idSeqAt(row) == id)
            return row;
    }
}

QColor ListingModel::rowColor(int row) const
{
    KeepCurrentRow keep(m_query);
    if (m_stateColors.isEmpty() || m_stateField < 0 || row < 0 || row >= m_fetched || !m_query->moveTo(row))
        return QColor();
    return m_stateColors.value(m_query->value(m_stateField).toString());
}

QVariant ListingModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const ListColumnSpec &c = m_columns.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        if (c.align == QLatin1String("center"))
            return int(Qt::AlignCenter);
        if (c.align == QLatin1String("right"))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (const QColor row = rowColor(index.row()); row.isValid())
            return QBrush(row);
        if (c.color == QLatin1String("red"))
            return QBrush(Qt::red);
        if (c.color == QLatin1String("highlight"))
            return QBrush(QGuiApplication::palette().color(QPalette::Highlight));
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant ListingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return QString();
        return QVariant();
    }
    if (section < 0 || section >= m_columns.size())
        return QVariant();
    const ListColumnSpec &c = m_columns.at(section);
    if (role == Qt::DisplayRole)
        return c.title;
    if (role == Qt::TextAlignmentRole && c.titleAlign == QLatin1String("center"))
        return int(Qt::AlignCenter);
    if (role == Qt::ForegroundRole && c.color == QLatin1String("red"))
        return QBrush(Qt::red);
    if (role == Qt::ForegroundRole && c.color == QLatin1String("highlight"))
        return QBrush(QGuiApplication::palette().color(QPalette::Highlight));
    return QVariant();
}
