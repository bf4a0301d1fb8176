// The engine layer: the alias registry, the query object, how statements are rewritten for the
// engine, and the errors it reports.

#include "data/alias_registry.h"
#include "data/database.h"
#include "data/db_error.h"
#include "data/sql_query.h"
#include "support/scripted_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

// The first column of every row of an open query, comma-joined.
QString column(SqlQuery &q, const QString &name)
{
    QStringList values;
    for (q.first(); !q.eof(); q.next())
        values << q.fieldByName(name).asString();
    return values.join(QLatin1Char(','));
}

// A few listing rows with the columns the statement tests look at.
void insertFixtureRows()
{
    execSql(QStringLiteral("insert into mamul_table (Id_seq, Obj_kind, Add_city, Bld_nme, Sales_amt, Obj_state) values "
                           "(1, '아파트', '서울', '래미안', 10000, '일반'), "
                           "(2, '빌라', '경기', '한빛빌라', 5000, '급매'), "
                           "(3, '아파트', '서울', '자이', 30000, '계약'), "
                           "(7, '매수', '부산', '', 0, '보통')"));
}

// Whether another connection to the same database can take the write lock right now.
bool anotherConnectionCanWrite(const QString &folder)
{
    bool ok = false;
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(database::fileIn(folder));
        other.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=200"));
        if (other.open()) {
            QSqlQuery q(other);
            ok = q.exec(QStringLiteral("BEGIN IMMEDIATE")) &&
                 q.exec(QStringLiteral("insert into SIDO (sido) values ('제주')")) && q.exec(QStringLiteral("COMMIT"));
            other.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    return ok;
}

} // namespace

class TestEngine : public QObject {
    Q_OBJECT

private slots:
    // ---- the alias registry ----

    void missingAliasLeavesDataPathAndSaysSo()
    {
        TestEnv env;
        QVERIFY(!aliases::exists(aliases::kAlias));
        QCOMPARE(aliases::pathOf(aliases::kAlias), QString());
        QCOMPARE(env.dm->GetDataPath(), QString());
        env.dm->DataPath = QStringLiteral("/kept/as/it/was");
        env.dm->LoadDataPath();
        QCOMPARE(env.dialogs->messages, QStringList{QStringLiteral("Alias oms does not exist")});
        QCOMPARE(env.dm->DataPath, QStringLiteral("/kept/as/it/was"));
    }

