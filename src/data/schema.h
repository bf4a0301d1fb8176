#pragma once
// The tables of a data folder, kept as data: creation, the column order of a listing record and the
// stored widths all come from here.

#include <QList>
#include <QString>
#include <QStringList>

class QSqlDatabase;

namespace schema {

enum class Type { Text, Number, Money, Memo, Date, Integer, Boolean };

struct Column {
    const char *name;
    Type type;
    int width; // bytes of code page 949 text; 0 where the type has none
};

struct Table {
    QString name;
    QList<Column> columns;
};

const QList<Table> &tables();
const Table &table(const QString &name); // by name, case-insensitively; throws DbError when unknown
const Table &listingTable();             // mamul_table
QStringList columnNames(const QString &table);

// Creates every table and index that is missing (a new data folder gets all of them).
void createAll(QSqlDatabase &db);

} // namespace schema
