#pragma once
// The one database connection of the run: the data folder's database file, opened through Qt SQL.
// Engine-specific SQL stays in src/data/.

#include <QSqlDatabase>
#include <QString>

namespace database {

inline const QString kFileName = QStringLiteral("domora.sqlite3");

QString fileIn(const QString &dataFolder);
// Opens the data folder's database as the connection of the run. Throws DbError naming the folder
// when it holds no database or the database cannot be read.
void open(const QString &dataFolder);
// Creates the database file with every table (the folder is created too).
void create(const QString &dataFolder);
void close();
bool isOpen();
QString folder();
QSqlDatabase connection(); // throws DbError when no data folder is open

// Rewrites a statement as the program writes it ("mamul_table.db", "\"mamul_table.db\"", bare names)
// into the engine's dialect. Text between single quotes is left alone.
QString translate(const QString &sql);

// Runs `work` inside one write transaction that holds the database's write lock from its start, so
// that a number drawn as MAX+1 and the row that uses it are stored together even when two programs
// work on one data folder. Rolls back and rethrows when `work` throws.
template <class F> auto inWriteTransaction(F &&work) -> decltype(work());
void beginWrite();
void commit();
void rollback();

} // namespace database

template <class F> auto database::inWriteTransaction(F &&work) -> decltype(work())
{
    beginWrite();
    try {
        if constexpr (std::is_void_v<decltype(work())>) {
            work();
            commit();
        } else {
            auto result = work();
            commit();
            return result;
        }
    } catch (...) {
        rollback();
        throw;
    }
}