    void aliasPathReadsBack_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << QStringLiteral("/srv/office/data");
        QTest::newRow("commas and spaces") << QStringLiteral("/srv/my office, 2024/data, old , copy");
        QTest::newRow("Hangul") << QStringLiteral("/home/중개사/부동산 자료/data");
        QTest::newRow("blanks at both ends") << QStringLiteral(" /srv/padded/data ");
        QTest::newRow("equals sign and at sign") << QStringLiteral("@/srv/a=b/data");
    }
    void aliasPathReadsBack()
    {
        QFETCH(QString, folder);
        TestEnv env;
        aliases::setPath(aliases::kAlias, folder);
        QVERIFY(aliases::exists(aliases::kAlias));
        QCOMPARE(aliases::params(aliases::kAlias), QStringList{QStringLiteral("PATH=") + folder});
        QCOMPARE(env.dm->GetDataPath(), folder);
        env.dm->LoadDataPath();
        QCOMPARE(env.dm->DataPath, folder);

        // A later run reads the file afresh: copy it to another configuration home and read it there.
        const QString moved = env.path(QStringLiteral("config2"));
        QVERIFY(QDir().mkpath(moved + QStringLiteral("/domora")));
        QVERIFY(QFile::copy(aliases::configFile(), moved + QStringLiteral("/domora/aliases.ini")));
        qputenv("XDG_CONFIG_HOME", moved.toUtf8());
        QCOMPARE(aliases::configFile(), moved + QStringLiteral("/domora/aliases.ini"));
        QCOMPARE(aliases::pathOf(aliases::kAlias), folder);
    }

    void aliasSettingsLiveUnderTheConfigurationHome()
    {
        TestEnv env;
        const QString home = QString::fromUtf8(qgetenv("XDG_CONFIG_HOME"));
        QVERIFY(aliases::configFile().startsWith(home + QLatin1Char('/')));
        QVERIFY(!QFileInfo::exists(aliases::configFile()));
        aliases::setPath(aliases::kAlias, QStringLiteral("/srv/data"));
        QVERIFY(QFileInfo(aliases::configFile()).isFile());
        aliases::remove(aliases::kAlias);
        QVERIFY(!aliases::exists(aliases::kAlias));
    }

    void setParamsReplacesTheWholeList()
    {
        TestEnv env;
        const QStringList first = {QStringLiteral("PATH=/srv/a"), QStringLiteral("DEFAULT DRIVER=PARADOX"),
                                   QStringLiteral("ENABLE BCD=FALSE")};
        aliases::setParams(aliases::kAlias, first);
        QCOMPARE(aliases::params(aliases::kAlias), first);
        aliases::setParams(aliases::kAlias, {QStringLiteral("PATH=/srv/b")});
        QCOMPARE(aliases::params(aliases::kAlias), QStringList{QStringLiteral("PATH=/srv/b")});
        QCOMPARE(aliases::pathOf(aliases::kAlias), QStringLiteral("/srv/b"));
    }

    void pathIsLookedUpByName()
    {
        TestEnv env;
        aliases::setParams(aliases::kAlias, {QStringLiteral("TYPE=STANDARD"), QStringLiteral("path=/srv/second")});
        QCOMPARE(env.dm->GetDataPath(), QStringLiteral("/srv/second"));
    }

    // ---- statements as the program writes them ----

    void tableNameForms_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("bare") << QStringLiteral("mamul_table");
        QTest::newRow("suffix") << QStringLiteral("mamul_table.db");
        QTest::newRow("quoted with suffix") << QStringLiteral("\"mamul_table.db\"");
        QTest::newRow("quoted bare") << QStringLiteral("\"mamul_table\"");
        QTest::newRow("other case") << QStringLiteral("MAMUL_TABLE.DB");
    }
    void tableNameForms()
    {
        QFETCH(QString, table);
        TestEnv env;
        env.newDataFolder();
        insertFixtureRows();
        SqlQuery q(QStringLiteral("q"));
        q.setSql(QStringLiteral("insert into %1 (Id_seq, Bld_nme) values (:Id_seq, :Bld_nme)").arg(table));
        q.setInteger(QStringLiteral("Id_seq"), 20);
        q.setText(QStringLiteral("Bld_nme"), QStringLiteral("새 건물"));
        q.execSql();
        q.setSql(QStringLiteral("update %1 set Obj_kind = '아파트' where Id_seq = 20").arg(table));
        q.execSql();
        QCOMPARE(q.rowsAffected(), 1);
        q.setSql(QStringLiteral("select count(*) CNT from %1 where Obj_kind = '아파트'").arg(table));
        q.open();
        QCOMPARE(q.fieldByName(QStringLiteral("CNT")).asString(), QStringLiteral("3"));
        q.setSql(QStringLiteral("delete from %1 where Id_seq = 20").arg(table));
        q.execSql();
        QCOMPARE(sqlValue(QStringLiteral("select count(*) from mamul_table")), QStringLiteral("4"));
    }

    void literalsAreLeftAlone_data()
    {
        QTest::addColumn<QString>("literal");
        QTest::addColumn<QString>("stored");
        QTest::newRow("suffix in a value") << QStringLiteral("'a.db'") << QStringLiteral("a.db");
        QTest::newRow("quoted table in a value")
            << QStringLiteral("'\"mamul_table.db\"'") << QStringLiteral("\"mamul_table.db\"");
        QTest::newRow("doubled quote") << QStringLiteral("'O''Neil.db'") << QStringLiteral("O'Neil.db");
        QTest::newRow("two names around a quote")
            << QStringLiteral("'x.db '' cust_table.db'") << QStringLiteral("x.db ' cust_table.db");
        QTest::newRow("colon in a value") << QStringLiteral("'10:30 :Id_seq'") << QStringLiteral("10:30 :Id_seq");
    }
    void literalsAreLeftAlone()
    {
        QFETCH(QString, literal);
        QFETCH(QString, stored);
        TestEnv env;
        env.newDataFolder();
        SqlQuery q(QStringLiteral("q"));
        q.setSql(QStringLiteral("insert into mamul_table.db (Id_seq, Bld_nme) values (1, %1)").arg(literal));
        q.execSql();
        QCOMPARE(sqlValue(QStringLiteral("select Bld_nme from mamul_table")), stored);
        q.setSql(QStringLiteral("select Id_seq from \"mamul_table.db\" where Bld_nme = %1").arg(literal));
        q.open();
        QCOMPARE(q.recordCount(), 1);
    }

    void columnNamesInAnyCase()
    {
        TestEnv env;
        env.newDataFolder();
        insertFixtureRows();
        SqlQuery q(QStringLiteral("q"),
                   QStringLiteral("select ADD_CITY, bld_NME from mamul_table where OBJ_KIND = '빌라'"));
        q.open();
        for (const QString &name : {QStringLiteral("ADD_CITY"), QStringLiteral("Add_city"), QStringLiteral("add_city")})
            QCOMPARE(q.fieldByName(name).asString(), QStringLiteral("경기"));
        QCOMPARE(q.fieldByName(QStringLiteral("Bld_nme")).asString(), QStringLiteral("한빛빌라"));
        QVERIFY(q.hasField(QStringLiteral("BLD_NME")));
    }

    void parametersByType_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("text") << "text"
                              << "Bld_nme" << QVariant(QStringLiteral("래미안 101동")) << "래미안 101동";
        QTest::newRow("empty text") << "text"
                                    << "Bld_nme" << QVariant(QString()) << "";
        QTest::newRow("digits stay text") << "text"
                                          << "Bld_layer" << QVariant(QStringLiteral("007")) << "007";
        QTest::newRow("text with quotes") << "text"
                                          << "Bld_nme" << QVariant(QStringLiteral("O'Neil \"A\"")) << "O'Neil \"A\"";
        QTest::newRow("integer") << "integer"
                                 << "Id_seq" << QVariant(qint64(42)) << "42";
        QTest::newRow("float") << "float"
                               << "Gnd_png" << QVariant(33.5) << "33.5";
        QTest::newRow("whole float") << "float"
                                     << "Gnd_area" << QVariant(34.0) << "34";
        QTest::newRow("money") << "money"
                               << "Sales_amt" << QVariant(qint64(150000)) << "150000";
        QTest::newRow("large money") << "money"
                                     << "Sales_amt" << QVariant(qint64(12345678901)) << "12345678901";
        QTest::newRow("memo") << "memo"
                              << "Spec" << QVariant(QStringLiteral("남향, 역세권\n주차 2대\n'즉시' 입주"))
                              << "남향, 역세권\n주차 2대\n'즉시' 입주";
    }
    void parametersByType()
    {
        QFETCH(QString, type);
        QFETCH(QString, column);
        QFETCH(QVariant, value);
        QFETCH(QString, readBack);
        TestEnv env;
        env.newDataFolder();
        SqlQuery q(QStringLiteral("q"));
        q.setSql(QStringLiteral("insert into mamul_table.db (%1) values (:Value)").arg(column));
        // Parameter names match in any case.
        if (type == QLatin1String("text"))
            q.setText(QStringLiteral("value"), value.toString());
        else if (type == QLatin1String("integer"))
            q.setInteger(QStringLiteral("VALUE"), value.toLongLong());
        else if (type == QLatin1String("float"))
            q.setFloat(QStringLiteral("Value"), value.toDouble());
        else if (type == QLatin1String("money"))
            q.setMoney(QStringLiteral("value"), value.toLongLong());
        else
            q.setMemo(QStringLiteral("value"), value.toString());
        q.execSql();
        QCOMPARE(q.rowsAffected(), 1);

        q.setSql(QStringLiteral("select %1 from mamul_table.db where %1 = :Value").arg(column));
        q.open();
        QCOMPARE(q.recordCount(), 1);
        const SqlField field = q.fieldByName(column);
        QCOMPARE(field.asString(), readBack);
        QVERIFY(!field.isNull());
        if (type == QLatin1String("integer") || type == QLatin1String("money"))
            QCOMPARE(field.asInteger(), value.toLongLong());
        if (type == QLatin1String("float"))
            QCOMPARE(field.asFloat(), value.toDouble());
    }

    void fieldConversions_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("integer");
        QTest::addColumn<bool>("boolean");
        QTest::newRow("whole real") << "cast(34 as real)"
                                    << "34" << qint64(34) << true;
        QTest::newRow("negative whole real") << "-2.0"
                                             << "-2" << qint64(-2) << true;
        QTest::newRow("integer") << "12345678901"
                                 << "12345678901" << qint64(12345678901) << true;
        QTest::newRow("true flag") << "1"
                                   << "1" << qint64(1) << true;
        QTest::newRow("false flag") << "0"
                                    << "0" << qint64(0) << false;
        QTest::newRow("null") << "null"
                              << "" << qint64(0) << false;
        QTest::newRow("digits as text") << "' 12 '"
                                        << " 12 " << qint64(12) << false;
    }
    void fieldConversions()
    {
        QFETCH(QString, expression);
        QFETCH(QString, text);
        QFETCH(qint64, integer);
        QFETCH(bool, boolean);
        TestEnv env;
        env.newDataFolder();
        SqlQuery q(QStringLiteral("q"), QStringLiteral("select %1 as V from id_table").arg(expression));
        q.open();
        const SqlField v = q.fieldByName(QStringLiteral("v"));
        QCOMPARE(v.asString(), text);
        QCOMPARE(v.asInteger(), integer);
        QCOMPARE(v.asBoolean(), boolean);
        QCOMPARE(v.isNull(), expression == QLatin1String("null"));
    }

    void parameterUsedTwiceAndColonsInLiterals()
    {
        TestEnv env;
        env.newDataFolder();
        insertFixtureRows();
        SqlQuery q(QStringLiteral("q"));
        q.setSql(QStringLiteral("select Id_seq from mamul_table where (Id_seq = :Id or Id_seq = :Id + 1) "
                                "and Bld_nme <> ':Missing' order by Id_seq"));
        q.setInteger(QStringLiteral("Id"), 1);
        q.open();
        QCOMPARE(column(q, QStringLiteral("Id_seq")), QStringLiteral("1,2"));
    }

    void sqlTextLinesAndParameters()
    {
        TestEnv env;
        env.newDataFolder();
        insertFixtureRows();
        SqlQuery q(QStringLiteral("qry_zip"));
        q.addLine(QStringLiteral("select Id_seq, Bld_nme"));
        q.addLine(QStringLiteral(" from mamul_table.db where Add_city = :P_CITY"));
        QCOMPARE(q.sql(), QStringLiteral("select Id_seq, Bld_nme\n from mamul_table.db where Add_city = :P_CITY"));
        q.setText(QStringLiteral("P_CITY"), QStringLiteral("서울"));
        q.open();
        QVERIFY(q.isOpen());
        QCOMPARE(q.recordCount(), 2);
        q.addLine(QStringLiteral(" and Obj_state = '계약'")); // changing the text closes the query
        QVERIFY(!q.isOpen());
        q.open();
        QCOMPARE(column(q, QStringLiteral("Bld_nme")), QStringLiteral("자이"));
        q.clearSql();
        QCOMPARE(q.sql(), QString());
        QVERIFY(!q.isOpen());
    }

    void dialect_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("values");
        QTest::newRow("count under an alias") << "select count(*) CNT from mamul_table.db where Obj_kind = '아파트'"
                                              << "CNT"
                                              << "2";
        QTest::newRow("count with as") << "select count(*) as Cnt from mamul_table.db"
                                       << "CNT"
                                       << "4";
        QTest::newRow("max plus one") << "select MAX(Id_seq)+1 MSEQ from mamul_table.db"
                                      << "MSEQ"
                                      << "8";
        QTest::newRow("max plus one on no rows") << "select MAX(Id_seq)+1 MSEQ from mamul_table.db where Id_seq > 100"
                                                 << "MSEQ"
                                                 << "";
        QTest::newRow("like inside") << "select Id_seq from mamul_table.db where Bld_nme like '%빌라%'"
                                     << "Id_seq"
                                     << "2";
        QTest::newRow("like prefix") << "select Id_seq from mamul_table.db where Bld_nme like '래%'"
                                     << "Id_seq"
                                     << "1";
        QTest::newRow("like everything") << "select Id_seq from mamul_table.db where Bld_nme like '%%' order by Id_seq"
                                         << "Id_seq"
                                         << "1,2,3,7";
        QTest::newRow("in") << "select Id_seq from mamul_table.db where Obj_kind in ('아파트','빌라') order by Id_seq"
                            << "Id_seq"
                            << "1,2,3";
        QTest::newRow("not in")
            << "select Id_seq from mamul_table.db where Obj_kind not in ('매수','임차','매매','임대','교환') "
               "and obj_state = '계약'"
            << "Id_seq"
            << "3";
        QTest::newRow("order by desc") << "select Id_seq from mamul_table.db order by Sales_amt desc"
                                       << "Id_seq"
                                       << "3,1,2,7";
        QTest::newRow("ranges with and, or")
            << "select Id_seq from mamul_table.db where Sales_amt >= 5000 and Sales_amt <= 10000 or Id_seq = 7 "
               "order by Id_seq"
            << "Id_seq"
            << "1,2,7";
        QTest::newRow("select star") << "select * from \"mamul_table.db\" where Id_seq = 3"
                                     << "Add_city"
                                     << "서울";
    }
    void dialect()
    {
        QFETCH(QString, statement);
        QFETCH(QString, column);
        QFETCH(QString, values);
        TestEnv env;
        env.newDataFolder();
        insertFixtureRows();
        SqlQuery q(QStringLiteral("q"), statement);
        q.open();
        QCOMPARE(::column(q, column), values);
    }

    // ---- moving over the rows ----

    void emptyResult()
    {
        TestEnv env;
        env.newDataFolder();
        SqlQuery q(QStringLiteral("q"), QStringLiteral("select Id_seq, Bld_nme from mamul_table.db"));
        q.open();
        QVERIFY(q.isOpen());
        QVERIFY(q.eof());
        QVERIFY(q.isEmpty());
        QCOMPARE(q.recordCount(), 0);
        QCOMPARE(q.recNo(), -1);
        q.first();
        q.next();
        QVERIFY(q.eof());
        QCOMPARE(q.fieldByName(QStringLiteral("Bld_nme")).asString(), QString());
        QVERIFY(!q.locate(QStringLiteral("Id_seq"), 1));
    }

    void firstNextEofAndLocate()
    {
        TestEnv env;
        env.newDataFolder();
        insertFixtureRows();
        SqlQuery q(QStringLiteral("q"), QStringLiteral("select Id_seq, Bld_nme from mamul_table.db order by Id_seq"));
        q.open();
        QVERIFY(!q.eof());
        QCOMPARE(q.recordCount(), 4);
        QCOMPARE(q.recNo(), 0); // counting does not move
        QCOMPARE(q.fieldByName(QStringLiteral("Id_seq")).asString(), QStringLiteral("1"));

        q.next();
        q.next();
        q.next();
        QVERIFY(!q.eof()); // standing on the last row is not the end yet
        QCOMPARE(q.fieldByName(QStringLiteral("Id_seq")).asString(), QStringLiteral("7"));
        q.next();
        QVERIFY(q.eof());
        QCOMPARE(q.recNo(), 3);
        QCOMPARE(q.fieldByName(QStringLiteral("Id_seq")).asString(), QStringLiteral("7"));
        QCOMPARE(q.recordCount(), 4);

        q.first();
        QVERIFY(!q.eof());
        QCOMPARE(q.recNo(), 0);

        QVERIFY(q.locate(QStringLiteral("ID_SEQ"), 3));
        QCOMPARE(q.recNo(), 2);
        QCOMPARE(q.fieldByName(QStringLiteral("Bld_nme")).asString(), QStringLiteral("자이"));
        QVERIFY(q.locate(QStringLiteral("Id_seq"), QStringLiteral("2")));
        QCOMPARE(q.fieldByName(QStringLiteral("Bld_nme")).asString(), QStringLiteral("한빛빌라"));
        QVERIFY(!q.locate(QStringLiteral("Id_seq"), 99));
        QCOMPARE(q.fieldByName(QStringLiteral("Bld_nme")).asString(), QStringLiteral("한빛빌라"));

        q.next();
        q.next();
        q.next();
        QVERIFY(q.eof());
        QVERIFY(q.locate(QStringLiteral("Id_seq"), 1)); // a found row ends the end
        QVERIFY(!q.eof());
    }

    // ---- errors ----

    void errorsCarryTheEngineText_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QString>("text");
        QTest::newRow("parameter without a value")
            << "select * from mamul_table.db where Id_seq = :Id_seq" << true << "Id_seq";
        QTest::newRow("missing table") << "select * from mamul_tabel.db" << true << "no such table: mamul_tabel";
        QTest::newRow("missing column") << "select Bld_name from mamul_table.db" << true << "no such column: Bld_name";
        QTest::newRow("does not parse") << "selec * form mamul_table" << true << "syntax error";
        QTest::newRow("update of a missing column")
            << "update mamul_table.db set Bld_name = 1 where Id_seq = 1" << false << "no such column: Bld_name";
        QTest::newRow("insert into a missing table")
            << "insert into \"cust_tabel.db\" (Num) values (1)" << false << "no such table: cust_tabel";
        QTest::newRow("delete that does not parse") << "delete mamul_table where" << false << "syntax error";
    }
    void errorsCarryTheEngineText()
    {
        QFETCH(QString, statement);
        QFETCH(bool, select);
        QFETCH(QString, text);
        TestEnv env;
        const QString folder = env.newDataFolder();
        insertFixtureRows();
        SqlQuery q(QStringLiteral("q"), QStringLiteral("select Id_seq from mamul_table"));
        q.open();
        q.setSql(statement);
        try {
            if (select)
                q.open();
            else
                q.execSql();
            QFAIL("no error");
        } catch (const DbError &e) {
            QVERIFY2(e.text().contains(text), qPrintable(e.text()));
        }
        QVERIFY(!q.isOpen());
        QVERIFY(q.eof());
        QVERIFY(anotherConnectionCanWrite(folder));
        // The same query object runs the next statement as usual.
        q.setSql(QStringLiteral("select count(*) CNT from mamul_table"));
        q.open();
        QCOMPARE(q.fieldByName(QStringLiteral("CNT")).asString(), QStringLiteral("4"));
    }

    void unknownFieldAndClosedQuery()
    {
        TestEnv env;
        env.newDataFolder();
        SqlQuery q(QStringLiteral("qry_mamul"), QStringLiteral("select Id_seq from mamul_table"));
        QVERIFY_THROWS_EXCEPTION(DbError, q.fieldByName(QStringLiteral("Id_seq")));
        q.open();
        try {
            q.fieldByName(QStringLiteral("Bld_nme"));
            QFAIL("no error");
        } catch (const DbError &e) {
            QVERIFY2(e.text().contains(QStringLiteral("Bld_nme")), qPrintable(e.text()));
        }
    }

    void noOpenDataFolder()
    {
        TestEnv env;
        SqlQuery q(QStringLiteral("q"), QStringLiteral("select * from mamul_table"));
        QVERIFY_THROWS_EXCEPTION(DbError, q.open());
        QVERIFY(!q.isOpen());
        try {
            database::open(env.path(QStringLiteral("nowhere")));
            QFAIL("no error");
        } catch (const DbError &e) {
            QVERIFY2(e.text().contains(QStringLiteral("데이터 폴더")), qPrintable(e.text()));
        }
    }

    void writeTransactionRollsBack()
    {
        TestEnv env;
        env.newDataFolder();
        try {
            database::inWriteTransaction([] {
                execSql(QStringLiteral("insert into mamul_table (Id_seq) values (1)"));
                throw DbError(QStringLiteral("중간에 실패"));
            });
            QFAIL("no error");
        } catch (const DbError &e) {
            QCOMPARE(e.text(), QStringLiteral("중간에 실패"));
        }
        QCOMPARE(sqlValue(QStringLiteral("select count(*) from mamul_table")), QStringLiteral("0"));
        // The connection is out of the transaction: the next one starts cleanly.
        database::inWriteTransaction([] { execSql(QStringLiteral("insert into mamul_table (Id_seq) values (2)")); });
        QCOMPARE(sqlValue(QStringLiteral("select Id_seq from mamul_table")), QStringLiteral("2"));
    }

    // ---- a new data folder ----

    void newDataFolderHasEveryTableAndItsFolders()
    {
        TestEnv env;
        const QString folder = env.newDataFolder();
        for (const char *table :
             {"mamul_table", "cust_table", "id_table", "Scedule", "ZIPCODE", "SIDO", "SIGUN", "UMD"}) {
            SqlQuery q(QStringLiteral("q"), QStringLiteral("select count(*) CNT from %1.db").arg(QLatin1String(table)));
            q.open();
            QVERIFY2(!q.eof(), table);
        }
        QCOMPARE(sqlValue(QStringLiteral("select count(*) from id_table")), QStringLiteral("1"));
        QVERIFY(QFileInfo(folder + QStringLiteral("/img")).isDir());
        QVERIFY(QFileInfo(env.path(QStringLiteral("office/image"))).isDir());
        QCOMPARE(env.dm->imgFolder(), folder + QStringLiteral("/img"));
        QCOMPARE(env.dm->imageFolder(), env.path(QStringLiteral("office/image")));
        QCOMPARE(aliases::pathOf(aliases::kAlias), folder);
    }
};

QTEST_MAIN(TestEngine)
#include "test_engine.moc"
