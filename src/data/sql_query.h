#pragma once
// A named query over the data folder's database: SQL text that is set, added to and read back;
// `:Name` parameters typed as text, integer, float, money or memo; open for rows or execute; fields
// read by name (any case) as text, integer, float or boolean; row count, first/next/eof and locate.
// Every engine failure throws DbError with the engine's text.

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

class SqlField {
public:
    explicit SqlField(QVariant value = {}) : m_value(std::move(value)) {}
    QString asString() const; // numbers as their shortest decimal text, null as ""
    qint64 asInteger() const;
    double asFloat() const;
    bool asBoolean() const;
    bool isNull() const { return m_value.isNull(); }
    QVariant value() const { return m_value; }

private:
    QVariant m_value;
};

class SqlQuery {
public:
    explicit SqlQuery(QString name = {}, QString sql = {});

    QString name() const { return m_name; }

    void clearSql();
    void setSql(const QString &sql);
    void addLine(const QString &line);
    QString sql() const { return m_lines.join(QLatin1Char('\n')); }

    void setText(const QString &param, const QString &value);
    void setInteger(const QString &param, qint64 value);
    void setFloat(const QString &param, double value);
    void setMoney(const QString &param, qint64 value);
    void setMemo(const QString &param, const QString &value);
    void clearParams() { m_params.clear(); }

    void open();    // runs the select and stands on the first row
    void execSql(); // runs an insert, update or delete; returns the rows changed via rowsAffected()
    void close();
    bool isOpen() const { return m_open; }
    int rowsAffected() const { return m_rowsAffected; }

    int recordCount();
    bool isEmpty() { return recordCount() == 0; }
    void first();
    void next();
    void prior();
    void last();
    // A record navigator's button: 0 first, 1 prior, 2 next, 3 last. False when there is no row.
    bool navigate(int button);
    bool eof() const { return m_eof; }
    int recNo() const { return m_row; } // 0-based; -1 when there is no current row
    bool moveTo(int row);
    // Stands on the first row whose `column` equals `value` (compared as text); false when none.
    bool locate(const QString &column, const QVariant &value);

    SqlField fieldByName(const QString &column) const;
    // Fast access for grids: the position of a field (-1 when absent) and the current row's value.
    int fieldIndex(const QString &column) const { return m_query.record().indexOf(column); }
    QVariant value(int index) const { return m_row < 0 ? QVariant() : m_query.value(index); }
    // True when row `row` exists (fetches up to it).
    bool hasRow(int row) { return moveTo(row); }
    bool hasField(const QString &column) const;
    QSqlRecord record() const;
    QStringList fieldNames() const;

    // The statement as the engine runs it.
    QString engineSql() const;

private:
    void prepareAndRun(bool select);

    QString m_name;
    QStringList m_lines;
    QHash<QString, QVariant> m_params; // keyed by lower-case name
    QSqlQuery m_query;
    bool m_open = false;
    bool m_eof = true;
    int m_row = -1;
    std::optional<int> m_count;
    int m_rowsAffected = 0;
};
