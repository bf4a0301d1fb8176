#include "data/database.h"

#include "data/db_error.h"
#include "data/schema.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace database {

static const QString kConnection = QStringLiteral("domora");
static QString g_folder;

QString fileIn(const QString &dataFolder) { return QDir(dataFolder).filePath(kFileName); }

static QSqlDatabase openConnection(const QString &file)
{
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open()) {
        const QString text = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(kConnection);
        throw DbError(text);
    }
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    return db;
}

void open(const QString &dataFolder)
{
    const QString file = fileIn(dataFolder);
    if (dataFolder.isEmpty() || !QFileInfo(file).isFile())
        throw DbError(QStringLiteral("데이터 폴더에 자료가 없습니다 : %1").arg(
            dataFolder.isEmpty() ? QStringLiteral("(없음)") : QDir::toNativeSeparators(dataFolder)));
    bool readable = false;
    {
        QSqlDatabase db = openConnection(file);
        QSqlQuery q(db);
        readable = q.exec(QStringLiteral("select count(*) from mamul_table")) &&
                   q.exec(QStringLiteral("select count(*) from id_table"));
    }
    if (!readable) {
        close();
        throw DbError(QStringLiteral("데이터 폴더의 자료를 읽을 수 없습니다 : %1").arg(
            QDir::toNativeSeparators(dataFolder)));
    }
    g_folder = dataFolder;
}

void create(const QString &dataFolder)
{
    QDir().mkpath(dataFolder);
    QSqlDatabase db = openConnection(fileIn(dataFolder));
    schema::createAll(db);
    g_folder = dataFolder;
}

void close()
{
    if (QSqlDatabase::contains(kConnection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(kConnection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(kConnection);
    }
    g_folder.clear();
}

bool isOpen() { return QSqlDatabase::contains(kConnection) && QSqlDatabase::database(kConnection, false).isOpen(); }

QString folder() { return g_folder; }

QSqlDatabase connection()
{
    if (!isOpen())
        throw DbError(QStringLiteral("데이터 폴더가 열려 있지 않습니다."));
    return QSqlDatabase::database(kConnection, false);
}

QString translate(const QString &sql)
{
    static const QRegularExpression quoted(QStringLiteral("\"([A-Za-z_][A-Za-z0-9_]*)(?:\\.db)?\""),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression suffixed(QStringLiteral("\\b([A-Za-z_][A-Za-z0-9_]*)\\.db\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    QString out;
    out.reserve(sql.size());
    int i = 0;
    while (i < sql.size()) {
        const int quote = sql.indexOf(QLatin1Char('\''), i);
        QString plain = sql.mid(i, quote < 0 ? -1 : quote - i);
        plain.replace(quoted, QStringLiteral("\\1"));
        plain.replace(suffixed, QStringLiteral("\\1"));
        out += plain;
        if (quote < 0)
            break;
        // Copy the literal as it stands; '' inside it is an escaped quote.
        int end = quote + 1;
        while (end < sql.size()) {
            if (sql.at(end) == QLatin1Char('\'')) {
                if (end + 1 < sql.size() && sql.at(end + 1) == QLatin1Char('\'')) {
                    end += 2;
                    continue;
                }
                break;
            }
            ++end;
        }
        out += sql.mid(quote, end - quote + 1);
        i = end + 1;
    }
    return out;
}

static void exec(const QString &sql)
{
    QSqlQuery q(connection());
    if (!q.exec(sql))
        throw DbError(q.lastError().text());
}

void beginWrite() { exec(QStringLiteral("BEGIN IMMEDIATE")); }
void commit() { exec(QStringLiteral("COMMIT")); }
void rollback()
{
    QSqlQuery q(connection());
    q.exec(QStringLiteral("ROLLBACK"));
}

} // namespace database
