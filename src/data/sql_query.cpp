#include "data/sql_query.h"

#include "data/database.h"
#include "data/db_error.h"

#include <QRegularExpression>
#include <QSqlError>
#include <cmath>

QString SqlField::asString() const
{
    if (m_value.isNull())
        return QString();
    if (m_value.typeId() == QMetaType::Double) {
        const double d = m_value.toDouble();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 15);
    }
    return m_value.toString();
}

qint64 SqlField::asInteger() const
{
    if (m_value.typeId() == QMetaType::Double)
        return qint64(m_value.toDouble());
    bool ok = false;
    const qint64 v = m_value.toLongLong(&ok);
    if (ok)
        return v;
    return qint64(m_value.toString().trimmed().toDouble());
}

double SqlField::asFloat() const { return m_value.toDouble(); }

bool SqlField::asBoolean() const
{
    if (m_value.typeId() == QMetaType::QString) {
        const QString s = m_value.toString().trimmed().toLower();
        return s == QLatin1String("true") || s == QLatin1String("1") || s == QLatin1String("yes");
    }
    return m_value.toLongLong() != 0;
}

SqlQuery::SqlQuery(QString name, QString sql) : m_name(std::move(name))
{
    if (!sql.isEmpty())
        setSql(sql);
}

void SqlQuery::clearSql()
{
    close();
    m_lines.clear();
}

void SqlQuery::setSql(const QString &sql)
{
    clearSql();
    m_lines = sql.split(QLatin1Char('\n'));
}

void SqlQuery::addLine(const QString &line)
{
    close();
    m_lines << line;
}

// A null QString would reach the engine as NULL; text parameters always store text, empty or not,
// so that "= ''" and "like '%%'" still find a row whose text was left empty.
static QVariant textValue(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

void SqlQuery::setText(const QString &param, const QString &value)
{
    m_params.insert(param.toLower(), textValue(value));
}
void SqlQuery::setInteger(const QString &param, qint64 value) { m_params.insert(param.toLower(), value); }
void SqlQuery::setFloat(const QString &param, double value) { m_params.insert(param.toLower(), value); }
void SqlQuery::setMoney(const QString &param, qint64 value) { m_params.insert(param.toLower(), value); }
void SqlQuery::setMemo(const QString &param, const QString &value)
{
    m_params.insert(param.toLower(), textValue(value));
}

QString SqlQuery::engineSql() const { return database::translate(sql()); }

// The :Name placeholders of a statement, outside its quoted literals, in order of appearance.
static QStringList placeholders(const QString &sql)
{
    static const QRegularExpression re(QStringLiteral(":([A-Za-z_][A-Za-z0-9_]*)"));
    QStringList names;
    QString plain;
    bool inLiteral = false;
    for (QChar c : sql) {
        if (c == QLatin1Char('\''))
            inLiteral = !inLiteral;
        plain += inLiteral || c == QLatin1Char('\'') ? QLatin1Char(' ') : c;
    }
    auto it = re.globalMatch(plain);
    while (it.hasNext())
        names << it.next().captured(1);
    return names;
}

void SqlQuery::prepareAndRun(bool select)
{
    close();
    const QString text = engineSql();
    m_query = QSqlQuery(database::connection());
    m_query.setForwardOnly(false);
    if (!m_query.prepare(text))
        throw DbError(m_query.lastError().text() + QStringLiteral("\n") + text);
    for (const QString &name : placeholders(text)) {
        auto it = m_params.constFind(name.toLower());
        if (it == m_params.constEnd())
            throw DbError(QStringLiteral("Parameter '%1' has no value").arg(name));
        m_query.bindValue(QLatin1Char(':') + name, *it);
    }
    if (!m_query.exec())
        throw DbError(m_query.lastError().text());
    m_rowsAffected = select ? 0 : m_query.numRowsAffected();
    if (select) {
        m_open = true;
        first();
    } else {
        m_query.finish();
    }
}

void SqlQuery::open() { prepareAndRun(true); }

void SqlQuery::execSql() { prepareAndRun(false); }

void SqlQuery::close()
{
    if (m_open)
        m_query.finish();
    m_query = QSqlQuery();
    m_open = false;
    m_eof = true;
    m_row = -1;
    m_count.reset();
}

int SqlQuery::recordCount()
{
    if (!m_open)
        return 0;
    if (!m_count) {
        const int at = m_row;
        m_count = m_query.last() ? m_query.at() + 1 : 0;
        if (at >= 0)
            m_query.seek(at);
    }
    return *m_count;
}

void SqlQuery::first()
{
    if (!m_open)
        return;
    if (m_query.first()) {
        m_row = 0;
        m_eof = false;
    } else {
        m_row = -1;
        m_eof = true;
        m_count = 0;
    }
}

void SqlQuery::next()
{
    if (!m_open || m_eof)
        return;
    if (m_query.next()) {
        ++m_row;
    } else {
        // Past the last row: stay on it (as a navigator does) and report the end.
        m_eof = true;
        m_count = m_row + 1;
        m_query.seek(m_row);
    }
}

void SqlQuery::prior()
{
    if (!m_open || m_row <= 0)
        return;
    moveTo(m_row - 1);
}

void SqlQuery::last()
{
    const int count = recordCount();
    if (count > 0)
        moveTo(count - 1);
}

bool SqlQuery::navigate(int button)
{
    if (!m_open)
        return false;
    switch (button) {
    case 0:
        first();
        break;
    case 1:
        prior();
        break;
    case 2:
        next();
        break;
    default:
        last();
        break;
    }
    return m_row >= 0;
}

bool SqlQuery::moveTo(int row)
{
    if (!m_open || row < 0 || !m_query.seek(row))
        return false;
    m_row = row;
    m_eof = false;
    return true;
}

bool SqlQuery::locate(const QString &column, const QVariant &value)
{
    if (!m_open)
        return false;
    const QString wanted = SqlField(value).asString();
    const int at = m_row;
    for (bool ok = m_query.first(); ok; ok = m_query.next()) {
        const int idx = m_query.record().indexOf(column);
        if (idx >= 0 && SqlField(m_query.value(idx)).asString() == wanted) {
            m_row = m_query.at();
            m_eof = false;
            return true;
        }
    }
    if (at >= 0)
        m_query.seek(at);
    return false;
}

SqlField SqlQuery::fieldByName(const QString &column) const
{
    const QSqlRecord rec = m_query.record();
    const int idx = rec.indexOf(column);
    if (idx < 0) {
        if (!m_open)
            throw DbError(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(m_name));
        throw DbError(QStringLiteral("%1: Field '%2' not found").arg(m_name, column));
    }
    if (m_row < 0)
        return SqlField();
    return SqlField(m_query.value(idx));
}

bool SqlQuery::hasField(const QString &column) const { return m_query.record().indexOf(column) >= 0; }

QSqlRecord SqlQuery::record() const { return m_query.record(); }

QStringList SqlQuery::fieldNames() const
{
    QStringList names;
    const QSqlRecord rec = m_query.record();
    for (int i = 0; i < rec.count(); ++i)
        names << rec.fieldName(i);
    return names;
}
