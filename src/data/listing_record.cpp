#include "data/listing_record.h"

#include "data/db_error.h"
#include "data/schema.h"

#include <QHash>

const QStringList &mamulRecord::columns()
{
    static const QStringList names = schema::columnNames(QStringLiteral("mamul_table"));
    return names;
}

int mamulRecord::indexOf(const QString &column)
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        for (int i = 0; i < columns().size(); ++i)
            h.insert(columns().at(i).toLower(), i);
        return h;
    }();
    return index.value(column.toLower(), -1);
}

static int requireIndex(const QString &column)
{
    const int i = mamulRecord::indexOf(column);
    if (i < 0)
        throw DbError(QStringLiteral("Field '%1' not found").arg(column));
    return i;
}

QString &mamulRecord::operator[](const QString &column) { return m_fields[size_t(requireIndex(column))]; }

const QString &mamulRecord::operator[](const QString &column) const
{
    return m_fields[size_t(requireIndex(column))];
}

bool mamulRecord::isEmpty() const
{
    for (const QString &f : m_fields)
        if (!f.isEmpty())
            return false;
    return true;
}
